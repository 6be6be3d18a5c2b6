#pragma once

#include "store/ClauseStore.h"

#include <QByteArray>
#include <QStringEncoder>
#include <QStringList>
#include <map>
#include <utility>
#include <vector>

// The rows of one grid point kept as UTF-8 text in one buffer, each row its form name and
// cells behind their lengths: a clause of a million rows takes about the bytes it holds,
// not a string for every cell and a list for every row. The rows are kept as the rules keep
// a grid, the cells of the page's own form name trimmed, and read back one at a time.
class GridText
{
public:
    using Row = ClauseStore::ClauseRow;

    GridText(int page, const QString &point, const QString &pageFormName, int columns, int sequenceColumn);

    void add(Row &&row);
    // Puts the rows in the report's order: form name, then sequence, equals as added.
    void sortAsReport();

    qsizetype size() const { return qsizetype(m_starts.size()); }
    int page() const { return m_page; }
    const QString &point() const { return m_point; }
    // Row `index`, made in `into` (whose lists are reused from row to row).
    const Row &row(qsizetype index, Row &into) const;
    // A "No" or "Not Applicable" answer's row, told as the row was added.
    bool isMarker(qsizetype index) const { return m_markers[size_t(index)]; }
    // Every row, as the report model would hold them.
    QList<Row> rows() const;

private:
    int m_page;
    QString m_point;
    QString m_pageFormName;
    int m_columns;
    int m_sequenceColumn;
    QStringList m_formNames;
    QByteArray m_text;
    // Stateless: a cell never carries half a character into the next.
    QStringEncoder m_encoder{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
    std::vector<qsizetype> m_starts;
    std::vector<bool> m_markers;
    // The rows' sequence numbers and form names until they are sorted.
    std::vector<qint64> m_sequence;
    std::vector<int> m_forms;
};

// The grids of a report kept as text, by page and point.
using GridTexts = std::map<std::pair<int, QString>, GridText>;
