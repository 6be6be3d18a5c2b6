#include "PsToPdf.h"

#include "PdfFile.h"
#include "base/LoadedLibrary.h"
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

// Ghostscript's library is loaded when a document is first converted, not linked: with the
// libraries it needs it was a third of what the dynamic loader relocated before the
// program's first window.
struct Ghostscript {
    decltype(&gsapi_revision) revision = nullptr;
    decltype(&gsapi_new_instance) newInstance = nullptr;
    decltype(&gsapi_set_stdio) setStdio = nullptr;
    decltype(&gsapi_init_with_args) initWithArgs = nullptr;
    decltype(&gsapi_exit) exit = nullptr;
    decltype(&gsapi_delete_instance) deleteInstance = nullptr;
    QString failure;
};

const Ghostscript &ghostscript()
{
    static const Ghostscript loaded = [] {
        Ghostscript gs;
        LoadedLibrary library(QStringLiteral("gs"), 10, QStringLiteral("Ghostscript library"));
        library.resolve("gsapi_revision", gs.revision);
        library.resolve("gsapi_new_instance", gs.newInstance);
        library.resolve("gsapi_set_stdio", gs.setStdio);
        library.resolve("gsapi_init_with_args", gs.initWithArgs);
        library.resolve("gsapi_exit", gs.exit);
        library.resolve("gsapi_delete_instance", gs.deleteInstance);
        gs.failure = library.failure();
        return gs;
    }();
    return loaded;
}

} // namespace

Result convert(const QString &basePath, const QString &outputPath)
{
    Result result;
    const Ghostscript &gs = ghostscript();
    if (!gs.failure.isEmpty()) {
        result.messages = gs.failure;
        return result;
    }
    gsapi_revision_t revision;
    if (gs.revision(&revision, sizeof revision) != 0) {
        result.messages = QStringLiteral("The Ghostscript library does not match its header.");
        return result;
    }
    void *instance = nullptr;
    if (gs.newInstance(&instance, &result.messages) < 0) {
        result.messages = QStringLiteral("Ghostscript could not start.");
        return result;
    }
    gs.setStdio(instance, readNothing, collect, collect);

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
    const int code = gs.initWithArgs(instance, int(argv.size()), argv.data());
    const int exitCode = gs.exit(instance);
    gs.deleteInstance(instance);
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
