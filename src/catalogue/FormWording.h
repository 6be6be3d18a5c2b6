#pragma once

#include <QString>

// Wording of the printed forms that the pages show as well, so that the screen and the
// paper read alike.
namespace FormWording
{

// The tick of a clause that does not apply to the assessee, and the answer printed for it.
inline const QString NotApplicable = QStringLiteral("Not Applicable");

// The case each audit report is for, which closes the form's title.
inline const QString Form3caCase = QStringLiteral(
    "in a case where the accounts of the business or profession of a person have been audited under any "
    "other law");
inline const QString Form3cbCase =
    QStringLiteral("in the case of a person referred to in clause (b) of sub-rule (1) of rule 6G");

// The heading of the accountant's observations under Form 3CA's paragraph 3 and Form 3CB's
// paragraph 5.
inline const QString Observations = QStringLiteral("Observations/Qualifications");

// Form 3CA's paragraph 2 and Form 3CB's paragraph 4.
inline const QString AnnexedParticulars = QStringLiteral(
    "The statement of particulars required to be furnished under section 44AB is annexed herewith in Form "
    "No. 3CD.");

// The period of the audited accounts, around its two dates.
inline const QString PeriodFrom = QStringLiteral("for the period beginning from");
inline const QString PeriodTo = QStringLiteral("to ending on");

// The accountant's opinion, between the words "my"/"our" and "me"/"us".
inline const QString InformationExplained =
    QStringLiteral("information and according to explanations given to");

} // namespace FormWording
