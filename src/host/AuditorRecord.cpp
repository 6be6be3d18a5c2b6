#include "AuditorRecord.h"

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

} // namespace AuditorRecord
