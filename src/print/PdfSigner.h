#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Signs PDF files with a certificate of an NSS store through poppler: a signature field on
// each chosen page, the signed file replacing the original after the unsigned file was kept
// as NAME_before_sign.pdf (NAME_before_sign_2.pdf and on when that copy exists already). A
// hardware token is a PKCS#11 module the NSS store loads, so its certificates are listed
// and used the same way.
namespace PdfSigner
{

enum class Pages { Specified, All, Last };

struct Certificate {
    QString nickname;
    QString serialNumber; // hexadecimal
    QString validTo;      // dd/MM/yyyy
};

struct Request {
    QString file;
    QString certNickname;
    QString password;
    Pages pages = Pages::Last;
    QList<int> pageNumbers; // 1-based, for Pages::Specified
};

// The user's own store, ~/.pki/nssdb, used when no folder is named.
QString defaultStore();
// Opens the NSS store in the folder ("sql:" is added to a plain folder; an empty folder is
// the user's own store) before any certificate is listed. NSS opens one store per process,
// so false with the reason when the folder holds no store or another store is open already.
bool useNssStore(const QString &folder, QString *error = nullptr);
// The store opened by useNssStore ("" before it was called).
QString openStore();
// The nicknames of the certificates that can sign, read after logging in to the store
// with the password (a store without a password takes an empty one). Opens the user's own
// store when none is open yet.
QList<Certificate> certificates(const QString &password = {});

// "1,3" -> {1, 3}; an empty list for text that is not a list of page numbers.
// The message for a choice of pages that names none.
QString noPagesMessage();
QList<int> parsePages(const QString &text);
// The copy of the unsigned file beside NAME.pdf: NAME_before_sign.pdf, or the first
// NAME_before_sign_N.pdf not taken when an earlier signing left that copy.
QString beforeSignPath(const QString &file);

// Signs the file in place; false with the reason when it cannot: a read-only file or folder
// is refused untouched, a failed signature leaves the file as it was and the unsigned copy.
bool sign(const Request &request, QString *error);

} // namespace PdfSigner
