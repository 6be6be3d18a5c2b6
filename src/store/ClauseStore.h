#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Every clause answer is a row of the year's clause table, addressed by client, year,
// form name, page and point, with up to 23 text columns. These routines read and write
// such rows for the current host client and year and the open form of moduleState().
// Errors raise DbError into the caller's trap.
class Database;
struct ReportKey;

namespace ClauseStore
{

struct ClauseRow {
    int page = 0;
    QString formName;
    QString point;
    QStringList cols; // cols[0] is Col1; null columns read as ""
    // The value itself, not a copy: the store compares and binds thousands of them a save.
    const QString &col(int number) const
    {
        static const QString none;
        return number >= 1 && number <= cols.size() ? cols.at(number - 1) : none;
    }
};

void deletePage(int page);
void deletePage(const ReportKey &key, int page);
void deletePoint(int page, const QString &point);
// Removes the rows of a point of the report written under one form name.
void deletePoint(const ReportKey &key, int page, const QString &point, const QString &formName);
void insertRow(int page, const QString &point, const QStringList &cols, const QString &formName = {});
// Writes the rows of a grid through one prepared statement, skipping rows whose cells are
// all empty; with withSequence each row carries its 1-based place in the sequence column.
void insertRows(int page, const QString &point, const QList<QStringList> &rows, bool withSequence = true);
QList<ClauseRow> readPoint(int page, const QString &point, bool ordered = true);
QList<ClauseRow> readPage(int page);
// Whether the page holds any row of its form name.
bool hasRows(int page);
// All rows of the client and year, ordered by page, point and sequence.
QList<ClauseRow> readAll();
QList<ClauseRow> readAll(const ReportKey &key);
// Writes rows as they are kept, all columns with the sequence among them; a grid row
// whose values are all empty is not written. Every writer of many rows (a page's grids, an
// import) goes through here, several rows a statement.
void insertStoredRows(const ReportKey &key, const QList<ClauseRow> &rows);
void insertStoredRows(Database &db, const ReportKey &key, const QList<ClauseRow> &rows);
void insertStoredRows(Database &db, const ReportKey &key, const QList<const ClauseRow *> &rows);

} // namespace ClauseStore

// A report's lists of rows grow by thousands: a row moves as its bytes, without touching its strings.
Q_DECLARE_TYPEINFO(ClauseStore::ClauseRow, Q_RELOCATABLE_TYPE);
