#include "AuditorDetails.h"

#include "catalogue/SigningPoints.h"
#include "catalogue/StateNames.h"
#include "host/AuditorRecord.h"
#include "model/rules/ClauseCompleteness.h"

namespace AuditorDetails
{

const QStringList &labels()
{
    static const QStringList list{
        AuditorRecord::captions().at(0),          AuditorRecord::captions().at(1),
        QStringLiteral("Auditor's Firm Address"), QStringLiteral("Auditor's Country"),
        QStringLiteral("Auditor's State"),        QStringLiteral("Auditor's Pincode"),
        QStringLiteral("Auditor's Post Office"),  QStringLiteral("Auditor's Area/Locality"),
        QStringLiteral("Auditor's District")};
    return list;
}

QString normalisedState(const QString &state)
{
    return StateNames::current(state);
}

QStringList shown(const QStringList &record)
{
    using namespace AuditorRecord;
    auto field = [&record](Field f) { return record.value(f).trimmed(); };
    QStringList address;
    for (Field f : {AddressLine1, AddressLine2, City}) {
        if (!field(f).isEmpty())
            address << field(f);
    }
    return {field(Name),
            field(MembershipNo),
            address.join(QStringLiteral(", ")),
            field(Country),
            normalisedState(field(State)),
            field(Pincode),
            field(PostOffice),
            field(Locality),
            field(District)};
}

std::optional<ReportFinding> firstBlank(const QStringList &shown)
{
    for (int i = 0; i < labels().size(); ++i) {
        if (auto blank = ClauseCompleteness::text(shown.value(i), labels().at(i), false)) {
            blank->page = SigningPoints::Page;
            return blank;
        }
    }
    return std::nullopt;
}

} // namespace AuditorDetails
