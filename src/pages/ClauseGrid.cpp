#include "ClauseGrid.h"

#include "CellOrder.h"
#include "CompletenessPrompts.h"
#include "GridDelegate.h"
#include "base/Prompt.h"
#include "catalogue/CellFormat.h"
#include "catalogue/Vocabulary.h"
#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "model/rules/CellChecks.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

ClauseGrid::ClauseGrid(const Catalogue::Control &control, ListSources &lists, ReportModel &report, int page,
                       QWidget *parent)
    : QTableView(parent), m_control(control), m_label(control.label), m_lists(lists),
      m_model(new ClauseGridModel(report, page, control.point, control.columns, this))
{
    build();
}

ClauseGrid::ClauseGrid(const Catalogue::Control &control, ListSources &lists, QWidget *parent)
    : QTableView(parent), m_control(control), m_label(control.label), m_lists(lists),
      m_ownReport(std::make_unique<ReportModel>(ReportKey::current())),
      m_model(new ClauseGridModel(*m_ownReport, 0, control.name, control.columns, this))
{
    build();
}

ClauseGrid::~ClauseGrid() = default;

void ClauseGrid::build()
{
    setObjectName(m_control.name);
    setModel(m_model);
    QHeaderView *header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignCenter | static_cast<Qt::Alignment>(Qt::TextWordWrap));
    header->setMinimumSectionSize(50);
    header->setStretchLastSection(true);
    for (int c = 0; c < columnCount(); ++c) {
        setColumnWidth(c, CellFormat::widthOf(m_control.columns.at(c)));
        setColumnHidden(c, m_control.columns.at(c).hidden);
    }
    fitHeadings();
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
    setItemDelegate(new GridDelegate(this, m_lists));
}

int ClauseGrid::headingHeight(int column) const
{
    // The header draws its text inside the section's margins.
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 4;
    const QRect bounds = horizontalHeader()->fontMetrics().boundingRect(
        QRect(0, 0, columnWidth(column) - margin, 10000), Qt::AlignCenter | Qt::TextWordWrap,
        m_control.columns.at(column).heading);
    return bounds.height() + margin;
}

bool ClauseGrid::headingFits(int c) const
{
    return headingHeight(c) <= horizontalHeader()->height();
}

void ClauseGrid::fitHeadings()
{
    // A heading is read in full: a column whose heading would need more than seven lines is
    // widened, and the header is as tall as its tallest heading.
    const int lines = horizontalHeader()->fontMetrics().lineSpacing();
    int height = 2 * lines;
    for (int c = 0; c < columnCount(); ++c) {
        if (isColumnHidden(c))
            continue;
        while (headingHeight(c) > 7 * lines + 12)
            setColumnWidth(c, columnWidth(c) + 20);
        height = std::max(height, headingHeight(c));
    }
    horizontalHeader()->setFixedHeight(height);
}

int ClauseGrid::rowCount() const
{
    return m_model->rowCount();
}

int ClauseGrid::columnCount() const
{
    return m_model->columnCount();
}

void ClauseGrid::setRowCount(int rows)
{
    const int now = rowCount();
    if (rows > now)
        m_model->insertRows(now, rows - now);
    else if (rows < now)
        m_model->removeRows(rows, now - rows);
}

int ClauseGrid::currentRow() const
{
    return currentIndex().row();
}

int ClauseGrid::currentColumn() const
{
    return currentIndex().column();
}

void ClauseGrid::setCurrentCell(int row, int column)
{
    setCurrentIndex(m_model->index(row, column));
}

QString ClauseGrid::cellText(int row, int column) const
{
    return m_model->cell(row, column);
}

void ClauseGrid::setCellText(int row, int column, const QString &value)
{
    m_model->setCell(row, column, value);
}

void ClauseGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    emit hintChanged(current.isValid() ? hintOf(current.column()) : QString());
    emit currentCellChanged(current.row(), current.column(), previous.row(), previous.column());
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
    if (col.computed)
        return col.heading + QStringLiteral(": computed from the other columns, not typed");
    const QString hint = col.hint.isEmpty() ? CellFormat::defaultHint(col.kind) : col.hint;
    return col.heading + QStringLiteral(": ") + hint;
}

void ClauseGrid::addRow()
{
    const int row = rowCount();
    m_model->insertRows(row, 1);
    setCurrentCell(row, 0);
    setFocus(Qt::OtherFocusReason);
}

void ClauseGrid::removeCurrentRow()
{
    const int row = currentRow();
    if (row < 0 || row >= rowCount())
        return;
    m_model->removeRows(row, 1);
    emit edited(row, -1);
}

void ClauseGrid::resetTo(const QString &marker)
{
    m_model->setAllRows({QStringList(columnCount(), marker)});
}

bool ClauseGrid::holdsData() const
{
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (!CellFormat::isBlankValue(cellText(r, c)))
                return true;
        }
    }
    return false;
}

void ClauseGrid::blankMarkerRow()
{
    if (rowCount() == 1 && Vocabulary::isMarker(cellText(0, 0)))
        m_model->setAllRows({QStringList()});
}

void ClauseGrid::setRows(const QList<QStringList> &rows)
{
    // An empty clause still offers one row to type into; an empty row is never stored.
    m_model->setAllRows(rows.isEmpty() ? QList<QStringList>{QStringList()} : rows);
}

void ClauseGrid::showReportRows()
{
    if (rowCount() == 0)
        setRows({});
}

void ClauseGrid::cellEdited(int row, int column)
{
    checkRatio(row, column);
    checkCell(row, column);
    emit edited(row, column);
}

void ClauseGrid::checkRatio(int row, int column)
{
    if (!m_control.columns.at(column).ratio)
        return;
    double sum = 0;
    for (int r = 0; r < rowCount(); ++r)
        sum += CellFormat::number(cellText(r, column));
    if (sum > 100.0 + 1e-9) {
        prompts().message(QStringLiteral("sum of profit of sharing can not be greater then 100"),
                          QStringLiteral("Form 3CD"), PromptIcon::Information);
        setCellText(row, column, QString());
    }
}

QString ClauseGrid::dependsOnValue(int row, int column) const
{
    const int dependsOn = m_control.columns.at(column).dependsOn;
    return dependsOn > 0 ? cellText(row, dependsOn - 1) : QString();
}

void ClauseGrid::checkCell(int row, int column)
{
    const Catalogue::Column &col = m_control.columns.at(column);
    QString message = CellChecks::message(col, cellText(row, column));
    if (message.isEmpty())
        message = CellChecks::listMessage(col, cellText(row, column), m_lists, dependsOnValue(row, column));
    if (message.isEmpty())
        return;
    // The cell keeps what was typed and the focus, so that the user corrects it there.
    m_refused = m_model->index(row, column);
    prompts().inform(m_label.isEmpty() ? message : CellChecks::placed(message, m_label, row, col.heading));
}

bool ClauseGrid::checkValues(const QString &label)
{
    const auto finding = CellChecks::firstBadCell(m_model->report(), m_model->page(), m_model->point(),
                                                  m_control.columns, &m_lists);
    if (!finding)
        return true;
    CompletenessPrompts::showControl(this);
    setCurrentCell(finding->row, finding->column);
    setFocus(Qt::OtherFocusReason);
    prompts().inform(CellChecks::placed(finding->message, label, finding->row,
                                        m_control.columns.at(finding->column).heading));
    return false;
}

QModelIndex ClauseGrid::nextCell(const QModelIndex &from) const
{
    // Enter and Tab pass over hidden and computed columns: they are not typed into.
    const auto [row, column] =
        CellOrder::next(from.row(), from.column(), rowCount(), columnCount(),
                        [this](int c) { return !isColumnHidden(c) && !m_control.columns.at(c).computed; });
    return row < 0 ? QModelIndex() : m_model->index(row, column);
}

void ClauseGrid::moveNext()
{
    const QModelIndex next = nextCell(currentIndex());
    if (next.isValid())
        setCurrentIndex(next);
}

QModelIndex ClauseGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveNext)
        return nextCell(currentIndex());
    return QTableView::moveCursor(action, modifiers);
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
        setCellText(currentRow(), currentColumn(), QString());
        cellEdited(currentRow(), currentColumn());
        return;
    }
    if (event->key() == Qt::Key_Space && currentColumn() >= 0 &&
        column(currentColumn()).kind == Catalogue::Kind::Tick && state() != EditingState) {
        const int r = currentRow();
        const int c = currentColumn();
        const bool ticked = Vocabulary::isTicked(cellText(r, c));
        setCellText(r, c, ticked ? QString() : Vocabulary::TrueWord);
        cellEdited(r, c);
        return;
    }
    QTableView::keyPressEvent(event);
}

void ClauseGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const QModelIndex refused = std::exchange(m_refused, QPersistentModelIndex());
    if (refused.isValid()) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        setCurrentIndex(refused);
        return;
    }
    QTableView::closeEditor(editor, hint);
    // Enter in an editor commits the cell; it then moves on as Enter does outside one.
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        moveNext();
}

void ClauseGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    if (rowCount() > 0 && currentRow() < 0)
        setCurrentCell(0, 0);
    emit hintChanged(hintOf(currentColumn()));
}
