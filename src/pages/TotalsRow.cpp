#include "TotalsRow.h"

#include "ClauseGrid.h"
#include "catalogue/CellFormat.h"
#include "model/amounts/Amounts.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

TotalsRow::TotalsRow(ClauseGrid *grid, QWidget *parent)
    : QWidget(parent), m_grid(grid), m_summed(summedColumns(*grid))
{
    setObjectName(grid->objectName() + QStringLiteral("Totals"));
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setBackgroundRole(QPalette::AlternateBase);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    QAbstractItemModel *model = grid->model();
    connect(model, &QAbstractItemModel::modelReset, this, &TotalsRow::recount);
    connect(model, &QAbstractItemModel::dataChanged, this, &TotalsRow::recount);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TotalsRow::recount);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TotalsRow::recount);
    // The sums move with the columns as they are scrolled and resized.
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(grid->verticalHeader(), &QHeaderView::geometriesChanged, this, qOverload<>(&QWidget::update));
    recount();
}

QSize TotalsRow::sizeHint() const
{
    return {m_grid->sizeHint().width(), m_grid->verticalHeader()->defaultSectionSize()};
}

QList<int> TotalsRow::summedColumns(const ClauseGrid &grid)
{
    QList<int> summed;
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (grid.column(c).kind == Catalogue::Kind::Amount && !grid.column(c).hidden)
            summed << c;
    }
    return summed;
}

void TotalsRow::recount()
{
    m_texts = QStringList(m_grid->columnCount());
    for (int c : std::as_const(m_summed)) {
        double sum = 0;
        for (int r = 0; r < m_grid->rowCount(); ++r)
            sum += CellFormat::number(m_grid->cellText(r, c));
        m_texts[c] = Amounts::format2(sum);
    }
    update();
}

void TotalsRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QHeaderView *header = m_grid->horizontalHeader();
    // The grid's columns start after its frame and its row numbers.
    const int left = m_grid->frameWidth() +
                     (m_grid->verticalHeader()->isVisible() ? m_grid->verticalHeader()->width() : 0);
    // The caption goes in the first visible column when that one is not added up.
    int first = 0;
    while (first < m_grid->columnCount() && m_grid->isColumnHidden(first))
        ++first;
    const bool captionInColumn = first < m_grid->columnCount() && !m_summed.contains(first);
    painter.setPen(palette().color(QPalette::Text));
    painter.setClipRect(left, 0, m_grid->viewport()->width(), height());
    for (int c = 0; c < m_grid->columnCount(); ++c) {
        if (m_grid->isColumnHidden(c))
            continue;
        const QRect cell(left + header->sectionViewportPosition(c) + 4, 0, header->sectionSize(c) - 8,
                         height());
        if (c == first && captionInColumn)
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, tr("Total"));
        else if (!m_texts.value(c).isEmpty())
            painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, m_texts.at(c));
    }
    if (!captionInColumn) {
        painter.setClipping(false);
        painter.drawText(QRect(0, 0, left, height()), Qt::AlignCenter, tr("Total"));
    }
}
