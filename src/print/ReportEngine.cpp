#include "ReportEngine.h"

#include "ControlCodes.h"
#include "InertTextDocument.h"
#include "PdfFile.h"
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

void ReportEngine::NewReport()
{
    m_body = std::make_unique<InertTextDocument>();
    m_header = std::make_unique<InertTextDocument>();
    m_footer = std::make_unique<InertTextDocument>();
    for (QTextDocument *d : {m_body.get(), m_header.get(), m_footer.get()}) {
        QFont f(m_fontFamily);
        f.setPointSizeF(m_fontSize);
        // A spacing other than zero turns off the "fi" and "fl" ligatures, so that the text
        // copied or searched in the PDF reads as it was written.
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
        d->setDefaultFont(f);
        d->setDocumentMargin(0);
    }
    resetTarget(m_bodyTarget, m_body.get());
    resetTarget(m_headerTarget, m_header.get());
    resetTarget(m_footerTarget, m_footer.get());
    m_band = Body;
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
    if (!t.table || t.columns != n || t.table->columns() != n) {
        QTextTableFormat format;
        format.setBorder(0);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(2);
        format.setMargin(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        QList<QTextLength> widths;
        for (int w : row.widths)
            widths << QTextLength(QTextLength::PercentageLength, w);
        format.setColumnWidthConstraints(widths);
        if (t.pageBreak)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        t.pageBreak = false;
        if (t.lineOpen)
            t.cursor.insertBlock();
        t.lineOpen = false;
        // The paragraph a table is anchored after takes no room between two tables.
        QTextBlockFormat anchor = t.cursor.blockFormat();
        anchor.setLineHeight(1, QTextBlockFormat::FixedHeight);
        t.cursor.setBlockFormat(anchor);
        t.table = t.cursor.insertTable(1, n, format);
        t.columns = n;
    } else {
        t.table->appendRows(1);
    }
    const int r = t.table->rows() - 1;
    for (int c = 0; c < n; ++c) {
        QTextTableCell cell = t.table->cellAt(r, c);
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        setEdges(format, ruled(mask1, c), ruled(mask2, c), ruled(mask3, c), ruled(mask4, c));
        cell.setFormat(format);
        QTextCursor cursor = cell.firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(alignmentOf(row.alignments.value(c)));
        cursor.setBlockFormat(block);
        if (m_cellFontSize > 0) {
            QTextCharFormat size;
            size.setFontPointSize(m_cellFontSize);
            cursor.setCharFormat(size);
        }
        writeCoded(cursor, row.values.value(c), nullptr);
    }
    t.cursor.movePosition(QTextCursor::End);
}

void ReportEngine::PrintText(const QString &text)
{
    Target &t = current();
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
    if (!t.table)
        return;
    QTextTableCell cell = t.table->cellAt(t.table->rows() - 1, t.table->columns() - 1);
    QTextCursor cursor = cell.lastCursorPosition();
    cursor.insertText(QStringLiteral("Page") + separator + u' ' + PageNumberMark);
}

void ReportEngine::ShowReport()
{
    if (viewer())
        viewer()(*this);
}

void ReportEngine::appendDocument(const QTextDocument &document)
{
    Target &t = m_bodyTarget;
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

void ReportEngine::layoutFor(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     m_wide ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
}

int ReportEngine::pageCount()
{
    QPdfWriter probe(QStringLiteral("/dev/null"));
    probe.setResolution(300);
    layoutFor(probe);
    const QRect area = probe.pageLayout().paintRectPixels(probe.resolution());
    m_body->documentLayout()->setPaintDevice(&probe);
    m_body->setPageSize(QSizeF(area.width(), area.height()));
    const int pages = m_body->pageCount();
    m_body->documentLayout()->setPaintDevice(nullptr);
    return pages;
}

void ReportEngine::print(QPagedPaintDevice &device)
{
    layoutFor(device);
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const qreal width = area.width();
    for (QTextDocument *d : {m_body.get(), m_header.get(), m_footer.get()}) {
        d->documentLayout()->setPaintDevice(&device);
        d->setTextWidth(width);
    }
    const qreal gap = device.logicalDpiX() / 12.0;
    const qreal headerHeight = m_header->isEmpty() ? 0 : m_header->size().height() + gap;
    const qreal footerHeight = m_footer->isEmpty() ? 0 : m_footer->size().height() + gap;
    const qreal bodyHeight = area.height() - headerHeight - footerHeight;
    m_body->setPageSize(QSizeF(width, bodyHeight));
    const int pages = m_body->pageCount();

    QPainter painter(&device);
    auto drawBand = [&](QTextDocument &band, int page, qreal top) {
        std::unique_ptr<QTextDocument> copy(band.clone());
        copy->documentLayout()->setPaintDevice(&device);
        copy->setTextWidth(width);
        for (QTextCursor mark = copy->find(PageNumberMark); !mark.isNull();
             mark = copy->find(PageNumberMark, mark))
            mark.insertText(QString::number(page + 1));
        painter.save();
        painter.translate(0, top);
        copy->drawContents(&painter);
        painter.restore();
    };
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        if (!m_header->isEmpty())
            drawBand(*m_header, page, 0);
        painter.save();
        painter.translate(0, headerHeight - page * bodyHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * bodyHeight, width, bodyHeight);
        painter.setClipRect(context.clip);
        m_body->documentLayout()->draw(&painter, context);
        painter.restore();
        if (!m_footer->isEmpty())
            drawBand(*m_footer, page, area.height() - footerHeight + gap);
    }
    painter.end();
    for (QTextDocument *d : {m_body.get(), m_header.get(), m_footer.get()})
        d->documentLayout()->setPaintDevice(nullptr);
}

bool ReportEngine::saveAsPdf(const QString &path, QString *error)
{
    OutputFile out(path);
    if (out.open()) {
        QPdfWriter writer(&out.device());
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Talvex"));
        print(writer);
    }
    if (out.commit(PdfFile::readsBack))
        return true;
    if (error)
        *error = out.errorString();
    return false;
}
