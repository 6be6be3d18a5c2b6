#include "AuditorMembers.h"

#include "AddressMembers.h"
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
    namespace A = AddressMembers;
    m.insert(A::Line1, field(AuditorRecord::AddressLine1));
    m.insert(A::Line2, field(AuditorRecord::AddressLine2));
    m.insert(A::District, CodeLookups::districtCode(pin, field(AuditorRecord::District)));
    m.insert(A::Locality, CodeLookups::localityCode(pin, field(AuditorRecord::Locality)));
    m.insert(A::LocalityName, field(AuditorRecord::Locality));
    m.insert(A::PostOffice, CodeLookups::postOfficeCode(pin, field(AuditorRecord::PostOffice)));
    m.insert(A::PostOfficeName, field(AuditorRecord::PostOffice));
    m.insert(A::State, CodeLookups::stateCode(field(AuditorRecord::State)));
    m.insert(A::Pin, pin);
    m.insert(QStringLiteral("MembershipNo"), field(AuditorRecord::MembershipNo));
    m.insert(QStringLiteral("FirmRegNum"), field(AuditorRecord::FirmRegNo));
    // The filer's network address is the portal's to record at upload; the file leaves it blank.
    m.insert(QStringLiteral("IpAddress"), QString());
    h.InitTempArray();
    return m;
}

} // namespace AuditorMembers
