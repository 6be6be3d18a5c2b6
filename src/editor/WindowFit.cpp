#include "WindowFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowFit
{

QRect fitted(const QRect &wanted, const QRect &available)
{
    QRect rect(wanted.topLeft(), wanted.size().boundedTo(available.size()));
    if (rect.right() > available.right())
        rect.moveRight(available.right());
    if (rect.bottom() > available.bottom())
        rect.moveBottom(available.bottom());
    if (rect.left() < available.left())
        rect.moveLeft(available.left());
    if (rect.top() < available.top())
        rect.moveTop(available.top());
    return rect;
}

void open(QWidget *window, const QSize &preferred, const QByteArray &geometry)
{
    window->resize(preferred);
    if (!geometry.isEmpty())
        window->restoreGeometry(geometry);
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The title bar and borders lie outside the widget's own geometry.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize border = frame.isValid() && !frame.isEmpty() ? frame : QSize(16, 40);
    const QRect available = screen->availableGeometry();
    const QRect inner(available.topLeft(), available.size() - border);
    // Opened for the first time, the window takes the screen's free area: the report's wide
    // grids show as many columns as the screen holds, on a laptop as on a large monitor.
    const QRect place = geometry.isEmpty() ? inner : fitted(QRect(window->pos(), window->size()), inner);
    window->resize(place.size());
    window->move(place.topLeft());
}

} // namespace WindowFit
