#include "PreviewPages.h"

#include "print/ReportEngine.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace
{

// Room around the pages, in pixels.
constexpr int Gap = 12;
// A page is never drawn wider than this, so that a wide window does not need a page taller
// than it can show.
constexpr int WidestPage = 1000;
// The pages kept drawn: those in sight and a few around them.
constexpr int KeptImages = 12;

constexpr qreal A4Short = 210, A4Long = 297;

} // namespace

PreviewPages::PreviewPages(ReportEngine &engine, QWidget *parent)
    : QAbstractScrollArea(parent), m_engine(engine), m_images(KeptImages)
{
    setObjectName(QStringLiteral("pvwPages"));
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(40);
}

int PreviewPages::pageWidth() const
{
    return std::max(100, std::min(WidestPage, viewport()->width() - 2 * Gap));
}

int PreviewPages::pageHeight(int page) const
{
    const qreal ratio = m_engine.pageIsWide(page) ? A4Short / A4Long : A4Long / A4Short;
    return qRound(pageWidth() * ratio);
}

void PreviewPages::placePages()
{
    int top = Gap;
    for (int page = 0; page < m_tops.size(); ++page) {
        m_tops[page] = top;
        top += pageHeight(page) + Gap;
    }
    m_height = top;
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, m_height - viewport()->height()));
}

void PreviewPages::setPageCount(int pages)
{
    if (pages == m_tops.size())
        return;
    const int from = int(m_tops.size());
    m_tops.resize(pages);
    int top = from == 0 ? Gap : m_tops[from - 1] + pageHeight(from - 1) + Gap;
    for (int page = from; page < pages; ++page) {
        m_tops[page] = top;
        top += pageHeight(page) + Gap;
    }
    m_height = top;
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, m_height - viewport()->height()));
    viewport()->update();
}

int PreviewPages::currentPage() const
{
    const int y = verticalScrollBar()->value();
    const auto below = std::upper_bound(m_tops.cbegin(), m_tops.cend(), y + viewport()->height() / 3);
    return std::max(0, int(below - m_tops.cbegin()) - 1);
}

const QImage &PreviewPages::image(int page)
{
    if (const QImage *kept = m_images.object(page))
        return *kept;
    const bool wide = m_engine.pageIsWide(page);
    auto *drawn = new QImage(pageWidth(), pageHeight(page), QImage::Format_RGB32);
    drawn->fill(Qt::white);
    QPainter painter(drawn);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    const qreal dotsPerMm = ReportEngine::layoutDpi() / 25.4;
    const qreal scale = drawn->width() / ((wide ? A4Long : A4Short) * dotsPerMm);
    painter.scale(scale, scale);
    const qreal margin = ReportEngine::marginMm() * dotsPerMm;
    painter.translate(margin, margin);
    m_engine.drawPage(painter, page);
    painter.end();
    m_images.insert(page, drawn);
    return *m_images.object(page);
}

void PreviewPages::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const int y = verticalScrollBar()->value();
    const int left = (viewport()->width() - pageWidth()) / 2;
    const QRect shown = event->rect().translated(0, y);
    auto page = std::upper_bound(m_tops.cbegin(), m_tops.cend(), shown.top());
    int at = std::max(0, int(page - m_tops.cbegin()) - 1);
    for (; at < m_tops.size() && m_tops[at] < shown.bottom(); ++at) {
        const QRect area(left, m_tops[at] - y, pageWidth(), pageHeight(at));
        painter.fillRect(area.translated(3, 3), palette().shadow());
        painter.drawImage(area.topLeft(), image(at));
    }
}

void PreviewPages::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    m_images.clear();
    placePages();
}

void PreviewPages::scrollContentsBy(int, int)
{
    viewport()->update();
}
