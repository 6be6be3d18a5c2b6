#pragma once

#include "store/ClauseStore.h"
#include "store/ReportKey.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <unordered_map>

// One report's clause rows, read once and grouped by page and point, each point's rows in
// grid order (the sequence column read as a number). Screens, the command-line tool, the
// e-filing writer and the import read and change the same rows here; savePage writes a
// page back as the pages always have: delete its rows, insert them again, in one transaction.
class ReportModel : public QObject
{
    Q_OBJECT
public:
    using Row = ClauseStore::ClauseRow;
    // Form 3CD's; sequenceColumn() gives the report's own.
    static constexpr int kSequenceColumn = ClauseTables::kForm3cdColumns;

    // An empty report of that key; nothing is read.
    explicit ReportModel(const ReportKey &key, QObject *parent = nullptr);
    // The stored rows of the report.
    static std::unique_ptr<ReportModel> load(const ReportKey &key = ReportKey::current());
    // Reads the stored rows again, dropping every change.
    void reload();

    const ReportKey &key() const { return m_key; }
    const QString &formCode() const { return m_key.form.formCode; }
    QString formNameForPage(int page) const { return m_key.form.formNameForPage(page); }
    // The column that holds a grid row's number: Col23 of Form 3CD's rows, Col20 of Form 3CEB's.
    int sequenceColumn() const { return m_key.form.valueColumns(); }

    // The rows of a point (of any form name), in order; empty when there are none. A point's
    // list keeps its address until the point is removed or the report is read again, so a
    // table over it may hold on to it between the model's signals.
    const QList<Row> &rows(int page, const QString &point) const;
    // The rows of a point written under one form name ("3CA" Part A rows, say).
    QList<Row> rows(int page, const QString &point, const QString &formName) const;
    // Column `col` of the point's first row, "" when there is none.
    QString value(int page, const QString &point, int col = 1) const;
    // Column `col` of every row of the point.
    QStringList column(int page, const QString &point, int col) const;
    bool has(int page, const QString &point) const;
    // The points of a page that hold rows, in the order they were read or added.
    QStringList points(int page) const;
    QList<int> pages() const;
    int count() const;

    // Replaces the point's rows of the form name (the page's own when empty); each row is
    // its Col1.. values.
    void setRows(int page, const QString &point, const QList<QStringList> &rows,
                 const QString &formName = {});
    // Sets one column of the point's first row of the page's form name, creating the row.
    void setValue(int page, const QString &point, const QString &value, int col = 1);
    // Sets column `col` of the `row`-th row of the point written under the page's form name;
    // false when there is no such row. One cell costs no copy of the point's rows.
    bool setCell(int page, const QString &point, int row, int col, const QString &value);
    void removePoint(int page, const QString &point);
    // Adds a row as it comes (an import's rows, in their order), after the point's other
    // rows of its form name.
    void append(const Row &row);

    // A point that a page writes besides its own rows: an As Per Annexure tick kept under
    // page 201, the Form 3CB report page's ticks kept under page 1.
    struct PointKey {
        int page = 0;
        QString point;
        QString formName; // the page's own when empty
    };

    // Writes the page's rows of its form name, and the rows of the other points named: deletes
    // them and inserts the model's, in one transaction. Grid rows (those with a sequence)
    // whose values are all empty are not written.
    void savePage(int page, const QList<PointKey> &alsoPoints = {}) const;

signals:
    // The rows of a point were replaced or changed.
    void pointChanged(int page, const QString &point);
    // Everything was read again.
    void reloaded();

private:
    static QString keyOf(int page, const QString &point);
    QList<Row> &entry(int page, const QString &point);
    // Puts a row among the point's rows, after the others of its form name.
    static void place(QList<Row> &list, Row &&row);

    ReportKey m_key;
    // Node-based, so that a point's rows stay where they are while other points come and go.
    std::unordered_map<QString, QList<Row>> m_byPoint;
    QHash<int, QStringList> m_pointOrder; // points of each page in order
};
