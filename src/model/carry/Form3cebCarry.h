#pragma once

#include "store/ClauseStore.h"
#include "store/ReportKey.h"

#include <QList>
#include <QString>
#include <functional>

class Database;
class ReportModel;

// Carrying a Form 3CEB forward: last year's report of the client, or this year's kept in
// the older Form 3CEB table, in place of this year's rows. Each replaces the report's rows
// in one transaction and leaves them as they were when it fails (DbError); none asks anything
// but the question it is given.
namespace Form3cebCarry
{

// The Form 3CEB clause tables: "anx_new_3ceb" (today's, 20 columns) and "anx_3ceb" (the
// older one, 15 columns, each transaction kept in the e-filing XML's order of its values).
enum class Table { Current, Older };

QString tableOf(Table table);

// A client's rows of one year in a table, each moved into today's columns (20, the grid
// serial in the fifteenth), grid rows in the order of their serials.
QList<ClauseStore::ClauseRow> read(Database &db, Table table, const QString &client, const QString &yearKey);

// A row of the older table in today's columns: a transaction's values leave the XML's order
// for the columns of its grid; every other row keeps its columns.
ClauseStore::ClauseRow fromOlderTable(const ClauseStore::ClauseRow &row);

// The model holds last year's rows keyed to this year's report: the UDIN goes, the
// declaration names this year and the date of signing is left to be given.
void roll(ReportModel &report);

// Sets every amount of the transaction grids to "0.00": the amounts are the year's own.
void dropFigures(ReportModel &report);

// Last year's report of the client from a table, carried forward, its figures left behind
// when withoutFigures (asked once the rows are found) says so; false (nothing changed,
// nothing asked) when last year has no rows there.
bool previousYear(const ReportKey &key, Table table, const std::function<bool()> &withoutFigures);

// This year's rows of the older table in place of this year's (the remarks stay); false
// when there are none.
bool oldFormat(const ReportKey &key);

} // namespace Form3cebCarry
