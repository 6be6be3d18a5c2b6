#pragma once

#include "store/ClauseStore.h"

#include <QList>
#include <QString>

class Database;

// A client's clause rows of one year as a clause table of any format kept them, widened to
// today's columns.
namespace EarlierRows
{

// The clause tables of Form 3CD by age: "anx_j3cd_" (today's, 23 columns),
// "annex_new_3cd_" (15 columns, no grid row numbers) and "anx_3cd_" (17 columns, the
// row number in the seventeenth).
enum class Format { Current, Older, Oldest };

QString tableOf(Format format, const QString &yearKey);

// Puts rows in the order of their page and point and, within a point, of the number the
// sequence column holds.
void sortInGridOrder(QList<ClauseStore::ClauseRow> &rows, int sequenceColumn);

// A client's rows of one year as a clause table of `columns` value columns holds them, each
// with those columns, in the table's order; empty when the table is not there.

QList<ClauseStore::ClauseRow> stored(Database &db, const QString &table, int columns, const QString &client,
                                     const QString &yearKey);

// The rows in their stored order, each with today's 23 columns; a grid row that kept no
// number is numbered in order. Empty when the table or the rows are not there.
QList<ClauseStore::ClauseRow> read(Database &db, Format format, const QString &client,
                                   const QString &yearKey);

} // namespace EarlierRows
