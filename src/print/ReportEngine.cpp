#include "ReportEngine.h"

#include "ControlCodes.h"
#include "InertTextDocument.h"
#include "MasterFile.h"
#include "PdfFile.h"
#include "PrintProgress.h"
#include "base/OutputFile.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <limits>

namespace
{

// Stands for the page number in the bands until a page is drawn.
const QChar PageNumberMark(0xE000);

// A report is laid out for a page of this resolution whatever it is drawn on: type is set a
// little differently at each resolution, and the preview, the printer and the PDF have to
// break the pages at the same places.
constexpr int LayoutDpi = 300;

// A paint device of that resolution that is only measured, never drawn on. It also holds
// back the layout Qt runs by itself on a timer while events are handled: that goes on in ever
// longer steps, which would freeze the preview's window for seconds on a long report, while
// the engine lays the pages out in short steps of its own.
class LayoutProbe : public QPdfWriter
{
public:
    LayoutProbe() : QPdfWriter(QStringLiteral("/dev/null")) { setResolution(LayoutDpi); }
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Timer; }
};

ReportEngine::Viewer &viewer()
{
    static ReportEngine::Viewer installed;
    return installed;
}

Qt::Alignment alignmentOf(int code)
{
    switch (code) {
    case ReportRow::Centre:
        return Qt::AlignHCenter;
    case ReportRow::Right:
        return Qt::AlignRight;
    case ReportRow::Justify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

bool ruled(const QString &mask, int column)
{
    return column < mask.size() && mask.at(column) == u'1';
}

void setEdges(QTextTableCellFormat &format, bool left, bool right, bool top, bool bottom)
{
    const qreal pen = 0.6;
    const QBrush ink(Qt::black);
    format.setLeftBorder(left ? pen : 0);
    format.setRightBorder(right ? pen : 0);
    format.setTopBorder(top ? pen : 0);
    format.setBottomBorder(bottom ? pen : 0);
    format.setLeftBorderBrush(ink);
    format.setRightBorderBrush(ink);
    format.setTopBorderBrush(ink);
    format.setBottomBorderBrush(ink);
    format.setLeftBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setRightBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
}

} // namespace

ReportEngine::ReportEngine()
{
    NewReport();
}

ReportEngine::~ReportEngine() = default;

void ReportEngine::setViewer(Viewer v)
{
    viewer() = std::move(v);
}

void ReportEngine::SetCol130(bool wide)
{
    m_wide = wide;
}

std::unique_ptr<QTextDocument> ReportEngine::newDocument() const
{
    auto d = std::make_unique<InertTextDocument>();
    QFont f(m_fontFamily);
    f.setPointSizeF(m_fontSize);
    // A spacing other than zero turns off the "fi" and "fl" ligatures, so that the text
    // copied or searched in the PDF reads as it was written.
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    d->setDefaultFont(f);
    d->setDocumentMargin(0);
    // Nothing undoes a report: keeping every edit to undo it costs time and memory.
    d->setUndoRedoEnabled(false);
    return d;
}

void ReportEngine::NewReport()
{
    dropLayout();
    for (Target *t : {&m_bodyTarget, &m_headerTarget, &m_footerTarget})
        settle(*t);
    m_sections.clear();
    m_body = newDocument();
    m_header = newDocument();
    m_footer = newDocument();
    resetTarget(m_bodyTarget, m_body.get());
    resetTarget(m_headerTarget, m_header.get());
    resetTarget(m_footerTarget, m_footer.get());
    m_band = Body;
}

void ReportEngine::startSection(bool wide)
{
    dropLayout();
    write(
        m_bodyTarget, [this](Target &t) { layTable(t); }, false);
    if (!isEmpty(m_bodyTarget)) {
        m_sections.push_back({std::move(m_body), std::move(m_bodyTarget), m_wide});
        m_body = newDocument();
        resetTarget(m_bodyTarget, m_body.get());
    }
    m_wide = wide;
}

QList<ReportEngine::RunSource> ReportEngine::sections()
{
    layTables();
    QList<RunSource> all;
    for (Section &section : m_sections)
        all.append({section.body.get(), &section.target, section.wide});
    // A run left empty after the last wide table has no page of its own.
    if (all.isEmpty() || !isEmpty(m_bodyTarget))
        all.append({m_body.get(), &m_bodyTarget, m_wide});
    return all;
}

void ReportEngine::write(Target &target, std::function<void(Target &)> edit, bool content)
{
    if (&target != &m_bodyTarget) {
        edit(target);
        return;
    }
    target.queued.push_back(std::move(edit));
    target.queuedContent = target.queuedContent || content;
}

void ReportEngine::composeTo(Target &target, qsizetype characters)
{
    while (!target.queued.empty() && target.document->characterCount() <= characters) {
        const std::function<void(Target &)> edit = std::move(target.queued.front());
        target.queued.pop_front();
        edit(target);
        ++target.made;
    }
    if (target.queued.empty()) {
        layTable(target);
        target.queuedContent = false;
    }
    settle(target);
}

void ReportEngine::composeAll(Target &target)
{
    composeTo(target, std::numeric_limits<qsizetype>::max());
}

bool ReportEngine::isEmpty(Target &target)
{
    if (target.queuedContent)
        return false;
    composeAll(target);
    return target.document->isEmpty();
}

void ReportEngine::resetTarget(Target &target, QTextDocument *document)
{
    target = Target();
    target.document = document;
    target.cursor = QTextCursor(document);
}

ReportEngine::Target &ReportEngine::current()
{
    dropLayout();
    if (m_band == Header)
        return m_headerTarget;
    if (m_band == Footer)
        return m_footerTarget;
    return m_bodyTarget;
}

void ReportEngine::CreateTable(int columns, int)
{
    write(
        current(),
        [this, columns](Target &t) {
            endTable(t);
            t.columns = columns;
        },
        false);
}

void ReportEngine::startBlock(Target &t)
{
    if (t.lineOpen || !t.pageBreak)
        return;
    QTextBlockFormat format = t.cursor.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    t.cursor.setBlockFormat(format);
    t.pageBreak = false;
}

void ReportEngine::writeCoded(QTextCursor &cursor, const QString &text, Target *t)
{
    QTextCharFormat format = cursor.charFormat();
    format.setFontWeight(QFont::Normal);
    QString run;
    auto flush = [&] {
        if (!run.isEmpty())
            cursor.insertText(run, format);
        run.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\x1b' && i + 1 < text.size()) {
            const QChar code = text.at(i + 1);
            flush();
            // ESC "E" and ESC "F" switch bold; the pitch codes (ESC DC2, ESC "M") have no
            // meaning on a laid-out page.
            if (code == u'E')
                format.setFontWeight(QFont::Bold);
            else if (code == u'F')
                format.setFontWeight(QFont::Normal);
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            flush();
            cursor.insertBlock();
        } else if (c == QChar(12)) {
            flush();
            if (t) {
                if (!cursor.block().text().isEmpty())
                    cursor.insertBlock();
                t->pageBreak = true;
                t->lineOpen = false;
                startBlock(*t);
            }
        } else if (c.unicode() < 0x20) {
            continue;
        } else {
            run += c;
        }
    }
    flush();
}

void ReportEngine::WriteToReport(const ReportRow &row, const QString &mask1, const QString &mask2,
                                 const QString &mask3, const QString &mask4, bool tableRow)
{
    write(
        current(),
        [this, pending = PendingRow{row, {mask1, mask2, mask3, mask4}, m_cellFontSize, false},
         tableRow](Target &t) { writeRow(t, pending, tableRow); },
        true);
}

void ReportEngine::WriteHeading(const ReportRow &row, const QString &mask1, const QString &mask2,
                                const QString &mask3, const QString &mask4)
{
    write(
        current(),
        [this, pending = PendingRow{row, {mask1, mask2, mask3, mask4}, m_cellFontSize, true}](Target &t) {
            writeRow(t, pending, true);
        },
        true);
}

void ReportEngine::endTable(Target &t)
{
    layTable(t);
    t.table = nullptr;
    t.continued = false;
    t.heading.clear();
    t.bodyRows = 0;
}

void ReportEngine::writeRow(Target &t, const PendingRow &pending, bool tableRow)
{
    const ReportRow &row = pending.row;
    const int n = row.columnCount();
    if (!tableRow) {
        endTable(t);
        startBlock(t);
        QTextBlockFormat format = t.cursor.blockFormat();
        format.setAlignment(alignmentOf(row.alignments.value(0)));
        t.cursor.setBlockFormat(format);
        writeCoded(t.cursor, row.values.join(QLatin1Char(' ')), &t);
        t.cursor.insertBlock(QTextBlockFormat());
        t.lineOpen = false;
        return;
    }
    // A row of another width than the table's starts a table of its own, as does a heading
    // under rows; the next part of a long table goes on under the same headings.
    const int columns =
        t.pending.isEmpty() ? (t.table ? t.columns : -1) : t.pending.first().row.columnCount();
    const bool goesOn = t.continued && t.columns == n;
    if ((!goesOn && (columns != n || t.columns != n)) || (pending.heading && t.bodyRows > 0)) {
        endTable(t);
        t.columns = n;
        t.widths = row.widths;
    }
    if (pending.heading)
        t.heading.append(pending);
    else
        ++t.bodyRows;
    t.pending.append(pending);
    if (t.pending.size() == RowsPerTable) {
        layTable(t);
        t.table = nullptr;
        t.continued = true;
    }
}

void ReportEngine::layTables()
{
    for (Target *t : {&m_headerTarget, &m_footerTarget}) {
        layTable(*t);
        settle(*t);
    }
    write(
        m_bodyTarget, [this](Target &t) { layTable(t); }, false);
}

void ReportEngine::settle(Target &t)
{
    if (t.editing)
        t.cursor.endEditBlock();
    t.editing = false;
}

void ReportEngine::layTable(Target &t)
{
    if (t.pending.isEmpty())
        return;
    const int n = t.pending.first().row.columnCount();
    // Each part of a long table opens with the table's headings.
    QList<PendingRow> rows;
    if (!t.table && t.continued)
        rows = t.heading;
    rows += t.pending;
    t.continued = false;
    QTextCursor &cursor = t.cursor;
    // The tables are laid in one edit that stays open until the document is read: at the end
    // of every edit that adds a table the document scans all its text again for its frames,
    // which made a long report's tables cost in proportion to the report before them.
    if (!t.editing)
        cursor.beginEditBlock();
    t.editing = true;
    int first = 0;
    if (!t.table) {
        QTextTableFormat format;
        format.setBorder(0);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(2);
        format.setMargin(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        QList<QTextLength> widths;
        for (int w : std::as_const(t.widths))
            widths << QTextLength(QTextLength::PercentageLength, w);
        format.setColumnWidthConstraints(widths);
        int headingRows = 0;
        while (headingRows < rows.size() && rows.at(headingRows).heading)
            ++headingRows;
        format.setHeaderRowCount(headingRows);
        if (t.pageBreak)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        t.pageBreak = false;
        if (t.lineOpen)
            cursor.insertBlock();
        t.lineOpen = false;
        // The paragraph a table is anchored after takes no room between two tables.
        QTextBlockFormat anchor = cursor.blockFormat();
        anchor.setLineHeight(1, QTextBlockFormat::FixedHeight);
        cursor.setBlockFormat(anchor);
        t.table = cursor.insertTable(int(rows.size()), n, format);
    } else {
        first = t.table->rows();
        t.table->appendRows(int(rows.size()));
    }
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const PendingRow &pending = rows.at(i);
        const int r = first + int(i);
        for (int c = 0; c < n; ++c) {
            QTextTableCell cell = t.table->cellAt(r, c);
            QTextTableCellFormat format = cell.format().toTableCellFormat();
            setEdges(format, ruled(pending.masks[0], c), ruled(pending.masks[1], c),
                     ruled(pending.masks[2], c), ruled(pending.masks[3], c));
            cell.setFormat(format);
            QTextCursor text = cell.firstCursorPosition();
            QTextBlockFormat block;
            block.setAlignment(alignmentOf(pending.row.alignments.value(c)));
            text.setBlockFormat(block);
            if (pending.fontSize > 0) {
                QTextCharFormat size;
                size.setFontPointSize(pending.fontSize);
                text.setCharFormat(size);
            }
            writeCoded(text, pending.row.values.value(c), nullptr);
        }
    }
    cursor.movePosition(QTextCursor::End);
    t.pending.clear();
}

void ReportEngine::PrintText(const QString &text)
{
    write(
        current(), [this, text](Target &t) { writeText(t, text); }, false);
}

void ReportEngine::writeText(Target &t, const QString &text)
{
    endTable(t);
    const bool keepOpen = text.endsWith(u';');
    const QString body = keepOpen ? text.chopped(1) : text;
    startBlock(t);
    writeCoded(t.cursor, body, &t);
    if (keepOpen) {
        t.lineOpen = !t.cursor.block().text().isEmpty();
        return;
    }
    t.cursor.insertBlock(QTextBlockFormat());
    t.lineOpen = false;
}

void ReportEngine::SetFontName(const QString &family)
{
    dropLayout();
    m_fontFamily = family;
    QFont f = m_body->defaultFont();
    f.setFamily(family);
    m_body->setDefaultFont(f);
}

void ReportEngine::SetFontSize(double points)
{
    dropLayout();
    m_fontSize = points;
    QFont f = m_body->defaultFont();
    f.setPointSizeF(points);
    m_body->setDefaultFont(f);
}

void ReportEngine::SelectHF(bool on, int band, int)
{
    m_band = on ? band : Body;
}

void ReportEngine::InsertPgNo_TB(int, int, const QString &separator, int)
{
    write(
        current(),
        [this, separator](Target &t) {
            layTable(t);
            if (!t.table)
                return;
            QTextTableCell cell = t.table->cellAt(t.table->rows() - 1, t.table->columns() - 1);
            QTextCursor cursor = cell.lastCursorPosition();
            cursor.insertText(QStringLiteral("Page") + separator + u' ' + PageNumberMark);
        },
        false);
}

void ReportEngine::ShowReport()
{
    layTables();
    if (viewer())
        viewer()(*this);
}

void ReportEngine::appendDocument(const QTextDocument &document)
{
    dropLayout();
    write(
        m_bodyTarget,
        [this, fragment = QTextDocumentFragment(&document)](Target &t) { insertFragment(t, fragment, true); },
        true);
}

void ReportEngine::insertFragment(Target &t, const QTextDocumentFragment &fragment, bool afterPageBreak)
{
    endTable(t);
    if (afterPageBreak && !t.document->isEmpty())
        t.pageBreak = true;
    if (t.lineOpen)
        t.cursor.insertBlock();
    t.lineOpen = false;
    startBlock(t);
    t.cursor.insertFragment(fragment);
    t.cursor.movePosition(QTextCursor::End);
    t.cursor.insertBlock(QTextBlockFormat());
}

namespace
{

// A template file read as the engine reads one: its text and tables, without its images.
bool readTemplate(const QString &path, InertTextDocument &document)
{
    bool ok = false;
    const QString html = MasterFile::readTemplate(path, &ok);
    if (ok)
        document.setHtmlWithoutImages(html);
    return ok;
}

// The rich-text reader holds many times the text it reads: a long filled template is read in
// pieces of about this many characters of its body.
constexpr qsizetype PieceCharacters = 1 << 20;

// The rich text of a file as documents of a piece of its body each, cut only between two
// tables that follow one another in the body (the tables of a long grid), where a piece that
// goes on where the one before ended gives the same document as the whole.
QList<QString> piecesOf(const QString &html)
{
    const QLatin1StringView open("<table"), close("</table>");
    const qsizetype body = html.indexOf(QLatin1String("<body"));
    const qsizetype from = body < 0 ? -1 : html.indexOf(u'>', body) + 1;
    const qsizetype end = html.lastIndexOf(QLatin1String("</body>"));
    if (from <= 0 || end < from)
        return {html};
    const QString head = html.left(from);
    const QString tail = html.mid(end);
    QList<QString> pieces;
    qsizetype start = from, depth = 0;
    for (qsizetype at = html.indexOf(u'<', from); at >= 0 && at < end; at = html.indexOf(u'<', at + 1)) {
        if (QStringView(html).sliced(at).startsWith(open)) {
            ++depth;
        } else if (QStringView(html).sliced(at).startsWith(close) && --depth == 0) {
            const qsizetype after = at + close.size();
            qsizetype next = after;
            while (next < end && html.at(next).isSpace())
                ++next;
            if (after - start >= PieceCharacters && QStringView(html).sliced(next).startsWith(open)) {
                pieces << head + html.mid(start, after - start) + tail;
                start = after;
            }
        }
    }
    pieces << head + html.mid(start, end - start) + tail;
    return pieces;
}

} // namespace

// The engine's side of template mode, beside the master file it appends.
bool ReportEngine::AppendFile(const QString &path)
{
    bool ok = false;
    QList<QString> texts = piecesOf(MasterFile::readTemplate(path, &ok));
    if (!ok)
        return false;
    QList<QTextDocumentFragment> pieces;
    for (QString &text : texts) {
        InertTextDocument piece;
        piece.setHtmlWithoutImages(text);
        text.clear();
        // The first paragraph joins the report's open one; an empty one in front keeps the
        // file's first paragraph as it was formatted (a right-aligned UDIN line, say).
        if (pieces.isEmpty())
            QTextCursor(&piece).insertBlock();
        pieces << QTextDocumentFragment(&piece);
    }
    appendPieces(std::move(pieces));
    return true;
}

void ReportEngine::appendPieces(QList<QTextDocumentFragment> pieces)
{
    dropLayout();
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const bool last = i == pieces.size() - 1;
        write(
            m_bodyTarget,
            [this, fragment = std::move(pieces[i]), first = i == 0, last](Target &t) {
                if (first) {
                    endTable(t);
                    if (!t.document->isEmpty())
                        t.pageBreak = true;
                    if (t.lineOpen)
                        t.cursor.insertBlock();
                    t.lineOpen = false;
                    startBlock(t);
                }
                // Pieces composed together are one edit, as tables are.
                if (!t.editing)
                    t.cursor.beginEditBlock();
                t.editing = true;
                t.cursor.insertFragment(fragment);
                t.cursor.movePosition(QTextCursor::End);
                if (last)
                    t.cursor.insertBlock(QTextBlockFormat());
            },
            true);
    }
}

void ReportEngine::layoutFor(QPagedPaintDevice &device, bool wide)
{
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), wide ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(marginMm(), marginMm(), marginMm(), marginMm()), QPageLayout::Millimeter));
}

QString ReportEngine::plainText()
{
    QStringList texts;
    for (const RunSource &run : sections()) {
        composeAll(*run.target);
        texts << run.body->toPlainText();
    }
    return texts.join(u'\n');
}

QTextDocument &ReportEngine::body()
{
    dropLayout();
    layTables();
    composeAll(m_bodyTarget);
    return *m_body;
}

bool ReportEngine::InsertTblFromFile(const QString &path)
{
    InertTextDocument document;
    if (!readTemplate(path, document))
        return false;
    bool hasTable = false;
    for (QTextFrame *frame : document.rootFrame()->childFrames())
        hasTable = hasTable || qobject_cast<QTextTable *>(frame);
    if (!hasTable)
        return false;
    write(
        current(),
        [this, fragment = QTextDocumentFragment(&document)](Target &t) {
            insertFragment(t, fragment, false);
        },
        true);
    return true;
}

bool ReportEngine::saveBody(const QString &path, QString *error)
{
    OutputFile out(path);
    if (!out.open()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    out.device().write(body().toHtml().toUtf8());
    if (out.commit())
        return true;
    if (error)
        *error = out.errorString();
    return false;
}

ReportEngine::Geometry ReportEngine::paginate(QPagedPaintDevice &device, QTextDocument &body, bool wide)
{
    layoutFor(device, wide);
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    Geometry g;
    g.width = area.width();
    g.pageHeight = area.height();
    for (QTextDocument *d : {&body, m_header.get(), m_footer.get()})
        d->documentLayout()->setPaintDevice(&device);
    for (QTextDocument *d : {m_header.get(), m_footer.get()})
        d->setTextWidth(g.width);
    g.gap = device.logicalDpiX() / 12.0;
    g.headerHeight = m_header->isEmpty() ? 0 : m_header->size().height() + g.gap;
    g.footerHeight = m_footer->isEmpty() ? 0 : m_footer->size().height() + g.gap;
    g.bodyHeight = g.pageHeight - g.headerHeight - g.footerHeight;
    // The body is laid out once, for its final page size.
    body.setPageSize(QSizeF(g.width, g.bodyHeight));
    return g;
}

int ReportEngine::layoutDpi()
{
    return LayoutDpi;
}

qreal ReportEngine::marginMm()
{
    return 12;
}

void ReportEngine::dropLayout()
{
    if (m_runs.empty())
        return;
    for (const Run &run : m_runs) {
        if (run.started) {
            run.body->documentLayout()->setPaintDevice(nullptr);
            run.body->documentLayout()->removeEventFilter(m_probe.get());
        }
    }
    for (QTextDocument *d : {m_header.get(), m_footer.get()})
        d->documentLayout()->setPaintDevice(nullptr);
    m_runs.clear();
}

void ReportEngine::startLayout()
{
    if (!m_runs.empty())
        return;
    if (!m_probe)
        m_probe = std::make_unique<LayoutProbe>();
    for (const RunSource &source : sections()) {
        Run run;
        run.body = source.body;
        run.target = source.target;
        run.wide = source.wide;
        m_runs.push_back(run);
    }
}

bool ReportEngine::layOutStep()
{
    // Text positions laid out a step at a time: a few pages of a table of short cells.
    constexpr int StepCharacters = 4000;
    constexpr int ComposeAhead = 4 * StepCharacters;
    startLayout();
    for (Run &run : m_runs) {
        if (run.done)
            continue;
        QTextDocument &body = *run.body;
        if (!run.started) {
            body.documentLayout()->installEventFilter(m_probe.get());
            run.geometry = paginate(*m_probe, body, run.wide);
            run.started = true;
        }
        // The report is composed a little ahead of its layout, and further ahead the longer it
        // grows: each write that adds a table makes the document look over all its tables again.
        composeTo(*run.target, run.laidTo + std::max(ComposeAhead, body.characterCount() / 8));
        const int last = body.characterCount() - 1;
        const QTextBlock block = body.findBlock(std::min(run.laidTo + StepCharacters, last));
        // Asking where a block lies lays the document out as far as that block, and no further.
        const QRectF rect = body.documentLayout()->blockBoundingRect(block);
        run.laidTo = block.position() + block.length();
        if (run.laidTo > last) {
            run.done = true;
            run.pages = body.pageCount();
        } else {
            run.pages = std::max(run.pages, int(rect.top() / run.geometry.bodyHeight));
        }
        return true;
    }
    return false;
}

bool ReportEngine::layOutMore(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (layOutStep()) {
        if (clock.elapsed() >= milliseconds)
            return !laidOut();
    }
    return false;
}

void ReportEngine::layOutAll()
{
    while (layOutStep()) {
    }
}

bool ReportEngine::laidOut() const
{
    return !m_runs.empty() && m_runs.back().done;
}

double ReportEngine::laidOutShare() const
{
    // A run's writes still queued are reckoned at the length of those made so far.
    constexpr double UnknownWrite = 100;
    double all = 0, laid = 0;
    for (const Run &run : m_runs) {
        const double made = run.body->characterCount();
        const double perWrite = run.target->made > 0 ? made / double(run.target->made) : UnknownWrite;
        const double characters = made + perWrite * double(run.target->queued.size());
        all += characters;
        laid += run.done ? characters : std::min(double(run.laidTo), made);
    }
    return all > 0 ? laid / all : 1.0;
}

int ReportEngine::pagesLaidOut() const
{
    int pages = 0;
    for (const Run &run : m_runs) {
        pages += run.pages;
        if (!run.done)
            break;
    }
    return pages;
}

const ReportEngine::Run *ReportEngine::runOf(int page, int *inRun) const
{
    for (const Run &run : m_runs) {
        if (page < run.pages || !run.done) {
            *inRun = page;
            return &run;
        }
        page -= run.pages;
    }
    return nullptr;
}

bool ReportEngine::pageIsWide(int page) const
{
    int inRun = 0;
    const Run *run = runOf(page, &inRun);
    return run && run->wide;
}

int ReportEngine::pageCount()
{
    layOutAll();
    return pagesLaidOut();
}

void ReportEngine::drawPage(QPainter &painter, int page)
{
    int inRun = 0;
    if (const Run *run = runOf(page, &inRun))
        drawPage(painter, *run, inRun, page);
}

void ReportEngine::drawPage(QPainter &painter, const Run &run, int inRun, int number)
{
    const Geometry &g = run.geometry;
    auto drawBand = [&](QTextDocument &band, qreal top) {
        std::unique_ptr<QTextDocument> copy(band.clone());
        copy->documentLayout()->setPaintDevice(m_probe.get());
        copy->setTextWidth(g.width);
        for (QTextCursor mark = copy->find(PageNumberMark); !mark.isNull();
             mark = copy->find(PageNumberMark, mark))
            mark.insertText(QString::number(number + 1));
        painter.save();
        painter.translate(0, top);
        copy->drawContents(&painter);
        painter.restore();
    };
    if (!m_header->isEmpty())
        drawBand(*m_header, 0);
    painter.save();
    painter.translate(0, g.headerHeight - inRun * g.bodyHeight);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, inRun * g.bodyHeight, g.width, g.bodyHeight);
    painter.setClipRect(context.clip, Qt::IntersectClip);
    run.body->documentLayout()->draw(&painter, context);
    painter.restore();
    if (!m_footer->isEmpty())
        drawBand(*m_footer, g.pageHeight - g.footerHeight + g.gap);
}

bool ReportEngine::print(QPagedPaintDevice &device, PrintProgress *progress)
{
    startLayout();
    // A long report takes a while to lay out before its pages are counted: the progress
    // hears of it, and may stop it, as it goes.
    while (layOutMore(100)) {
        if (progress && !progress->layingOut(pagesLaidOut()))
            return false;
    }
    const int pages = pagesLaidOut();
    bool going = !progress || progress->pagesDone(0, pages);
    // The device takes each run's page before its first page is begun.
    layoutFor(device, m_runs.front().wide);
    QPainter painter(&device);
    int printed = 0;
    for (const Run &run : m_runs) {
        for (int page = 0; going && page < run.pages; ++page) {
            if (printed > 0) {
                layoutFor(device, run.wide);
                device.newPage();
            }
            painter.save();
            painter.scale(device.logicalDpiX() / qreal(LayoutDpi), device.logicalDpiY() / qreal(LayoutDpi));
            // A device that keeps one page for the whole print gets a wide page turned on
            // its side, as a printer prints it.
            if (run.wide && device.pageLayout().orientation() != QPageLayout::Landscape) {
                const qreal width = device.pageLayout().paintRectPixels(device.logicalDpiX()).width();
                painter.translate(width * LayoutDpi / device.logicalDpiX(), 0);
                painter.rotate(90);
            }
            drawPage(painter, run, page, printed);
            painter.restore();
            ++printed;
            going = !progress || progress->pagesDone(printed, pages);
        }
    }
    painter.end();
    return going;
}

bool ReportEngine::saveAsPdf(const QString &path, QString *error, PrintProgress *progress)
{
    OutputFile out(path);
    if (!out.open()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    bool finished = false;
    {
        QPdfWriter writer(&out.device());
        writer.setResolution(LayoutDpi);
        writer.setCreator(QStringLiteral("Talvex"));
        finished = print(writer, progress);
    }
    if (!finished) {
        // A report stopped half way is not left to be taken for the whole one.
        out.discard();
        if (error)
            *error = QStringLiteral("cancelled");
        return false;
    }
    if (out.commit(PdfFile::readsBack))
        return true;
    if (error)
        *error = out.errorString();
    return false;
}
