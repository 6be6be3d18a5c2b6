#pragma once

#include "catalogue/ClauseCatalogue.h"
#include "store/ClauseStore.h"

#include <QAbstractTableModel>
#include <QStringList>

class ReportModel;

// A table over one grid point of a report model: one table row per clause row of the
// page's form name, the catalogue's columns (headings, kinds, list names). Edits go
// straight into the report model, so a page, the annexure window and a workbook import
// that share the model see the same rows; the model's own changes to the point reset it.
class ClauseGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role { KindRole = Qt::UserRole + 1, ListRole, HintRole };

    // The columns are the catalogue's for the point; a point the catalogue has no grid for
    // takes `columnCount` plain text columns.
    ClauseGridModel(ReportModel &model, int page, const QString &point, int columnCount = 0,
                    QObject *parent = nullptr);
    // A table with the given columns (a grid the catalogue places on another page number, or
    // a working list that is not a clause point of its own).
    ClauseGridModel(ReportModel &model, int page, const QString &point,
                    const QList<Catalogue::Column> &columns, QObject *parent = nullptr);

    int page() const { return m_page; }
    const QString &point() const { return m_point; }
    const QList<Catalogue::Column> &columns() const { return m_columns; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool insertRows(int row, int count, const QModelIndex &parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

    // The cells of a row, one a column.
    QStringList rowCells(int row) const;
    // Replaces every row (an import into the grid).
    void setAllRows(const QList<QStringList> &rows);
    // Sets a cell to a value as it is to be stored (a rule's result); setData formats what
    // is typed first.
    bool setCell(int row, int column, const QString &value);
    // A cell as stored, "" outside the table.
    QString cell(int row, int column) const;

    ReportModel &report() const { return m_model; }

    // The column (Col1 onwards, outside the table's columns) in which each row that holds a
    // value keeps its number among such rows, apart from the sequence column that numbers
    // every row: Form 3CEB's serial in Col15. 0, as made: none.
    void setSerialColumn(int column) { m_serialColumn = column; }
    int serialColumn() const { return m_serialColumn; }

private:
    void watch();
    // Finds the point's rows of the page's form name in the report model.
    void refresh();
    // The report's row shown as table row `row`.
    const ClauseStore::ClauseRow &rowAt(int row) const { return m_report->at(m_first + row); }
    // The rows as lists of every value column, so that columns the table does not show
    // survive its edits.
    QList<QStringList> current() const;
    // Writes the rows back with their row numbers in the sequence column.
    void store(QList<QStringList> rows);
    void pointChanged(int page, const QString &point);
    // Whether a row's cells hold a value; the serial is not one.
    bool holdsValue(const QStringList &cells) const;
    // Puts the serials in the rows' cells.
    void numberSerials(QList<QStringList> &rows) const;
    // Brings the serials of the report's rows up to date after a cell edit.
    void renumberSerials();

    ReportModel &m_model;
    int m_page;
    QString m_point;
    QList<Catalogue::Column> m_columns;
    // The table is a view over the point's rows in the report model, which stand together
    // there: m_count rows from m_first. Nothing is copied, so a grid of thousands of rows
    // shows and changes them at once.
    const QList<ClauseStore::ClauseRow> *m_report = nullptr;
    qsizetype m_first = 0;
    int m_count = 0;
    bool m_writing = false;
    int m_serialColumn = 0;
};
