#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Signs PDF files with a certificate of an NSS store through poppler: a signature field on
// each chosen page, the signed file replacing the original after the unsigned file was kept
// as NAME_before_sign.pdf. A hardware token is a PKCS#11 module the NSS store loads, so its
// certificates are listed and used the same way.
namespace PdfSigner
{

enum class Pages { Specified, All, Last };

struct Request {
    QString file;
    QString certNickname;
    QString password;
    Pages pages = Pages::Last;
    QList<int> pageNumbers; // 1-based, for Pages::Specified
};

// Points poppler at an NSS store ("sql:" is added to a plain folder); an empty folder
// leaves poppler's default store (the user's ~/.pki/nssdb).
void useNssStore(const QString &folder);
// The nicknames of the certificates that can sign.
QStringList certificates();

// "1,3" -> {1, 3}; an empty list for text that is not a list of page numbers.
QList<int> parsePages(const QString &text);
// NAME_before_sign.pdf beside NAME.pdf.
QString beforeSignPath(const QString &file);

// Signs the file in place; false with the reason when it cannot (the unsigned copy stays).
bool sign(const Request &request, QString *error);

} // namespace PdfSigner
