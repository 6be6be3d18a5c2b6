#pragma once

#include <QString>

// The names and widths of the clause tables: one table of each year for the current format,
// and the older formats the imports still read.
namespace ClauseTables
{

bool isValidYearKey(const QString &yearKey);
// Throws when the year key is not four digits of a year.
void requireYearKey(const QString &yearKey);

// "anx_j3cd_2024"; throws when the year key is not four digits.
QString clauseTableName(const QString &yearKey);
// The Form 3CD tables of earlier formats: "annex_new_3cd_2024" (no grid row numbers) and
// "anx_3cd_2024".
QString olderClauseTableName(const QString &yearKey);
QString oldestClauseTableName(const QString &yearKey);
// Form 3CEB's table, one for all years, and that of its earlier format.
inline const QString kForm3cebTable = QStringLiteral("anx_new_3ceb");
inline const QString kOlderForm3cebTable = QStringLiteral("anx_3ceb");
// The old report wizard's answers, one a question.
inline const QString kWizardTable = QStringLiteral("anex3cd_main");

// The rows of one client's report of one year, binding the client and the year key.
inline const QString kReportRows = QStringLiteral("Code_No=? AND FYr=?");
// Deletes them from `table`, those that `andCondition` (" AND ...") also picks where it is given.
QString deleteReportRows(const QString &table, const QString &andCondition = {});

// The value columns of the current tables ("Col1".."ColN"); the last holds a grid row's
// number.
inline constexpr int kForm3cdColumns = 23;
inline constexpr int kForm3cebColumns = 20;

// Number of value columns of a clause table ("Col1".."ColN").
int valueColumnCount(const QString &tableName);

} // namespace ClauseTables
