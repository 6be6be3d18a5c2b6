#include "MasterFile.h"

#include "InertTextDocument.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>

namespace
{

void collectTables(QTextFrame *frame, QList<QTextTable *> &tables)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child))
            tables << table;
        collectTables(child, tables);
    }
}

QList<QTextTable *> tablesOf(const QTextDocument &document)
{
    QList<QTextTable *> tables;
    collectTables(document.rootFrame(), tables);
    std::sort(tables.begin(), tables.end(),
              [](QTextTable *a, QTextTable *b) { return a->firstPosition() < b->firstPosition(); });
    return tables;
}

// Marks the text a value put in, so that no marker is looked for inside it: a client's name
// that happens to hold a marker is printed as typed.
constexpr int ValueProperty = QTextFormat::UserProperty + 1;

bool holdsValue(const QTextDocument &document, int from, int to)
{
    QTextCursor at(const_cast<QTextDocument *>(&document));
    for (int position = from + 1; position <= to; ++position) {
        at.setPosition(position);
        if (at.charFormat().boolProperty(ValueProperty))
            return true;
    }
    return false;
}

// The next occurrence of the marker from `from` on that is part of the template, not of a value.
QTextCursor findMarker(const QTextDocument &document, const QString &marker, const QTextCursor &from,
                       QTextDocument::FindFlags options)
{
    QTextCursor found = document.find(marker, from, options);
    while (!found.isNull() && holdsValue(document, found.selectionStart(), found.selectionEnd()))
        found = document.find(marker, found.selectionEnd(), options);
    return found;
}

// Inserts a value at the cursor in the format found there: ESC "E"/"F" switch bold, CR LF
// (or a bare LF) starts a new paragraph.
void insertValue(QTextCursor &cursor, const QString &text)
{
    static const QRegularExpression codes(QStringLiteral("\\x1b[EF]|\\r?\\n"));
    QTextCharFormat format = cursor.charFormat();
    format.setProperty(ValueProperty, true);
    qsizetype from = 0;
    for (auto it = codes.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch code = it.next();
        cursor.insertText(text.mid(from, code.capturedStart() - from), format);
        from = code.capturedEnd();
        if (code.captured() == QLatin1String("\x1b"
                                             "E"))
            format.setFontWeight(QFont::Bold);
        else if (code.captured() == QLatin1String("\x1b"
                                                  "F"))
            format.setFontWeight(QFont::Normal);
        else
            cursor.insertBlock();
    }
    cursor.insertText(text.mid(from), format);
}

} // namespace

QString MasterFile::readTemplate(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? QString::fromUtf8(file.readAll()) : QString();
}

MasterFile::MasterFile() : m_document(std::make_unique<InertTextDocument>()) {}

MasterFile::~MasterFile() = default;

bool MasterFile::openmasterfile(const QString &path)
{
    bool ok = false;
    const QString html = readTemplate(path, &ok);
    auto document = std::make_unique<InertTextDocument>();
    // Thousands of replacements need no undo history.
    document->setUndoRedoEnabled(false);
    if (ok)
        document->setHtmlWithoutImages(html);
    m_document = std::move(document);
    m_pending.clear();
    m_indexed = false;
    m_searched.clear();
    CurrentTbId = 0;
    forgetTable();
    return ok;
}

namespace
{

const QLatin1StringView Fence("$#$");
constexpr qsizetype LongestMarker = 80;

// Markers fenced by "$#$" at both ends are found by one pass over the document; others (the
// remarks' and annexures' opening letters) are searched for.
bool isFenced(const QString &marker)
{
    return marker.size() >= 2 * Fence.size() && marker.size() <= LongestMarker && marker.startsWith(Fence) &&
           marker.endsWith(Fence);
}

} // namespace

void MasterFile::indexMarkers()
{
    // Every stretch of a paragraph that opens and closes with the fence is a marker that may
    // be asked for; paragraph text is read as the document's search reads it (a no-break
    // space as a space), and text a value put in holds no marker.
    m_places.clear();
    m_taken.assign(size_t(m_document->characterCount()), false);
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        QString text = block.text();
        if (!text.contains(Fence))
            continue;
        text.replace(QChar::Nbsp, u' ');
        QList<int> valueChars(text.size() + 1, 0);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().boolProperty(ValueProperty))
                continue;
            const int from = fragment.position() - block.position();
            for (int i = from; i < from + fragment.length() && i < text.size(); ++i)
                valueChars[i + 1] = 1;
        }
        for (qsizetype i = 0; i < text.size(); ++i)
            valueChars[i + 1] += valueChars.at(i);
        QList<qsizetype> fences;
        for (qsizetype at = text.indexOf(Fence); at >= 0; at = text.indexOf(Fence, at + 1))
            fences << at;
        for (qsizetype i = 0; i < fences.size(); ++i) {
            const qsizetype start = fences.at(i);
            for (qsizetype j = i + 1; j < fences.size(); ++j) {
                const qsizetype end = fences.at(j) + Fence.size();
                if (end - start > LongestMarker)
                    break;
                if (fences.at(j) < start + Fence.size() || valueChars.at(end) != valueChars.at(start))
                    continue;
                m_places[text.mid(start, end - start)].starts << block.position() + int(start);
            }
        }
    }
    m_indexed = true;
}

bool MasterFile::queue(const QString &marker, const QString &text)
{
    if (!m_indexed)
        indexMarkers();
    const auto found = m_places.find(marker);
    if (found == m_places.end())
        return false;
    Places &places = *found;
    // A place that overlaps one taken already went with that value, as it would have had
    // the value been written at once.
    while (places.next < places.starts.size()) {
        const int start = places.starts.at(places.next++);
        const auto first = m_taken.begin() + start;
        if (std::find(first, first + marker.size(), true) != first + marker.size())
            continue;
        std::fill(first, first + marker.size(), true);
        m_pending << Replacement{start, int(marker.size()), text};
        return true;
    }
    return false;
}

void MasterFile::settle() const
{
    if (m_pending.isEmpty())
        return;
    std::sort(m_pending.begin(), m_pending.end(),
              [](const Replacement &a, const Replacement &b) { return a.start > b.start; });
    QTextCursor cursor(m_document.get());
    for (const Replacement &replacement : std::as_const(m_pending)) {
        cursor.setPosition(replacement.start);
        cursor.setPosition(replacement.start + replacement.length, QTextCursor::KeepAnchor);
        const QTextCharFormat format = cursor.charFormat();
        cursor.removeSelectedText();
        cursor.setCharFormat(format);
        insertValue(cursor, replacement.text);
    }
    m_pending.clear();
    m_indexed = false;
    m_searched.clear();
}

bool MasterFile::NewSetText(const QString &marker, const QString &text)
{
    if (isFenced(marker))
        return queue(marker, text);
    settle();
    return replaceNext(marker, text);
}

bool MasterFile::replaceNext(const QString &marker, const QString &text)
{
    QTextCursor from(m_document.get());
    if (marker == m_searched)
        from.setPosition(m_searchFrom);
    QTextCursor cursor = findMarker(*m_document, marker, from, QTextDocument::FindCaseSensitively);
    if (cursor.isNull())
        return false;
    m_indexed = false;
    const QTextCharFormat format = cursor.charFormat();
    cursor.removeSelectedText();
    cursor.setCharFormat(format);
    insertValue(cursor, text);
    m_searched = marker;
    m_searchFrom = cursor.position();
    return true;
}

int MasterFile::FindTextInTable(const QString &marker, int *row, int *column, int fromTable)
{
    settle();
    const QList<QTextTable *> tables = tablesOf(*m_document);
    // A whole word, so that "Annex31b" does not stop at "Annex31ba".
    const auto options = QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords;
    for (QTextCursor found = findMarker(*m_document, marker, QTextCursor(m_document.get()), options);
         !found.isNull(); found = findMarker(*m_document, marker, found, options)) {
        QTextTable *t = found.currentTable();
        const int id = int(tables.indexOf(t)) + 1;
        if (!t || id < fromTable)
            continue;
        const QTextTableCell cell = t->cellAt(found.selectionStart());
        if (row)
            *row = cell.row() + 1;
        if (column)
            *column = cell.column() + 1;
        return id;
    }
    return 0;
}

int MasterFile::tableCount() const
{
    settle();
    return int(tablesOf(*m_document).size());
}

QTextTable *MasterFile::table(int id) const
{
    settle();
    if (id == m_tableId && m_table)
        return m_table;
    const QList<QTextTable *> tables = tablesOf(*m_document);
    m_tableId = id;
    m_table = id >= 1 && id <= tables.size() ? tables.at(id - 1) : nullptr;
    return m_table;
}

void MasterFile::forgetTable()
{
    m_tableId = 0;
    m_table = nullptr;
}

QTextTable *MasterFile::editedTable()
{
    QTextTable *t = current();
    m_indexed = false;
    m_searched.clear();
    return t;
}

int MasterFile::tbcols() const
{
    QTextTable *t = current();
    return t ? t->columns() : 0;
}

int MasterFile::tbrows() const
{
    QTextTable *t = current();
    return t ? t->rows() : 0;
}

QString MasterFile::TextMatrix(int row, int column) const
{
    QTextTable *t = current();
    if (!t || row < 1 || row > t->rows() || column < 1 || column > t->columns())
        return {};
    const QTextTableCell cell = t->cellAt(row - 1, column - 1);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
    return cursor.selection().toPlainText();
}

void MasterFile::setTextMatrix(int row, int column, const QString &text)
{
    QTextTable *t = editedTable();
    if (!t || row < 1 || row > t->rows() || column < 1 || column > t->columns())
        return;
    const QTextTableCell cell = t->cellAt(row - 1, column - 1);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (cellFontSize > 0) {
        QTextCharFormat size = cursor.charFormat();
        size.setFontPointSize(cellFontSize);
        cursor.setCharFormat(size);
        // An empty cell is as high as its paragraph's type.
        cursor.setBlockCharFormat(size);
    }
    insertValue(cursor, text);
}

void MasterFile::insertrows(int count, int position)
{
    QTextTable *t = editedTable();
    if (!t || count < 1)
        return;
    const int at = std::clamp(position, 1, t->rows() + 1) - 1;
    if (at == t->rows())
        t->appendRows(count);
    else
        t->insertRows(at, count);
}

void MasterFile::insertcols(int count)
{
    QTextTable *t = editedTable();
    if (!t || count < 1)
        return;
    const int before = t->columns();
    t->appendColumns(count);
    const int after = t->columns();
    for (int r = 0; r < t->rows(); ++r) {
        const QTextTableCell last = t->cellAt(r, before - 1);
        if (last.row() == r)
            t->mergeCells(r, last.column(), last.rowSpan(), after - last.column());
    }
}

void MasterFile::shareColumns(const QList<double> &weights)
{
    QTextTable *t = editedTable();
    if (!t || weights.size() != t->columns() - 1)
        return;
    QTextTableFormat format = t->format();
    const QTextLength first = format.columnWidthConstraints().value(0);
    if (first.type() != QTextLength::PercentageLength)
        return;
    double total = 0;
    for (double w : weights)
        total += w;
    QList<QTextLength> widths{first};
    for (double w : weights)
        widths << QTextLength(QTextLength::PercentageLength, (100 - first.rawValue()) * w / total);
    format.setColumnWidthConstraints(widths);
    t->setFormat(format);
}

void MasterFile::DeleteRow(int row)
{
    QTextTable *t = editedTable();
    // The last row takes its table with it, and the tables after it are numbered one less.
    forgetTable();
    if (t && row >= 1 && row <= t->rows())
        t->removeRows(row - 1, 1);
}

int MasterFile::splitTable(int row)
{
    QTextTable *t = editedTable();
    if (!t || row < 2 || row > t->rows())
        return 0;
    forgetTable();
    const QTextTableFormat format = t->format();
    const int rows = t->rows() - row + 1;
    QTextCursor moved(m_document.get());
    moved.setPosition(t->cellAt(row - 1, 0).firstPosition());
    moved.setPosition(t->cellAt(t->rows() - 1, t->columns() - 1).lastPosition(), QTextCursor::KeepAnchor);
    QTextDocumentFragment rest = moved.selection();
    // A selection within one cell is its text only: the cell is made again around it.
    const bool oneCell = !moved.hasComplexSelection();
    const QTextCharFormat cell = t->cellAt(row - 1, 0).format();
    t->removeRows(row - 1, rows);
    QTextCursor after(m_document.get());
    after.setPosition(t->lastPosition() + 1);
    if (oneCell) {
        QTextTable *single = after.insertTable(1, 1, format);
        single->cellAt(0, 0).setFormat(cell);
        single->cellAt(0, 0).firstCursorPosition().insertFragment(rest);
    } else {
        after.insertFragment(rest);
    }
    const QList<QTextTable *> tables = tablesOf(*m_document);
    for (qsizetype i = tables.indexOf(t) + 1; i < tables.size(); ++i) {
        if (tables.at(i)->firstPosition() > t->lastPosition()) {
            // Copying rows leaves the column widths behind.
            tables.at(i)->setFormat(format);
            return int(i) + 1;
        }
    }
    return 0;
}

void MasterFile::appendTable(int rows, int headingRows)
{
    QTextTable *t = editedTable();
    if (!t || rows < 1)
        return;
    QTextTableFormat format = t->format();
    format.setHeaderRowCount(headingRows);
    // The cells of a run of tables are those of the table the run follows, as rows added to it
    // would have been; the edges ruled in a table of the run are not carried on.
    if (t != m_appended)
        m_appendedCells = t->cellAt(t->rows() - 1, 0).format();
    QList<QTextTable *> inside;
    collectTables(t, inside);
    QTextCursor after(m_document.get());
    after.setPosition(t->lastPosition() + 1);
    QTextTable *added = after.insertTable(rows, t->columns(), format);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < t->columns(); ++c)
            added->cellAt(r, c).setFormat(m_appendedCells);
    }
    // The table is known by its pointer until the edit ends and the document looks its frames
    // over again.
    CurrentTbId += 1 + int(inside.size());
    m_tableId = CurrentTbId;
    m_table = added;
    m_appended = added;
}

void MasterFile::CellBorder(int row, int column, const QString &edges, double width)
{
    QTextTable *t = editedTable();
    if (!t || row < 1 || row > t->rows() || column < 1 || column > t->columns())
        return;
    QTextTableCell cell = t->cellAt(row - 1, column - 1);
    QTextTableCellFormat format = cell.format().toTableCellFormat();
    auto pen = [&](int edge) { return edge < edges.size() && edges.at(edge) == u'1' ? width : 0.0; };
    format.setLeftBorder(pen(0));
    format.setRightBorder(pen(1));
    format.setTopBorder(pen(2));
    format.setBottomBorder(pen(3));
    format.setBorderBrush(QBrush(Qt::black));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    cell.setFormat(format);
}

void MasterFile::MergeCells(int row, int column, int count)
{
    QTextTable *t = editedTable();
    if (t && count > 1 && row >= 1 && row <= t->rows() && column >= 1 && column + count - 1 <= t->columns())
        t->mergeCells(row - 1, column - 1, 1, count);
}

void MasterFile::beginTableEdits()
{
    settle();
    QTextCursor(m_document.get()).beginEditBlock();
}

void MasterFile::endTableEdits()
{
    QTextCursor(m_document.get()).endEditBlock();
}

bool MasterFile::SaveMasterFile(const QString &path) const
{
    settle();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(m_document->toHtml().toUtf8()) >= 0;
}
