#pragma once

#include "model/ReportModel.h"

#include <QString>
#include <QStringList>

// How stored values read on paper: blank-form fillers, the "Nil"/"NA" marker rows, grid
// rows in the numeric order of their serial column, lists of parts.
namespace PrintedValues
{

inline const QString BlankValue = QStringLiteral("__________");
inline const QString BlankWord = QStringLiteral("__");
inline const QString AsPerAnnexure = QStringLiteral("AS PER ANNEXURE");

// "Nil" or "NA" when every filled cell of the row is that marker (in any letter case),
// otherwise empty.
QString markerOf(const QStringList &cells);
inline bool isMarkerRow(const QStringList &cells)
{
    return !markerOf(cells).isEmpty();
}

// The rows sorted by the number in the serial column ("10" after "9"); rows without one
// keep their place after those with one. Form 3CD keeps the serial in Col23, Form 3CEB in Col15.
QList<ReportModel::Row> inSerialOrder(QList<ReportModel::Row> rows,
                                      int serialColumn = ReportModel::kSequenceColumn);

// The non-empty parts joined by the separator.
QString joined(const QStringList &parts, const QString &separator);

// "True"/"Yes" -> "Yes", "False"/"No" -> "No", "NA" -> "NA"; anything else as it stands.
QString yesNo(const QString &stored);

// The date the report was signed, as each of its signatures prints it: the signing page's
// (page 21, "DSIGN"), which the e-filing file carries, else the one the report page keeps
// ("3CAOTH", or "3CBOTH" of page 101 for Form 3CB).
QString signingDate(const ReportModel &model);
// The place of signing the report page keeps, in proper case.
QString signingPlace(const ReportModel &model);

} // namespace PrintedValues
