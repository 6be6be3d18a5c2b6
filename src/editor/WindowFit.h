#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>

class QWidget;

// Opening a window so that all of it is on the screen it is on: a laptop's 1366x768 as
// well as a large monitor. The remembered size is kept where it fits and shrunk where not.
namespace WindowFit
{

// The frame rectangle a window of `wanted` gets inside `available` (a screen's free area):
// no larger than it, moved inside it.
QRect fitted(const QRect &wanted, const QRect &available);

// Restores `geometry` when there is one and fits it to the free area of the window's
// screen; without one the window takes that free area. `preferred` is the size where no
// screen is known.
void open(QWidget *window, const QSize &preferred, const QByteArray &geometry);

} // namespace WindowFit
