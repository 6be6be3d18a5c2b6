#pragma once

#include <QString>

// Where a Form 3CA/3CB report keeps its signing particulars: one row each on the signing
// page, whose clauses the catalogue lists under these points.
namespace SigningPoints
{

inline constexpr int Page = 21;
inline const QString AuditorType = QStringLiteral("AudType"); // "Yes" when an individual signs
inline const QString Udin = QStringLiteral("UDIN");
inline const QString SignedOn = QStringLiteral("DSIGN");

} // namespace SigningPoints
