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
    ClauseRow() = default;
    ClauseRow(int page, QString formName, QString point, QStringList cols)
        : page(page), formName(std::move(formName)), point(std::move(point)), cols(std::move(cols))
    {
    }

    int page = 0;
    // False only for a row read as stored whose cells were seen, as they were read, not to
    // begin or end with a blank; a row made or changed anywhere else says true. Trimming a
    // grid of thousands of rows then need not look into every cell again. (Kept beside the
    // page number, where it adds nothing to the size of a row.)
    bool mayBePadded = true;
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

// True when the cell begins or ends with a blank (a space, tab, line break or the like).
inline bool isPadded(const QString &cell)
{
    return !cell.isEmpty() && (cell.front().isSpace() || cell.back().isSpace());
}

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
bool hasRows(const ReportKey &key, int page);
// The rows of a clause table (or of a copy of one) of COLUMNS value columns that WHERE
// selects, in ORDER (the table's own order when empty), read as text straight from the driver.
QList<ClauseRow> readTable(Database &db, const QString &table, int columns, const QString &where,
                           const QVariantList &binds, const QString &order = {});
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
