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
    setAll(file, QStringLiteral("$#$Auditor - Firm Name$#$"), blank ? fill : accountant.firmName);
    setAll(file, QStringLiteral("$#$Auditor - Name$#$"), blank ? fill : accountant.name);
    setAll(file, QStringLiteral("$#$PartProp$#$"), blank ? QString() : accountant.designation);
    setAll(file, QStringLiteral("$#$MemNo$#$"), blank ? fill : accountant.membershipNo);
    setAll(file, QStringLiteral("$#$FirmNo$#$"), firmNo);
    setAll(file, QStringLiteral("$#$Auditor - Address$#$"), blank ? QString() : accountant.address);
    setAll(file, QStringLiteral("$#$Phone$#$"), blank ? QString() : accountant.phone);
    setAll(file, QStringLiteral("$#$eMail$#$"), blank ? QString() : accountant.email);
    setAll(file, QStringLiteral("$#$Date$#$"), blank ? fill : date);
    setAll(file, QStringLiteral("$#$Place$#$"), blank ? fill : place);
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
    static const QStringList markers{QStringLiteral("$#$UDIN$#$"),
                                     QStringLiteral("$#$IWe$#$"),
                                     QStringLiteral("$#$Name$#$"),
                                     QStringLiteral("$#$Address$#$"),
                                     QStringLiteral("$#$PAN$#$"),
                                     QStringLiteral("$#$MeUsMs$#$"),
                                     QStringLiteral("$#$AudName$#$"),
                                     QStringLiteral("$#$Act#$"),
                                     QStringLiteral("$#$MyOurTheir$#$"),
                                     QStringLiteral("$#$AudRptDt$#$"),
                                     QStringLiteral("$#$PLType$#$"),
                                     QStringLiteral("$#$PStart Date$#$"),
                                     QStringLiteral("$#$PEnd Date$#$"),
                                     QStringLiteral("$#$BSYear$#$"),
                                     QStringLiteral("$#$MyOur$#$"),
                                     QStringLiteral("$#$MeUs$#$"),
                                     QStringLiteral("$#$HOAdd$#$"),
                                     QStringLiteral("$#$NoBranch$#$"),
                                     QStringLiteral("$#$BSDate$#$"),
                                     QStringLiteral("$#$ProLos$#$"),
                                     QStringLiteral("$#$ObsComDisInc$#$"),
                                     QStringLiteral("$#$SN$#$"),
                                     QStringLiteral("$#$QType$#$"),
                                     QStringLiteral("$#$OQual$#$"),
                                     QStringLiteral("$#$4YN$#$"),
                                     QStringLiteral("$#$4DET$#$"),
                                     QStringLiteral("$#$Status$#$"),
                                     QStringLiteral("$#$Previous Year$#$"),
                                     QStringLiteral("$#$Assessment Year$#$"),
                                     QStringLiteral("$#$8DET$#$"),
                                     QStringLiteral("$#$8AYN$#$"),
                                     QStringLiteral("$#$8ADET$#$"),
                                     QStringLiteral("$#$30CYN$#$"),
                                     QStringLiteral("$#$44YN$#$"),
                                     QStringLiteral("$#$Firm Name$#$"),
                                     QStringLiteral("$#$Signatory - Name$#$"),
                                     QStringLiteral("$#$Designation$#$"),
                                     QStringLiteral("$#$DIN$#$"),
                                     QStringLiteral("$#$RMK"),
                                     QStringLiteral("$#$ANX")};
    for (const QString &marker : markers)
        setAll(file, marker, QString());
}

} // namespace TemplateMarkers
