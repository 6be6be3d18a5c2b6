#include "ClauseGrid.h"

#include "GridDelegate.h"
#include "WidgetValues.h"
#include "base/Prompt.h"
#include "catalogue/CellFormat.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"

#include <QHeaderView>
#include <QKeyEvent>

ClauseGrid::ClauseGrid(const Catalogue::Control &control, ListSources &lists, QWidget *parent)
    : QTableWidget(0, int(control.columns.size()), parent), m_control(control)
{
    setObjectName(control.name);
    QStringList headings;
    for (const Catalogue::Column &c : control.columns)
        headings << c.heading;
    setHorizontalHeaderLabels(headings);
    QHeaderView *header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignCenter | static_cast<Qt::Alignment>(Qt::TextWordWrap));
    header->setMinimumSectionSize(50);
    header->setFixedHeight(64);
    header->setStretchLastSection(true);
    for (int c = 0; c < columnCount(); ++c) {
        setColumnWidth(c, CellFormat::widthOf(control.columns.at(c)));
        setColumnHidden(c, control.columns.at(c).hidden);
    }
    // Uniform row heights keep scrolling smooth through thousands of rows.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(24);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    setItemDelegate(new GridDelegate(this, lists));
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int, int column) { emit hintChanged(column >= 0 ? hintOf(column) : QString()); });
}

QSet<int> ClauseGrid::optionalColumns() const
{
    QSet<int> optional;
    for (int c = 0; c < m_control.columns.size(); ++c) {
        if (m_control.columns.at(c).optional)
            optional.insert(c);
    }
    return optional;
}

QString ClauseGrid::hintOf(int c) const
{
    if (c < 0 || c >= m_control.columns.size())
        return {};
    const Catalogue::Column &col = m_control.columns.at(c);
    const QString hint = col.hint.isEmpty() ? CellFormat::defaultHint(col.kind) : col.hint;
    return col.heading + QStringLiteral(": ") + hint;
}

void ClauseGrid::addRow()
{
    const int row = rowCount();
    insertRow(row);
    setCurrentCell(row, 0);
    setFocus(Qt::OtherFocusReason);
}

void ClauseGrid::removeCurrentRow()
{
    const int row = currentRow();
    if (row < 0 || row >= rowCount())
        return;
    removeRow(row);
    emit edited(row, -1);
}

void ClauseGrid::resetTo(const QString &marker)
{
    setRowCount(0);
    setRowCount(1);
    for (int c = 0; c < columnCount(); ++c)
        WidgetValues::setCellText(this, 0, c, marker);
}

bool ClauseGrid::holdsData() const
{
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (!CellFormat::isBlankValue(WidgetValues::cellText(this, r, c)))
                return true;
        }
    }
    return false;
}

void ClauseGrid::blankMarkerRow()
{
    if (rowCount() == 1 && Vocabulary::isMarker(WidgetValues::cellText(this, 0, 0))) {
        setRowCount(0);
        setRowCount(1);
    }
}

void ClauseGrid::setRows(const QList<QStringList> &rows)
{
    setUpdatesEnabled(false);
    setRowCount(0);
    // An empty clause still offers one row to type into; an empty row is never stored.
    setRowCount(std::max<int>(1, int(rows.size())));
    const int columns = columnCount();
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList &cells = rows.at(r);
        for (int c = 0; c < columns && c < cells.size(); ++c) {
            if (!cells.at(c).isEmpty())
                setItem(r, c, new QTableWidgetItem(cells.at(c)));
        }
    }
    setUpdatesEnabled(true);
}

void ClauseGrid::cellEdited(int row, int column)
{
    checkRatio(row, column);
    checkIdentity(row, column);
    emit edited(row, column);
}

void ClauseGrid::checkRatio(int row, int column)
{
    if (!m_control.columns.at(column).ratio)
        return;
    double sum = 0;
    for (int r = 0; r < rowCount(); ++r)
        sum += CellFormat::number(WidgetValues::cellText(this, r, column));
    if (sum > 100.0 + 1e-9) {
        prompts().message(QStringLiteral("sum of profit of sharing can not be greater then 100"),
                          QStringLiteral("Form 3CD"), PromptIcon::Information);
        WidgetValues::setCellText(this, row, column, QString());
    }
}

void ClauseGrid::checkIdentity(int row, int column)
{
    const QString check = m_control.columns.at(column).check;
    const QString value = WidgetValues::cellText(this, row, column).trimmed();
    if (check.isEmpty() || value.isEmpty() || Vocabulary::isMarker(value))
        return;
    if (check == QLatin1String("pan") && !host().ValidPan(value))
        prompts().inform(QStringLiteral("Not a Valid PAN [") + value + QStringLiteral("]"));
    else if (check == QLatin1String("aadhaar") && !host().ValidAadhaar(value))
        prompts().inform(QStringLiteral("Not a Valid Aadhaar [") + value + QStringLiteral("]"));
}

void ClauseGrid::moveNext()
{
    if (rowCount() == 0)
        return;
    int row = std::max(0, currentRow());
    int column = currentColumn() + 1;
    while (column < columnCount() && isColumnHidden(column))
        ++column;
    if (column >= columnCount()) {
        column = 0;
        if (row + 1 < rowCount())
            ++row;
    }
    setCurrentCell(row, column);
}

void ClauseGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        moveNext();
        return;
    }
    // Rows are added and removed from the keyboard as with the Add Row and Remove Row buttons.
    if (event->key() == Qt::Key_Insert && isEnabled()) {
        addRow();
        return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
        removeCurrentRow();
        return;
    }
    if (event->key() == Qt::Key_Delete && currentRow() >= 0 && currentColumn() >= 0) {
        WidgetValues::setCellText(this, currentRow(), currentColumn(), QString());
        cellEdited(currentRow(), currentColumn());
        return;
    }
    if (event->key() == Qt::Key_Space && currentColumn() >= 0 &&
        column(currentColumn()).kind == Catalogue::Kind::Tick && state() != EditingState) {
        const int r = currentRow();
        const int c = currentColumn();
        const bool ticked = Vocabulary::isTicked(WidgetValues::cellText(this, r, c));
        WidgetValues::setCellText(this, r, c, ticked ? QString() : QStringLiteral("True"));
        cellEdited(r, c);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ClauseGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableWidget::closeEditor(editor, hint);
    // Enter in an editor commits the cell; it then moves on as Enter does outside one.
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        moveNext();
}

void ClauseGrid::focusInEvent(QFocusEvent *event)
{
    QTableWidget::focusInEvent(event);
    if (rowCount() > 0 && currentRow() < 0)
        setCurrentCell(0, 0);
    emit hintChanged(hintOf(currentColumn()));
}
