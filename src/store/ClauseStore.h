#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class QWidget;
class QComboBox;

// Every clause answer is a row of the year's clause table, addressed by client, year,
// form name, page and point, with up to 23 text columns. These routines move controls
// and grids of a page into rows and back; they use the current host client and year and
// the open form of moduleState(). Errors raise DbError into the caller's trap.
namespace ClauseStore
{

struct ClauseRow {
    int page = 0;
    QString formName;
    QString point;
    QStringList cols; // cols[0] is Col1; null columns read as ""
    QString col(int number) const
    {
        return number >= 1 && number <= cols.size() ? cols.at(number - 1) : QString();
    }
};

// Writes one control: a grid one row per non-empty grid row (with its row number in the
// sequence column when withSequence is set), a text box, option button or check box one row.
void SaveClauseControl(QWidget *control, const QString &point, int page, bool withSequence = true);
// Writes one row for a list of controls: the k-th control to column k.
void SaveControlArray(const QString &point, int page, const QList<QWidget *> &controls);

void LoadClauseControl(QWidget *control, const QString &point, int page, bool ordered = true);
void LoadControlArray(const QString &point, int page, const QList<QWidget *> &controls);
// Fills every named control of a page window from the page's rows.
void LoadPageByNames(QWidget *pageWindow, int page);
// Empties every control of a page window (grids keep one empty row).
void ClearPage(QWidget *pageWindow);

// The first field of the first record of "SELECT field FROM table [WHERE condition]";
// condition values are bound through '?'.
QString LookupValue(const QString &field, const QString &table, const QString &condition = {},
                    const QVariantList &binds = {});
// Fills a list with the first column of a query as texts and the second (when present) as item data.
void FillCombo(QComboBox *combo, const QString &sql, const QVariantList &binds = {});

// Row-level access for pages, imports and writers.
void deletePage(int page);
void deletePoint(int page, const QString &point);
void insertRow(int page, const QString &point, const QStringList &cols, const QString &formName = {});
QList<ClauseRow> readPoint(int page, const QString &point, bool ordered = true);
QList<ClauseRow> readPage(int page);
// All rows of the client and year, ordered by page, point and sequence.
QList<ClauseRow> readAll();

} // namespace ClauseStore
