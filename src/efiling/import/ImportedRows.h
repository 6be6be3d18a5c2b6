#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The clause rows an imported document gives, gathered before any is written so that the
// old report is replaced in one go. Grid rows are numbered per point in the order they are
// added (the sequence column), so the writer reads them back in file order; a single-valued
// point has one row whose columns may come from several members.
class ImportedRows
{
public:
    static constexpr int kValueColumns = 22;
    static constexpr int kSequenceColumn = 23;

    // A row keeps its columns only as far as the last one set: most rows fill a few of
    // their 22, and a large file has hundreds of thousands of rows.
    struct Row {
        int page = 0;
        QString point;
        QStringList cols; // Col1 onwards, up to the last column set
        QString sequence; // Col23
        QString col(int c) const { return c >= 1 && c <= cols.size() ? cols.at(c - 1) : QString(); }
    };

    // A new grid row of the point, numbered after the point's earlier rows.
    int append(int page, const QString &point);
    // The point's first row, created without a number when the point has none yet.
    int single(int page, const QString &point);
    // Sets Col`col` (1 to 22) of a row; other column numbers are ignored.
    void set(int row, int col, const QString &value);

    bool has(int page, const QString &point) const { return m_first.contains(keyOf(page, point)); }
    const QList<Row> &rows() const { return m_rows; }
    // The rows, moved out; nothing is left.
    QList<Row> takeRows() &&
    {
        m_first.clear();
        m_count.clear();
        return std::move(m_rows);
    }

private:
    static QString keyOf(int page, const QString &point) { return QString::number(page) + u'|' + point; }
    int add(int page, const QString &point, const QString &sequence);

    QList<Row> m_rows;
    QHash<QString, int> m_first; // the first row of each point
    QHash<QString, int> m_count; // numbered rows of each point
};
