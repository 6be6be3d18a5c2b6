#pragma once

#include <QString>
#include <QStringList>

class MasterFile;
class ReportModel;
struct Accountant;
struct PrintSetup;

// The markers the audit report's templates share: the UDIN line, the signing accountant
// and the clearing of markers a user's template carries but a print has no value for.
namespace TemplateMarkers
{

// The markers of the audit report templates. "$#$Act#$" is spelt as the shipped templates have it;
// the remarks and the annexures are found by their opening letters.
inline const QString Udin = QStringLiteral("$#$UDIN$#$");
inline const QString IWe = QStringLiteral("$#$IWe$#$");
inline const QString Name = QStringLiteral("$#$Name$#$");
inline const QString Address = QStringLiteral("$#$Address$#$");
inline const QString Pan = QStringLiteral("$#$PAN$#$");
inline const QString MeUsMs = QStringLiteral("$#$MeUsMs$#$");
inline const QString AuditorNames = QStringLiteral("$#$AudName$#$");
inline const QString Act = QStringLiteral("$#$Act#$");
inline const QString MyOurTheir = QStringLiteral("$#$MyOurTheir$#$");
inline const QString ReportDate = QStringLiteral("$#$AudRptDt$#$");
inline const QString AccountsType = QStringLiteral("$#$PLType$#$");
inline const QString PeriodStart = QStringLiteral("$#$PStart Date$#$");
inline const QString PeriodEnd = QStringLiteral("$#$PEnd Date$#$");
inline const QString BalanceSheetYear = QStringLiteral("$#$BSYear$#$");
inline const QString MyOur = QStringLiteral("$#$MyOur$#$");
inline const QString MeUs = QStringLiteral("$#$MeUs$#$");
inline const QString HeadOffice = QStringLiteral("$#$HOAdd$#$");
inline const QString Branches = QStringLiteral("$#$NoBranch$#$");
inline const QString BalanceSheetDate = QStringLiteral("$#$BSDate$#$");
inline const QString ProfitLoss = QStringLiteral("$#$ProLos$#$");
inline const QString Observations = QStringLiteral("$#$ObsComDisInc$#$");
inline const QString QualificationSerial = QStringLiteral("$#$SN$#$");
inline const QString QualificationType = QStringLiteral("$#$QType$#$");
inline const QString Qualification = QStringLiteral("$#$OQual$#$");
inline const QString Answer4 = QStringLiteral("$#$4YN$#$");
inline const QString Details4 = QStringLiteral("$#$4DET$#$");
inline const QString Status = QStringLiteral("$#$Status$#$");
inline const QString PreviousYear = QStringLiteral("$#$Previous Year$#$");
inline const QString AssessmentYear = QStringLiteral("$#$Assessment Year$#$");
inline const QString Details8 = QStringLiteral("$#$8DET$#$");
inline const QString Answer8a = QStringLiteral("$#$8AYN$#$");
inline const QString Details8a = QStringLiteral("$#$8ADET$#$");
inline const QString Answer30C = QStringLiteral("$#$30CYN$#$");
inline const QString Answer44 = QStringLiteral("$#$44YN$#$");
inline const QString FirmName = QStringLiteral("$#$Firm Name$#$");
inline const QString SignatoryName = QStringLiteral("$#$Signatory - Name$#$");
inline const QString Designation = QStringLiteral("$#$Designation$#$");
inline const QString Din = QStringLiteral("$#$DIN$#$");
inline const QString Remarks = QStringLiteral("$#$RMK");
inline const QString Annexure = QStringLiteral("$#$ANX");
// The signing accountant's block.
inline const QString AuditorFirm = QStringLiteral("$#$Auditor - Firm Name$#$");
inline const QString AuditorName = QStringLiteral("$#$Auditor - Name$#$");
inline const QString AuditorDesignation = QStringLiteral("$#$PartProp$#$");
inline const QString MembershipNo = QStringLiteral("$#$MemNo$#$");
inline const QString FirmRegNo = QStringLiteral("$#$FirmNo$#$");
inline const QString AuditorAddress = QStringLiteral("$#$Auditor - Address$#$");
inline const QString Phone = QStringLiteral("$#$Phone$#$");
inline const QString Email = QStringLiteral("$#$eMail$#$");
inline const QString Date = QStringLiteral("$#$Date$#$");
inline const QString Place = QStringLiteral("$#$Place$#$");

// "UDIN : " and the number, empty without a UDIN or on a blank form.
QString udinLine(const ReportModel &model, bool blank);

// The accountant's block: firm in capitals, name, designation, numbers (with the PAN when
// the setup asks for it), address, phone and e-mail; a blank form leaves lines to fill in.
void setAccountant(MasterFile &file, const Accountant &accountant, const PrintSetup &setup, bool blank,
                   const QString &date, const QString &place);

// Sets every occurrence the marker still has, in document order, to the text.
void setAll(MasterFile &file, const QString &marker, const QString &text);

// Sets one marker's occurrences to the values in turn (the last value serves any further one).
void setInOrder(MasterFile &file, const QString &marker, const QStringList &values);

// Empties whatever marker of the audit report templates is left in the file.
void clearLeftovers(MasterFile &file);

} // namespace TemplateMarkers
