#pragma once

#include "catalogue/ClauseCatalogue.h"

#include <QPersistentModelIndex>
#include <QSet>
#include <QTableView>
#include <memory>

class ClauseGridModel;
class ListSources;
class ReportModel;

// A clause grid: a view over the table model of its point in a report model, every row a
// data row (the header is the fixed row), columns typed as the catalogue says. Enter moves
// through the cells; amounts, whole numbers and dates are kept in their stored form, and a
// value that is not of its column's kind is refused with a message that names the cell. Whatever else edits
// the same report model (the annexure window, an import) shows here at once.
class ClauseGrid : public QTableView
{
    Q_OBJECT
public:
    // A grid over the point of `page` in the page's report model.
    ClauseGrid(const Catalogue::Control &control, ListSources &lists, ReportModel &report, int page,
               QWidget *parent = nullptr);
    // A grid over rows of its own (a working list that is saved into another grid's cell).
    ClauseGrid(const Catalogue::Control &control, ListSources &lists, QWidget *parent = nullptr);
    ~ClauseGrid() override;

    const Catalogue::Control &definition() const { return m_control; }
    const Catalogue::Column &column(int c) const { return m_control.columns.at(c); }
    ClauseGridModel *gridModel() const { return m_model; }
    QString hintOf(int c) const;
    // True when the header shows the heading of column c in full.
    bool headingFits(int c) const;
    // The 0-based columns the catalogue lets stay empty in a data row.
    QSet<int> optionalColumns() const;

    int rowCount() const;
    int columnCount() const;
    // Adds empty rows at the end or drops rows from the end.
    void setRowCount(int rows);
    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);
    QString cellText(int row, int column) const;
    // Sets a cell to a value as it is stored (no formatting).
    void setCellText(int row, int column, const QString &value);

    void addRow();
    void removeCurrentRow();
    // One row holding the marker ("Nil" or "NA") in every column.
    void resetTo(const QString &marker);
    // True when a cell holds something other than "" or "0.00".
    bool holdsData() const;
    // The only row is a marker row: it is blanked.
    void blankMarkerRow();
    // Loads rows as stored (cell c from Col c+1); no rows leave one empty row.
    void setRows(const QList<QStringList> &rows);
    // Shows the rows the report model holds for the point as they are; with none it offers
    // one empty row, as setRows does.
    void showReportRows();

    // The clause the grid holds, as messages about its cells name it ("23", "21(b)(vii)").
    void setLabel(const QString &label) { m_label = label; }
    QString label() const { return m_label; }

    // Called by the delegate once a typed value is stored in a cell.
    void cellEdited(int row, int column);
    // Moves to the next cell as Enter does.
    void moveNext();
    // Checks every cell by its column's kind over the report model; the first bad one is
    // named with the clause label and gets the focus. False when one was found.
    bool checkValues(const QString &label);
    // The value of the cell a dependent list of this cell's column is chosen by.
    QString dependsOnValue(int row, int column) const;

signals:
    void hintChanged(const QString &hint);
    void edited(int row, int column);
    void currentCellChanged(int row, int column, int previousRow, int previousColumn);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void focusInEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void build();
    void checkRatio(int row, int column);
    void checkCell(int row, int column);
    // The header height that shows a column's heading in full at its width.
    int headingHeight(int column) const;
    void fitHeadings();
    // The next cell that is typed into, as Enter and Tab move.
    QModelIndex nextCell(const QModelIndex &from) const;

    Catalogue::Control m_control;
    QString m_label;
    ListSources &m_lists;
    // A cell whose typed value was refused keeps the focus when its editor closes.
    QPersistentModelIndex m_refused;
    std::unique_ptr<ReportModel> m_ownReport;
    ClauseGridModel *m_model = nullptr;
};
