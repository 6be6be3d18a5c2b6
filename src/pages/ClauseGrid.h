#pragma once

#include "catalogue/ClauseCatalogue.h"

#include <QSet>
#include <QTableWidget>

class ListSources;

// A clause grid: every row is a data row (the header is the fixed row), columns typed as
// the catalogue says. Enter moves through the cells; numeric cells refuse other keys;
// amounts, whole numbers and dates are kept in their stored form.
class ClauseGrid : public QTableWidget
{
    Q_OBJECT
public:
    ClauseGrid(const Catalogue::Control &control, ListSources &lists, QWidget *parent = nullptr);

    const Catalogue::Control &definition() const { return m_control; }
    const Catalogue::Column &column(int c) const { return m_control.columns.at(c); }
    QString hintOf(int c) const;
    // The 0-based columns the catalogue lets stay empty in a data row.
    QSet<int> optionalColumns() const;

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

    // Called by the delegate once a typed value is stored in a cell.
    void cellEdited(int row, int column);
    // Moves to the next cell as Enter does.
    void moveNext();

signals:
    void hintChanged(const QString &hint);
    void edited(int row, int column);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void checkRatio(int row, int column);
    void checkIdentity(int row, int column);

    Catalogue::Control m_control;
};
