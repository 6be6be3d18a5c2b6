#include "AuditorRecord.h"

#include "store/Database.h"

namespace AuditorRecord
{

const QStringList &captions()
{
    static const QStringList list{
        QStringLiteral("Auditor Name"),   QStringLiteral("Membership Number"),
        QStringLiteral("Firm Name"),      QStringLiteral("Firm Registration Number"),
        QStringLiteral("Address Line 1"), QStringLiteral("Address Line 2"),
        QStringLiteral("City"),           QStringLiteral("Country"),
        QStringLiteral("State"),          QStringLiteral("Pincode"),
        QStringLiteral("Post Office"),    QStringLiteral("Area/Locality"),
        QStringLiteral("District"),       QStringLiteral("PAN"),
        QStringLiteral("E-mail"),         QStringLiteral("Phone"),
        QStringLiteral("Mobile"),         QStringLiteral("Designation"),
        QStringLiteral("Aadhaar")};
    return list;
}

void assign(Database &db, const QString &client, const QString &year, const QString &type,
            const QString &auditorCode)
{
    db.Execute(QStringLiteral("DELETE FROM client_auditor WHERE Code_No=? AND FYr=? AND AudType=?"),
               {client, year, type});
    db.Execute(QStringLiteral("INSERT INTO client_auditor (Code_No, FYr, AudType, AudCode) VALUES (?,?,?,?)"),
               {client, year, type, auditorCode});
}

} // namespace AuditorRecord
