#include "AuditorMembers.h"

#include "CodeLookups.h"
#include "host/AuditorRecord.h"
#include "host/HostContext.h"
#include "store/ReportKey.h"

#include <QStringList>

namespace AuditorMembers
{

QHash<QString, QString> load(const ReportKey &key)
{
    HostContext &h = host();
    QHash<QString, QString> m;
    // Any auditor type: the one the client has for the year signs the report.
    if (!h.GetAuditorDet(QString(), key.yearKey, key.client))
        return m;
    auto field = [&](AuditorRecord::Field f) { return h.vArrOutValue(f).trimmed(); };

    // The record keeps one name; the first word is the first name and the last the last.
    QStringList words = field(AuditorRecord::Name).split(u' ', Qt::SkipEmptyParts);
    const QString last = words.isEmpty() ? QString() : words.takeLast();
    const QString first = words.isEmpty() ? QString() : words.takeFirst();
    m.insert(QStringLiteral("FirstName"), first);
    m.insert(QStringLiteral("MiddleName"), words.join(u' '));
    m.insert(QStringLiteral("LastName"), last);

    const QString pin = field(AuditorRecord::Pincode);
    m.insert(QStringLiteral("AddrDetail1"), field(AuditorRecord::AddressLine1));
    m.insert(QStringLiteral("AddrDetail2"), field(AuditorRecord::AddressLine2));
    m.insert(QStringLiteral("CityOrTownOrDistrict"),
             CodeLookups::districtCode(pin, field(AuditorRecord::District)));
    m.insert(QStringLiteral("LocalityOrArea"),
             CodeLookups::localityCode(pin, field(AuditorRecord::Locality)));
    m.insert(QStringLiteral("LocalityOrAreaName"), field(AuditorRecord::Locality));
    m.insert(QStringLiteral("PostOffice"),
             CodeLookups::postOfficeCode(pin, field(AuditorRecord::PostOffice)));
    m.insert(QStringLiteral("PostOfficeName"), field(AuditorRecord::PostOffice));
    m.insert(QStringLiteral("StateCode"), CodeLookups::stateCode(field(AuditorRecord::State)));
    m.insert(QStringLiteral("PinCode"), pin);
    m.insert(QStringLiteral("MembershipNo"), field(AuditorRecord::MembershipNo));
    m.insert(QStringLiteral("FirmRegNum"), field(AuditorRecord::FirmRegNo));
    // The filer's network address is the portal's to record at upload; the file leaves it blank.
    m.insert(QStringLiteral("IpAddress"), QString());
    h.InitTempArray();
    return m;
}

} // namespace AuditorMembers
