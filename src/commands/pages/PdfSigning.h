#pragma once

#include "print/PdfSigner.h"

#include <QList>
#include <QString>
#include <QStringList>

// Signing PDF files with the accountant's certificate, as the signing window and `taxaudit
// sign` run it: the request is checked as the user gave it, then the files are signed one
// after the other, each keeping its unsigned copy beside it; the first file that cannot be
// signed ends the signing. Every message goes through the prompt interface.
namespace PdfSigning
{

struct File {
    QString path;
    PdfSigner::Pages pages = PdfSigner::Pages::Last;
    QString pageNumbers; // "1,3", for PdfSigner::Pages::Specified
};

struct Request {
    QList<File> files;
    bool certificatesListed = true; // false when the store offered no certificate to choose
    QString certNickname;           // "" when none was chosen
    QString certSerial;
    QString password;
};

// What the signing did.
struct Result {
    QStringList signedFiles;
    QString failedFile; // the file that could not be signed, "" when none
    QString reason;
    bool done() const { return failedFile.isEmpty() && !signedFiles.isEmpty(); }
};

Result sign(const Request &request);

// Told once every file is signed.
QString signedText();

} // namespace PdfSigning
