#include "RowPagination.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>
#include <cmath>

namespace RowPagination
{

namespace
{

const int WholeRows = QTextFormat::UserProperty + 23;

struct Extent {
    qreal top = 0;
    qreal bottom = 0;
};

Extent extentOf(QTextDocument &document, QTextTable *table, int row)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    Extent e{1e12, -1e12};
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
            const QTextBlock block = it.currentBlock();
            if (!block.isValid())
                continue;
            const QRectF r = layout->blockBoundingRect(block);
            e.top = std::min(e.top, r.top());
            e.bottom = std::max(e.bottom, r.bottom());
        }
    }
    return e;
}

// Moves the rows from `row` on into a new table after this one that starts a page.
void splitBefore(QTextTable *table, int row)
{
    QTextCursor after = table->lastCursorPosition();
    after.movePosition(QTextCursor::NextBlock);
    QTextTableFormat tableFormat = table->format();
    tableFormat.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    const int rows = table->rows() - row;
    QTextTable *rest = after.insertTable(rows, table->columns(), tableFormat);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell from = table->cellAt(row + r, c);
            QTextTableCell to = rest->cellAt(r, c);
            QTextTableCellFormat format = from.format().toTableCellFormat();
            if (r == 0) {
                // The rule under the row left behind closes the page; the moved row opens
                // the next page under the same rule.
                const QTextTableCellFormat above = table->cellAt(row - 1, c).format().toTableCellFormat();
                format.setTopBorder(above.bottomBorder());
                format.setTopBorderBrush(above.bottomBorderBrush());
                format.setTopBorderStyle(above.bottomBorderStyle());
            }
            to.setFormat(format);
            QTextCursor source = from.firstCursorPosition();
            source.setPosition(from.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            QTextCursor target = to.firstCursorPosition();
            target.setBlockFormat(from.firstCursorPosition().blockFormat());
            target.insertFragment(source.selection());
        }
    }
    table->removeRows(row, rows);
}

bool hasSpans(QTextTable *table)
{
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.rowSpan() > 1 || cell.columnSpan() > 1)
                return true;
        }
    }
    return false;
}

} // namespace

void keepRowsWhole(QTextTableFormat &format)
{
    format.setProperty(WholeRows, true);
}

void paginate(QTextDocument &document)
{
    const qreal pageHeight = document.pageSize().height();
    if (pageHeight <= 0)
        return;
    // A split puts the rest of the table into the next frame, which is looked at next.
    for (int i = 0; i < document.rootFrame()->childFrames().size(); ++i) {
        auto *table = qobject_cast<QTextTable *>(document.rootFrame()->childFrames().at(i));
        if (!table || !table->format().boolProperty(WholeRows) || hasSpans(table))
            continue;
        for (int r = 1; r < table->rows(); ++r) {
            const Extent e = extentOf(document, table, r);
            const bool crosses = std::floor(e.top / pageHeight) != std::floor((e.bottom - 1) / pageHeight);
            if (crosses && e.bottom - e.top < pageHeight / 2) {
                splitBefore(table, r);
                break;
            }
        }
    }
}

} // namespace RowPagination
