#pragma once

#include <QString>
#include <QStringList>

// The column layouts of the printed reports, each a text of comma-separated percent widths
// that sum to 100, and the groups in which the Form 3CD clauses share a printed table. The
// report builders take every fixed layout from here.
namespace PrintedLayouts
{

// One line across the page.
inline const QString Line = QStringLiteral("100");
// Two halves: a signature block, the deductions of a depreciation block.
inline const QString Halves = QStringLiteral("50,50");
// A heading after a narrow serial column: the Form 3CEB transaction groups.
inline const QString GroupHeading = QStringLiteral("3,97");
// A label and its text: the Form 3CD clauses with their captions, the remarks.
inline const QString Labelled = QStringLiteral("10,90");
// Serial, caption, colon and value: Part A of the Form 3CEB Annexure.
inline const QString Particulars = QStringLiteral("4,40,2,54");
// Part A's sections under sector, sub-sector and code.
inline const QString Sections = QStringLiteral("4,40,2,20,20,14");
// Serial, question and the Yes/No answer of a Form 3CEB clause. The serial column is wider
// than the group heading's: a label such as "25New" does not fit three per cent of the line
// in a type that can be read.
inline const QString Question = QStringLiteral("7,83,10");
// Label, caption and value: a Form 3CD particular or field.
inline const QString CaptionValue = QStringLiteral("10,50,40");
// The closing signatures of the Form 3CEB Annexure: the assessee's and the accountant's.
inline const QString ClosingSignatures = QStringLiteral("3,47,50");
// The additions of a depreciation block.
inline const QString Additions = QStringLiteral("13,13,14,14,14,14,18");
// The depreciation table with the purchase value, the three adjustments and the total.
inline const QString DepreciationWide = QStringLiteral("4,8,6,6,6,6,6,6,6,6,6,6,6,6,8,8");

// The widths of a Form 3CEB clause's table: the serial, the enterprise's name and address,
// its identification type and number, then the clause's own columns in the order the pages
// keep them. Empty for a clause without a table.
QString form3cebClause(const QString &clause);

// The Form 3CD clause groups: the points of each share one table of the printed form.
const QList<QStringList> &form3cdGroups();
// The group a clause point belongs to; the point alone when it stands by itself.
QStringList form3cdGroupOf(const QString &point);

} // namespace PrintedLayouts
