#pragma once

#include "store/ClauseTables.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <deque>
#include <string>
#include <vector>

// The clause rows an imported document gives, gathered before any is written so that the
// old report is replaced in one go. Grid rows are numbered per point in the order they are
// added (the sequence column), so the writer reads them back in file order; a single-valued
// point has one row whose columns may come from several members.
//
// A large file gives hundreds of thousands of rows of a few short values each, so a row is
// kept packed: its columns as UTF-8 with their lengths, in large shared blocks. The row
// being filled is kept open as text until another row is set.
class ImportedRows
{
public:
    static constexpr int kSequenceColumn = ClauseTables::kForm3cdColumns;
    static constexpr int kValueColumns = kSequenceColumn - 1;

    struct Row {
        int page = 0;
        QString point;
        QStringList cols; // Col1 onwards, up to the last column set
        QString sequence; // Col23
        QString col(int c) const { return c >= 1 && c <= cols.size() ? cols.at(c - 1) : QString(); }
        // The columns as the clause table keeps them: a grid row's number in Col23.
        QStringList storedColumns() &&
        {
            if (!sequence.isEmpty()) {
                cols.resize(kValueColumns);
                cols << sequence;
            }
            return std::move(cols);
        }
    };

    ImportedRows() = default;
    ImportedRows(const ImportedRows &) = delete;
    ImportedRows &operator=(const ImportedRows &) = delete;

    // A new grid row of the point, numbered after the point's earlier rows.
    int append(int page, const QString &point);
    // The point's first row, created without a number when the point has none yet.
    int single(int page, const QString &point);
    // Sets Col`col` (1 to 22) of a row; other column numbers are ignored.
    void set(int row, int col, const QString &value);

    bool has(int page, const QString &point) const { return m_first.contains(keyOf(page, point)); }
    // Col`col` of the point's first row; "" when there is none.
    QString value(int page, const QString &point, int col = 1) const;
    int count() const { return int(m_rows.size()); }
    // A row unpacked, in the order the rows were added.
    Row row(int index) const;

private:
    struct Packed {
        int page;
        int point;    // into m_points
        int sequence; // 0 for a row without a number
        int block = -1;
        int offset = 0;
    };

    static QString keyOf(int page, const QString &point) { return QString::number(page) + u'|' + point; }
    int add(int page, const QString &point, int sequence);
    void open(int row);
    void close();
    QStringList unpack(const Packed &packed) const;

    std::deque<Packed> m_rows;
    std::vector<std::string> m_blocks;
    QStringList m_points;
    QHash<QString, int> m_pointIndex;
    QHash<QString, int> m_first; // the first row of each point
    QHash<QString, int> m_count; // numbered rows of each point
    int m_open = -1;
    QStringList m_openCols;
};
