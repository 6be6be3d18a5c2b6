#pragma once

#include <QString>

// The names and widths of the clause tables: one table of each year for the current format,
// and the older formats the imports still read.
namespace ClauseTables
{

bool isValidYearKey(const QString &yearKey);

// "anx_j3cd_2024"; throws when the year key is not four digits.
QString clauseTableName(const QString &yearKey);

// The value columns of the current tables ("Col1".."ColN"); the last holds a grid row's
// number.
inline constexpr int kForm3cdColumns = 23;
inline constexpr int kForm3cebColumns = 20;

// Number of value columns of a clause table ("Col1".."ColN").
int valueColumnCount(const QString &tableName);

} // namespace ClauseTables
