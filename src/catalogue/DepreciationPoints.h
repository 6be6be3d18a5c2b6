#pragma once

#include <QString>

// Where clause 18 keeps its blocks of assets: one grid row per block on the depreciation
// page, and the clause's "not applicable" tick beside it.
namespace DepreciationPoints
{

inline constexpr int Page = 7;
inline const QString Blocks = QStringLiteral("18");
inline const QString NotApplicable = QStringLiteral("NA18");

} // namespace DepreciationPoints
