#pragma once

#include "PdfSigner.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What is done to PDF files through poppler, which with NSS and its image libraries was a
// fifth of what the dynamic loader did before the program's first window. It lies in a module
// of its own (PdfModule) loaded the first time a PDF is read back or signed.
class PdfEngine
{
public:
    virtual ~PdfEngine() = default;

    // Said of a file poppler cannot open, or opens only with a password.
    static QString notReadable() { return QStringLiteral("The file is not a readable PDF file."); }

    // The number of pages of the file; -1 when it does not open as a PDF. `locked` tells a
    // file that opens only with a password.
    virtual int pageCount(const QString &path, bool *locked) const = 0;
    // The NSS store ("sql:FOLDER") the certificates are read from; NSS opens one per process.
    virtual void useStore(const QString &address) const = 0;
    // The certificates that can sign, after logging in to the store with the password.
    virtual QList<PdfSigner::Certificate> certificates(const QByteArray &password) const = 0;
    // Writes to `target` the file `source` with a signature on its page (0-based); false with
    // the reason when the file cannot be read or the certificate does not sign.
    virtual bool signPage(const QString &source, const QString &target, const PdfSigner::Request &request,
                          int page, QString *error) const = 0;
};

// The module's one exported function.
using PdfEngineEntry = const PdfEngine *(*)();
#define TALVEX_PDF_ENGINE_ENTRY "talvexPdfEngine"
