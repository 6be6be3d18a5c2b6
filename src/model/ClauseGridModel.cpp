#include "ClauseGridModel.h"

#include "ReportModel.h"
#include "catalogue/CellFormat.h"
#include "model/rules/CellChecks.h"

#include <QScopedValueRollback>
#include <algorithm>

ClauseGridModel::ClauseGridModel(ReportModel &model, int page, const QString &point, int columnCount,
                                 QObject *parent)
    : QAbstractTableModel(parent), m_model(model), m_page(page), m_point(point)
{
    const Catalogue::Control *control = ClauseCatalogue::instance().controlOf(page, point);
    if (control && control->type == Catalogue::ControlType::Grid)
        m_columns = control->columns;
    for (int c = int(m_columns.size()); c < columnCount; ++c)
        m_columns << Catalogue::Column{};
    watch();
}

ClauseGridModel::ClauseGridModel(ReportModel &model, int page, const QString &point,
                                 const QList<Catalogue::Column> &columns, QObject *parent)
    : QAbstractTableModel(parent), m_model(model), m_page(page), m_point(point), m_columns(columns)
{
    watch();
}

void ClauseGridModel::watch()
{
    refresh();
    connect(&m_model, &ReportModel::pointChanged, this, &ClauseGridModel::pointChanged);
    connect(&m_model, &ReportModel::reloaded, this, [this] {
        beginResetModel();
        refresh();
        endResetModel();
    });
}

void ClauseGridModel::refresh()
{
    const QString form = m_model.formNameForPage(m_page);
    m_report = &m_model.rows(m_page, m_point);
    const auto first = std::find_if(m_report->cbegin(), m_report->cend(),
                                    [&form](const ReportModel::Row &row) { return row.formName == form; });
    const auto end = std::find_if(first, m_report->cend(),
                                  [&form](const ReportModel::Row &row) { return row.formName != form; });
    m_first = first - m_report->cbegin();
    m_count = int(end - first);
}

QList<QStringList> ClauseGridModel::current() const
{
    QList<QStringList> rows;
    rows.reserve(m_count);
    for (int r = 0; r < m_count; ++r)
        rows << rowAt(r).cols.mid(0, m_model.sequenceColumn() - 1);
    return rows;
}

void ClauseGridModel::store(QList<QStringList> rows)
{
    const QScopedValueRollback guard(m_writing, true);
    const int sequence = m_model.sequenceColumn();
    for (int r = 0; r < rows.size(); ++r) {
        QStringList &cells = rows[r];
        while (cells.size() < sequence - 1)
            cells << QString();
        cells = cells.mid(0, sequence - 1);
    }
    numberSerials(rows);
    for (int r = 0; r < rows.size(); ++r)
        rows[r] << QString::number(r + 1);
    m_model.setRows(m_page, m_point, rows);
    refresh();
}

bool ClauseGridModel::holdsValue(const QStringList &cells) const
{
    // The sequence column and the columns after it number the row; they are not values.
    const qsizetype end = std::min<qsizetype>(cells.size(), m_model.sequenceColumn() - 1);
    for (qsizetype c = 0; c < end; ++c) {
        if (c != m_serialColumn - 1 && !cells.at(c).trimmed().isEmpty())
            return true;
    }
    return false;
}

void ClauseGridModel::numberSerials(QList<QStringList> &rows) const
{
    if (m_serialColumn < 1)
        return;
    int serial = 0;
    for (QStringList &cells : rows) {
        while (cells.size() < m_serialColumn)
            cells << QString();
        cells[m_serialColumn - 1] = holdsValue(cells) ? QString::number(++serial) : QString();
    }
}

void ClauseGridModel::renumberSerials()
{
    QList<QStringList> numbered = current();
    numberSerials(numbered);
    const QScopedValueRollback guard(m_writing, true);
    for (int r = 0; r < numbered.size(); ++r) {
        const QString &serial = numbered.at(r).at(m_serialColumn - 1);
        if (rowAt(r).cols.value(m_serialColumn - 1) != serial)
            m_model.setCell(m_page, m_point, r, m_serialColumn, serial);
    }
}

void ClauseGridModel::pointChanged(int page, const QString &point)
{
    if (m_writing || page != m_page || point != m_point)
        return;
    beginResetModel();
    refresh();
    endResetModel();
}

int ClauseGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int ClauseGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QStringList ClauseGridModel::rowCells(int row) const
{
    QStringList cells;
    if (row < 0 || row >= m_count)
        return cells;
    const QStringList &cols = rowAt(row).cols;
    cells.reserve(m_columns.size());
    for (int c = 0; c < m_columns.size(); ++c)
        cells << cols.value(c);
    return cells;
}

QString ClauseGridModel::cell(int row, int column) const
{
    return row >= 0 && row < m_count && column >= 0 && column < m_columns.size()
               ? rowAt(row).cols.value(column)
               : QString();
}

QVariant ClauseGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= m_columns.size())
        return {};
    const Catalogue::Column &column = m_columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell(index.row(), index.column());
    case KindRole:
        return int(column.kind);
    case ListRole:
        return column.list;
    case HintRole:
        return column.hint.isEmpty() ? CellFormat::defaultHint(column.kind) : column.hint;
    case Qt::TextAlignmentRole:
        return column.kind == Catalogue::Kind::Amount || column.kind == Catalogue::Kind::Whole
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    default:
        return {};
    }
}

bool ClauseGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() >= m_columns.size())
        return false;
    return setCell(index.row(), index.column(),
                   CellChecks::kept(m_columns.at(index.column()), value.toString()));
}

bool ClauseGridModel::setCell(int row, int column, const QString &value)
{
    if (row < 0 || row >= m_count || column < 0 || column >= m_columns.size())
        return false;
    if (rowAt(row).cols.value(column) == value)
        return true;
    const bool held = holdsValue(rowAt(row).cols);
    {
        const QScopedValueRollback guard(m_writing, true);
        if (!m_model.setCell(m_page, m_point, row, column + 1, value))
            return false;
    }
    if (m_serialColumn > 0 && holdsValue(rowAt(row).cols) != held)
        renumberSerials();
    const QModelIndex at = index(row, column);
    emit dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant ClauseGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section < m_columns.size() ? QVariant(m_columns.at(section).heading) : QVariant();
}

Qt::ItemFlags ClauseGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // A computed column is filled by the clause's rules, not typed.
    if (m_columns.value(index.column()).computed)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool ClauseGridModel::insertRows(int row, int count, const QModelIndex &parent)
{
    QList<QStringList> rows = current();
    if (parent.isValid() || row < 0 || row > rows.size() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    rows.reserve(rows.size() + count);
    for (int i = 0; i < count; ++i)
        rows.insert(row, QStringList());
    store(rows);
    endInsertRows();
    return true;
}

bool ClauseGridModel::removeRows(int row, int count, const QModelIndex &parent)
{
    QList<QStringList> rows = current();
    if (parent.isValid() || row < 0 || count < 1 || row + count > rows.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    rows.remove(row, count);
    store(rows);
    endRemoveRows();
    return true;
}

void ClauseGridModel::setAllRows(const QList<QStringList> &rows)
{
    beginResetModel();
    store(rows);
    endResetModel();
}
