#pragma once

#include <QAbstractScrollArea>
#include <QCache>
#include <QImage>

class ReportEngine;

// The pages of a report one below the other, each as wide as the window, drawn only when
// they come into sight: a report of thousands of pages scrolls as one of a few.
class PreviewPages : public QAbstractScrollArea
{
public:
    explicit PreviewPages(ReportEngine &engine, QWidget *parent = nullptr);

    // The pages laid out so far have grown to `pages`.
    void setPageCount(int pages);
    int pageCount() const { return int(m_tops.size()); }
    // The page at the top of the window (from 0).
    int currentPage() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int pageWidth() const;
    int pageHeight(int page) const;
    void placePages();
    const QImage &image(int page);

    ReportEngine &m_engine;
    // The top of each page in the strip, and the strip's height.
    QList<int> m_tops;
    int m_height = 0;
    QCache<int, QImage> m_images;
};
