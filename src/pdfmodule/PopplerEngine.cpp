// The module talvex-pdf.so: the program's PDF work through poppler, with certificates from an
// NSS store. A hardware token is a PKCS#11 module the NSS store loads, so its certificates
// are listed and used the same way.
#include "print/PdfEngine.h"

#include <QColor>
#include <QRectF>
#include <cstring>
#include <memory>
#include <poppler-form.h>
#include <poppler-qt6.h>

namespace
{

class PopplerEngine final : public PdfEngine
{
public:
    int pageCount(const QString &path, bool *locked) const override
    {
        const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
        *locked = document && document->isLocked();
        return document ? document->numPages() : -1;
    }

    void useStore(const QString &address) const override { Poppler::setNSSDir(address); }

    QList<PdfSigner::Certificate> certificates(const QByteArray &password) const override
    {
        // NSS asks again after a wrong password; answering once ends its retries.
        auto answered = std::make_shared<bool>(false);
        Poppler::setNSSPasswordCallback([answered, password](const char *) -> char * {
            if (*answered)
                return nullptr;
            *answered = true;
            return strdup(password.constData());
        });
        QList<PdfSigner::Certificate> found;
        for (const Poppler::CertificateInfo &info : Poppler::getAvailableSigningCertificates())
            found << PdfSigner::Certificate{info.nickName(), QString::fromLatin1(info.serialNumber().toHex()),
                                            info.validityEnd().toString(QStringLiteral("dd/MM/yyyy"))};
        return found;
    }

    bool signPage(const QString &source, const QString &target, const PdfSigner::Request &request, int page,
                  QString *error) const override
    {
        std::unique_ptr<Poppler::Document> document = Poppler::Document::load(source);
        if (!document || document->isLocked()) {
            *error = PdfEngine::notReadable();
            return false;
        }
        std::unique_ptr<Poppler::PDFConverter> converter = document->pdfConverter();
        converter->setOutputFileName(target);
        converter->setPDFOptions(converter->pdfOptions() | Poppler::PDFConverter::WithChanges);
        Poppler::PDFConverter::NewSignatureData data;
        data.setCertNickname(request.certNickname);
        data.setPassword(request.password);
        data.setPage(page);
        // The lower right corner, where the accountant signs the printed form, above the footer
        // band (the last 30 mm of an A4 page hold the margin, the assessment year and the page number).
        data.setBoundingRectangle(QRectF(0.60, 0.85, 0.35, 0.05));
        data.setSignatureText(QStringLiteral("Digitally signed by ") + request.certNickname);
        data.setFontSize(7);
        data.setBorderWidth(0.5);
        data.setFontColor(Qt::black);
        data.setBorderColor(Qt::black);
        data.setBackgroundColor(Qt::white);
        if (!converter->sign(data)) {
            *error = QStringLiteral("The certificate ") + request.certNickname +
                     QStringLiteral(" could not sign page ") + QString::number(page + 1) + u'.';
            return false;
        }
        return true;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT const PdfEngine *talvexPdfEngine()
{
    static const PopplerEngine engine;
    return &engine;
}
