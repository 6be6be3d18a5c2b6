#include "MasterFile.h"

#include "InertTextDocument.h"

#include <QFile>
#include <QRegularExpression>
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
    m_resume.clear();
    CurrentTbId = 0;
    startMarkersWhereTheyStand();
    return ok;
}

void MasterFile::startMarkersWhereTheyStand()
{
    // Each "$#$Name$#$" marker's search starts at its first place in the template, found in
    // one pass over the text: searching from the top for every marker made a template of
    // thousands of markers cost their count times its length. The cursors move with the
    // edits before them, and a marker of another form is searched for from the top.
    const QString text = m_document->toPlainText();
    const QLatin1StringView fence("$#$");
    constexpr qsizetype LongestMarker = 80;
    for (qsizetype at = text.indexOf(fence); at >= 0;) {
        const qsizetype close = text.indexOf(fence, at + fence.size());
        if (close < 0)
            break;
        const QStringView marker = QStringView(text).mid(at, close + fence.size() - at);
        if (marker.size() > LongestMarker || marker.contains(u'\n')) {
            at = close;
            continue;
        }
        const QString name = marker.toString();
        if (!m_resume.contains(name)) {
            QTextCursor start(m_document.get());
            start.setPosition(int(at));
            m_resume.insert(name, start);
        }
        at = text.indexOf(fence, close + fence.size());
    }
}

bool MasterFile::NewSetText(const QString &marker, const QString &text)
{
    // A marker's occurrences are set in document order, so the search goes on from where the
    // last value for it ended: each marker's occurrences cost one pass over the document.
    const auto resume = m_resume.constFind(marker);
    QTextCursor from = resume == m_resume.cend() ? QTextCursor(m_document.get()) : *resume;
    from.clearSelection();
    QTextCursor cursor = findMarker(*m_document, marker, from, QTextDocument::FindCaseSensitively);
    if (cursor.isNull())
        return false;
    const QTextCharFormat format = cursor.charFormat();
    cursor.removeSelectedText();
    cursor.setCharFormat(format);
    insertValue(cursor, text);
    m_resume.insert(marker, cursor);
    return true;
}

int MasterFile::FindTextInTable(const QString &marker, int *row, int *column, int fromTable)
{
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
    return int(tablesOf(*m_document).size());
}

QTextTable *MasterFile::table(int id) const
{
    const QList<QTextTable *> tables = tablesOf(*m_document);
    return id >= 1 && id <= tables.size() ? tables.at(id - 1) : nullptr;
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
    QTextTable *t = current();
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
    QTextTable *t = current();
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
    QTextTable *t = current();
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
    QTextTable *t = current();
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
    QTextTable *t = current();
    if (t && row >= 1 && row <= t->rows())
        t->removeRows(row - 1, 1);
}

void MasterFile::CellBorder(int row, int column, const QString &edges, double width)
{
    QTextTable *t = current();
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
    QTextTable *t = current();
    if (t && count > 1 && row >= 1 && row <= t->rows() && column >= 1 && column + count - 1 <= t->columns())
        t->mergeCells(row - 1, column - 1, 1, count);
}

bool MasterFile::SaveMasterFile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(m_document->toHtml().toUtf8()) >= 0;
}
