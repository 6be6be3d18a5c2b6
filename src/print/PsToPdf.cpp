#include "PsToPdf.h"

#include "PdfFile.h"
#include "base/OutputFile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <ghostscript/iapi.h>
#include <ghostscript/ierrors.h>
#include <vector>

namespace PsToPdf
{

namespace
{

int readNothing(void *, char *, int)
{
    return 0;
}

int collect(void *handle, const char *text, int length)
{
    static_cast<QString *>(handle)->append(QString::fromLocal8Bit(text, length));
    return length;
}

} // namespace

Result convert(const QString &basePath, const QString &outputPath)
{
    Result result;
    gsapi_revision_t revision;
    if (gsapi_revision(&revision, sizeof revision) != 0) {
        result.messages = QStringLiteral("The Ghostscript library does not match its header.");
        return result;
    }
    void *instance = nullptr;
    if (gsapi_new_instance(&instance, &result.messages) < 0) {
        result.messages = QStringLiteral("Ghostscript could not start.");
        return result;
    }
    gsapi_set_stdio(instance, readNothing, collect, collect);

    const QString target = outputPath.isEmpty() ? basePath + QStringLiteral(".pdf") : outputPath;
    // Ghostscript 10 no longer knows the ".setpdfwrite" tuning operator older versions took
    // between "-c" and "-f"; the rest of the command line is as it always was.
    const QList<QByteArray> args{"ps2pdf",
                                 "-dNOPAUSE",
                                 "-dBATCH",
                                 "-dSAFER",
                                 "-r300",
                                 "-sDEVICE=pdfwrite",
                                 "-sOutputFile=" + QFile::encodeName(target),
                                 "-f",
                                 QFile::encodeName(basePath + QStringLiteral(".ps"))};
    std::vector<char *> argv;
    for (const QByteArray &a : args)
        argv.push_back(const_cast<char *>(a.constData()));
    const int code = gsapi_init_with_args(instance, int(argv.size()), argv.data());
    const int exitCode = gsapi_exit(instance);
    gsapi_delete_instance(instance);
    result.ok = (code == 0 || code == gs_error_Quit) && exitCode == 0 && QFile::exists(target);
    return result;
}

bool convertFile(const QString &psFile, const QString &pdf, QString *error)
{
    QString reason;
    error = error ? error : &reason;
    const QFileInfo source(psFile);
    if (source.suffix().compare(QLatin1String("ps"), Qt::CaseInsensitive) != 0 || !source.isFile()) {
        *error = QStringLiteral("[%1] is not a PostScript print file.").arg(psFile);
        return false;
    }
    OutputFile out(pdf);
    if (!out.open()) {
        *error = out.errorString();
        return false;
    }
    // Ghostscript writes the temporary file by its name.
    out.device().close();
    const Result result = convert(source.absoluteFilePath().chopped(3), out.temporaryPath());
    if (!result.ok) {
        out.discard();
        *error =
            QStringLiteral("Ghostscript could not convert [%1]: %2").arg(psFile, result.messages.trimmed());
        return false;
    }
    if (out.commit(PdfFile::readsBack))
        return true;
    *error = out.errorString();
    return false;
}

} // namespace PsToPdf
