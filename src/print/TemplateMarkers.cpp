#include "TemplateMarkers.h"

#include "Accountant.h"
#include "ControlCodes.h"
#include "MasterFile.h"
#include "PrintSetup.h"
#include "PrintedValues.h"
#include "catalogue/SigningPoints.h"
#include "model/ReportModel.h"

namespace TemplateMarkers
{

QString udinLine(const ReportModel &model, bool blank)
{
    const QString udin = blank ? QString() : model.value(SigningPoints::Page, SigningPoints::Udin).trimmed();
    return udin.isEmpty() ? QString() : QStringLiteral("UDIN : ") + udin;
}

void setAccountant(MasterFile &file, const Accountant &accountant, const PrintSetup &setup, bool blank,
                   const QString &date, const QString &place)
{
    const QString fill = PrintedValues::BlankValue;
    QString firmNo = blank ? fill : accountant.firmRegNo;
    if (!blank && (setup.auditorPan || setup.firmPan))
        firmNo += ControlCodes::LineBreak + QStringLiteral("PAN : ") + accountant.pan;
    setAll(file, AuditorFirm, blank ? fill : accountant.firmName);
    setAll(file, AuditorName, blank ? fill : accountant.name);
    setAll(file, AuditorDesignation, blank ? QString() : accountant.designation);
    setAll(file, MembershipNo, blank ? fill : accountant.membershipNo);
    setAll(file, FirmRegNo, firmNo);
    setAll(file, AuditorAddress, blank ? QString() : accountant.address);
    setAll(file, Phone, blank ? QString() : accountant.phone);
    setAll(file, Email, blank ? QString() : accountant.email);
    setAll(file, Date, blank ? fill : date);
    setAll(file, Place, blank ? fill : place);
}

void setAll(MasterFile &file, const QString &marker, const QString &text)
{
    while (file.NewSetText(marker, text)) {
    }
}

void setInOrder(MasterFile &file, const QString &marker, const QStringList &values)
{
    for (const QString &value : values)
        file.NewSetText(marker, value);
    setAll(file, marker, values.isEmpty() ? QString() : values.last());
}

void clearLeftovers(MasterFile &file)
{
    static const QStringList markers{Udin,
                                     IWe,
                                     Name,
                                     Address,
                                     Pan,
                                     MeUsMs,
                                     AuditorNames,
                                     Act,
                                     MyOurTheir,
                                     ReportDate,
                                     AccountsType,
                                     PeriodStart,
                                     PeriodEnd,
                                     BalanceSheetYear,
                                     MyOur,
                                     MeUs,
                                     HeadOffice,
                                     Branches,
                                     BalanceSheetDate,
                                     ProfitLoss,
                                     Observations,
                                     QualificationSerial,
                                     QualificationType,
                                     Qualification,
                                     Answer4,
                                     Details4,
                                     Status,
                                     PreviousYear,
                                     AssessmentYear,
                                     Details8,
                                     Answer8a,
                                     Details8a,
                                     Answer30C,
                                     Answer44,
                                     FirmName,
                                     SignatoryName,
                                     Designation,
                                     Din,
                                     Remarks,
                                     Annexure};
    for (const QString &marker : markers)
        setAll(file, marker, QString());
}

} // namespace TemplateMarkers
