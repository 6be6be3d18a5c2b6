#include "ReportEngine.h"

#include "ControlCodes.h"
#include "InertTextDocument.h"
#include "MasterFile.h"
#include "PdfFile.h"
#include "PrintProgress.h"
#include "base/OutputFile.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextTable>

namespace
{

// Stands for the page number in the bands until a page is drawn.
const QChar PageNumberMark(0xE000);

// The rows of one table of the document; a longer table is laid as several.
constexpr qsizetype RowsPerTable = 100;

// A report is laid out for a page of this resolution whatever it is drawn on: type is set a
// little differently at each resolution, and the preview, the printer and the PDF have to
// break the pages at the same places.
constexpr int LayoutDpi = 300;

// A paint device of that resolution that is only measured, never drawn on.
class LayoutProbe : public QPdfWriter
{
public:
    LayoutProbe() : QPdfWriter(QStringLiteral("/dev/null")) { setResolution(LayoutDpi); }
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
    layTable(m_bodyTarget);
    if (!m_body->isEmpty()) {
        m_sections.push_back({std::move(m_body), m_wide});
        m_body = newDocument();
        resetTarget(m_bodyTarget, m_body.get());
    }
    m_wide = wide;
}

QList<QPair<QTextDocument *, bool>> ReportEngine::sections()
{
    layTables();
    QList<QPair<QTextDocument *, bool>> all;
    for (const Section &section : m_sections)
        all.append({section.body.get(), section.wide});
    // A run left empty after the last wide table has no page of its own.
    if (all.isEmpty() || !m_body->isEmpty())
        all.append({m_body.get(), m_wide});
    return all;
}

void ReportEngine::resetTarget(Target &target, QTextDocument *document)
{
    target = Target();
    target.document = document;
    target.cursor = QTextCursor(document);
}

ReportEngine::Target &ReportEngine::current()
{
    if (m_band == Header)
        return m_headerTarget;
    if (m_band == Footer)
        return m_footerTarget;
    return m_bodyTarget;
}

void ReportEngine::CreateTable(int columns, int)
{
    Target &t = current();
    layTable(t);
    t.table = nullptr;
    t.columns = columns;
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
    Target &t = current();
    const int n = row.columnCount();
    if (!tableRow) {
        layTable(t);
        t.table = nullptr;
        startBlock(t);
        QTextBlockFormat format = t.cursor.blockFormat();
        format.setAlignment(alignmentOf(row.alignments.value(0)));
        t.cursor.setBlockFormat(format);
        writeCoded(t.cursor, row.values.join(QLatin1Char(' ')), &t);
        t.cursor.insertBlock(QTextBlockFormat());
        t.lineOpen = false;
        return;
    }
    // A row of another width than the table's starts a table of its own.
    const int columns =
        t.pending.isEmpty() ? (t.table ? t.columns : -1) : t.pending.first().row.columnCount();
    if (columns != n || t.columns != n) {
        layTable(t);
        t.table = nullptr;
        t.columns = n;
        t.widths = row.widths;
    }
    t.pending.append({row, {mask1, mask2, mask3, mask4}, m_cellFontSize});
    // A long table goes on as a run of tables of the same columns, which look as one: the
    // layout lays out a table as a whole each time it reaches it, so that one table of
    // thousands of rows would be laid out again and again while the report is paged.
    if (t.pending.size() == RowsPerTable) {
        layTable(t);
        t.table = nullptr;
    }
}

void ReportEngine::layTables()
{
    for (Target *t : {&m_bodyTarget, &m_headerTarget, &m_footerTarget})
        layTable(*t);
}

void ReportEngine::layTable(Target &t)
{
    if (t.pending.isEmpty())
        return;
    const int n = t.pending.first().row.columnCount();
    QTextCursor &cursor = t.cursor;
    // The whole table is one edit: the document settles its frames and the table its grid
    // once, instead of after every cell of a table that grows row by row.
    cursor.beginEditBlock();
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
        t.table = cursor.insertTable(int(t.pending.size()), n, format);
    } else {
        first = t.table->rows();
        t.table->appendRows(int(t.pending.size()));
    }
    for (qsizetype i = 0; i < t.pending.size(); ++i) {
        const PendingRow &pending = t.pending.at(i);
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
    cursor.endEditBlock();
    cursor.movePosition(QTextCursor::End);
    t.pending.clear();
}

void ReportEngine::PrintText(const QString &text)
{
    Target &t = current();
    layTable(t);
    t.table = nullptr;
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
    m_fontFamily = family;
    QFont f = m_body->defaultFont();
    f.setFamily(family);
    m_body->setDefaultFont(f);
}

void ReportEngine::SetFontSize(double points)
{
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
    Target &t = current();
    layTable(t);
    if (!t.table)
        return;
    QTextTableCell cell = t.table->cellAt(t.table->rows() - 1, t.table->columns() - 1);
    QTextCursor cursor = cell.lastCursorPosition();
    cursor.insertText(QStringLiteral("Page") + separator + u' ' + PageNumberMark);
}

void ReportEngine::ShowReport()
{
    layTables();
    if (viewer())
        viewer()(*this);
}

void ReportEngine::appendDocument(const QTextDocument &document)
{
    Target &t = m_bodyTarget;
    layTable(t);
    t.table = nullptr;
    if (!m_body->isEmpty()) {
        t.pageBreak = true;
        if (t.lineOpen)
            t.cursor.insertBlock();
    }
    t.lineOpen = false;
    startBlock(t);
    t.cursor.insertFragment(QTextDocumentFragment(&document));
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

} // namespace

// The engine's side of template mode, beside the master file it appends.
bool ReportEngine::AppendFile(const QString &path)
{
    InertTextDocument document;
    if (!readTemplate(path, document))
        return false;
    // The first paragraph joins the report's open one; an empty one in front keeps the
    // file's first paragraph as it was formatted (a right-aligned UDIN line, say).
    QTextCursor(&document).insertBlock();
    appendDocument(document);
    return true;
}

void ReportEngine::layoutFor(QPagedPaintDevice &device, bool wide)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     wide ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
}

QString ReportEngine::plainText()
{
    QStringList texts;
    for (const auto &[body, wide] : sections())
        texts << body->toPlainText();
    return texts.join(u'\n');
}

QTextDocument &ReportEngine::body()
{
    layTables();
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
    Target &t = current();
    layTable(t);
    t.table = nullptr;
    if (t.lineOpen)
        t.cursor.insertBlock();
    t.lineOpen = false;
    startBlock(t);
    t.cursor.insertFragment(QTextDocumentFragment(&document));
    t.cursor.movePosition(QTextCursor::End);
    t.cursor.insertBlock(QTextBlockFormat());
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

void ReportEngine::release(QTextDocument &body)
{
    for (QTextDocument *d : {&body, m_header.get(), m_footer.get()})
        d->documentLayout()->setPaintDevice(nullptr);
}

int ReportEngine::pageCount()
{
    LayoutProbe probe;
    int pages = 0;
    for (const auto &[body, wide] : sections()) {
        paginate(probe, *body, wide);
        pages += body->pageCount();
        release(*body);
    }
    return pages;
}

bool ReportEngine::print(QPagedPaintDevice &device, PrintProgress *progress)
{
    const QList<QPair<QTextDocument *, bool>> runs = sections();
    const int pages = pageCount();
    bool going = !progress || progress->pagesDone(0, pages);
    // The device takes each run's page before its first page is begun.
    layoutFor(device, runs.first().second);
    QPainter painter(&device);
    LayoutProbe probe;
    int printed = 0;
    for (const auto &[body, wide] : runs) {
        if (!going)
            break;
        const Geometry g = paginate(probe, *body, wide);
        const int runPages = body->pageCount();
        auto drawBand = [&](QTextDocument &band, int page, qreal top) {
            std::unique_ptr<QTextDocument> copy(band.clone());
            copy->documentLayout()->setPaintDevice(&probe);
            copy->setTextWidth(g.width);
            for (QTextCursor mark = copy->find(PageNumberMark); !mark.isNull();
                 mark = copy->find(PageNumberMark, mark))
                mark.insertText(QString::number(page + 1));
            painter.save();
            painter.translate(0, top);
            copy->drawContents(&painter);
            painter.restore();
        };
        for (int page = 0; going && page < runPages; ++page) {
            if (printed > 0) {
                layoutFor(device, wide);
                device.newPage();
            }
            painter.save();
            painter.scale(device.logicalDpiX() / qreal(LayoutDpi), device.logicalDpiY() / qreal(LayoutDpi));
            // A device that keeps one page for the whole print (the preview) gets a wide page
            // turned on its side, as a printer prints it.
            if (wide && device.pageLayout().orientation() != QPageLayout::Landscape) {
                const qreal width = device.pageLayout().paintRectPixels(device.logicalDpiX()).width();
                painter.translate(width * LayoutDpi / device.logicalDpiX(), 0);
                painter.rotate(90);
            }
            if (!m_header->isEmpty())
                drawBand(*m_header, printed, 0);
            painter.save();
            painter.translate(0, g.headerHeight - page * g.bodyHeight);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(0, page * g.bodyHeight, g.width, g.bodyHeight);
            painter.setClipRect(context.clip);
            body->documentLayout()->draw(&painter, context);
            painter.restore();
            if (!m_footer->isEmpty())
                drawBand(*m_footer, printed, g.pageHeight - g.footerHeight + g.gap);
            painter.restore();
            ++printed;
            going = !progress || progress->pagesDone(printed, pages);
        }
        release(*body);
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
