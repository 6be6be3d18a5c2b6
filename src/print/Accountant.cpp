#include "Accountant.h"

#include "PrintSetup.h"
#include "ReportWriter.h"
#include "catalogue/PrintedLayouts.h"
#include "host/AuditorRecord.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"

#include <QStringList>

QString properCase(const QString &text)
{
    QString out = text.toLower();
    bool start = true;
    for (QChar &c : out) {
        if (start && c.isLetter())
            c = c.toUpper();
        start = !c.isLetterOrNumber() && c != u'\'';
    }
    return out;
}

Accountant Accountant::ofReport(const ReportModel &model)
{
    Accountant a;
    if (!hasHost())
        return a;
    HostContext &h = host();
    if (!h.GetAuditorDet(QString(), model.key().yearKey, model.key().client))
        return a;
    auto field = [&h](AuditorRecord::Field f) { return h.vArrOutValue(f).trimmed(); };
    a.firmName = field(AuditorRecord::FirmName).toUpper();
    a.name = properCase(field(AuditorRecord::Name));
    a.designation = field(AuditorRecord::Designation);
    a.membershipNo = field(AuditorRecord::MembershipNo);
    a.firmRegNo = field(AuditorRecord::FirmRegNo);
    QStringList address;
    for (AuditorRecord::Field f :
         {AuditorRecord::AddressLine1, AuditorRecord::AddressLine2, AuditorRecord::City}) {
        if (!field(f).isEmpty())
            address << properCase(field(f));
    }
    if (!field(AuditorRecord::Pincode).isEmpty())
        address << field(AuditorRecord::Pincode);
    a.address = address.join(QStringLiteral(", "));
    a.phone = field(AuditorRecord::Phone);
    a.email = field(AuditorRecord::Email);
    a.pan = field(AuditorRecord::PAN);
    return a;
}

void Accountant::writeSignature(ReportWriter &writer, const PrintSetup &setup, const QString &date,
                                const QString &place) const
{
    writer.columns(PrintedLayouts::Halves, {ReportRow::Left, ReportRow::Left});
    QStringList right{QStringLiteral("For ") + firmName, QStringLiteral("Chartered Accountants"), QString(),
                      QString(), name};
    if (!designation.isEmpty())
        right << designation;
    right << QStringLiteral("M. No. : ") + membershipNo << QStringLiteral("FRN : ") + firmRegNo;
    if (setup.auditorPan || setup.firmPan)
        right << QStringLiteral("PAN : ") + pan;
    if (!address.isEmpty())
        right << address;
    const QStringList left{QStringLiteral("Date   : ") + date, QStringLiteral("Place : ") + place};
    for (int i = 0; i < right.size(); ++i) {
        const int fromEnd = int(right.size()) - i;
        writer.plain({fromEnd <= left.size() ? left.at(left.size() - fromEnd) : QString(), right.at(i)});
    }
}
