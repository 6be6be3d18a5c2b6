#include "PdfSigning.h"

#include "base/Prompt.h"

#include <QFileInfo>

namespace PdfSigning
{

namespace
{

// The message for the first thing the request lacks; "" when it may be signed.
QString lacking(const Request &request)
{
    if (request.files.isEmpty())
        return QStringLiteral("Please Select PDF File.");
    if (!request.certificatesListed)
        return QStringLiteral("Please select certificate(s) to sign.");
    if (request.certNickname.isEmpty())
        return QStringLiteral("Please select Certificate.");
    if (request.certSerial.trimmed().isEmpty())
        return QStringLiteral("Failed to Retrieve Selected DSC Serial No.");
    for (const File &f : request.files) {
        if (f.pages == PdfSigner::Pages::Specified && PdfSigner::parsePages(f.pageNumbers).isEmpty())
            return PdfSigner::noPagesMessage();
    }
    return {};
}

} // namespace

Result sign(const Request &request)
{
    Result result;
    if (const QString missing = lacking(request); !missing.isEmpty()) {
        prompts().inform(missing);
        return result;
    }
    for (const File &f : request.files) {
        PdfSigner::Request one;
        one.file = f.path;
        one.certNickname = request.certNickname;
        one.password = request.password;
        one.pages = f.pages;
        one.pageNumbers = PdfSigner::parsePages(f.pageNumbers);
        if (!PdfSigner::sign(one, &result.reason)) {
            result.failedFile = f.path;
            prompts().message(QStringLiteral("Error Occured  while Sigining the file : ") +
                                  QFileInfo(f.path).fileName() + u'\n' + result.reason,
                              {}, PromptIcon::Critical);
            return result;
        }
        result.signedFiles << f.path;
    }
    return result;
}

QString signedText()
{
    return QStringLiteral("Signed Successfully.");
}

} // namespace PdfSigning
