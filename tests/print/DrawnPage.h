#pragma once

#include "print/ReportEngine.h"

#include <QImage>
#include <QPainter>

// A report page drawn at half size, for comparing two ways of building the same report.
inline QImage drawnPage(ReportEngine &engine, int page)
{
    QImage image(QSize(1050, 1485), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(0.5, 0.5);
    engine.drawPage(painter, page);
    return image;
}
