#pragma once

#include <QString>

class ReportModel;

// One date of signing: the report page (page 1) and the signing page (page 21) each keep
// the date the report was signed, the first for the printed report, the second for the
// e-filing file. They must be the same date.
namespace SigningDate
{

// The signing page's date as its field and its messages name it.
inline const QString Label = QStringLiteral("Date of signing Tax Audit Report");

// The date of signing the report's page 1 keeps ("3CAOTH", or "3CBOTH" of page 101 for
// Form 3CB, fifth column); "" when it has none.
QString reportPageDate(const ReportModel &model);

// "" when the two dates agree or either is not given (empty or a marker), else the message.
QString mismatchMessage(const QString &reportPageDate, const QString &signingPageDate);

} // namespace SigningDate
