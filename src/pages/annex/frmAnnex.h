#pragma once

#include "AnnexDelegate.h"
#include "model/ListSources.h"
#include "spreadsheet/AnnexureSheet.h"

#include <QDialog>

class AdditionDeductionFrame;
class AnnexTable;
class ClauseGridModel;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;

// The annexure window: a full-size editor for one clause grid with typed columns, the
// user's own columns, Excel export and import. It opens on the clause's annexure file, or
// on the grid's rows when there is none; Back writes the rows into the grid and keeps the
// annexure file (removed when the rows are gone); Cancel leaves both as they were.
class frmAnnex : public QDialog
{
    Q_OBJECT
public:
    // typeList: one column type code a grid column, "2,1,1,4,4,1"; caption: "9a. " and the
    // clause's caption; annexFolder: the client's annexure folder of the year.
    frmAnnex(ClauseGridModel &grid, const QString &clause, const QString &typeList, const QString &caption,
             const QString &annexFolder, QWidget *parent = nullptr);

    // The window's commands, as its buttons run them.
    void addRow();
    void deleteRow();
    // Moves the current row up (-1) or down (+1); the row numbers follow.
    void moveRow(int offset);
    void addColumn();
    void deleteColumn();
    bool confirmColumn();
    void cancelColumn();
    // The nature-of-business code of the current row, for clauses that keep one.
    void search();
    void exportToExcel();
    void importFromExcel();
    // The sheet through the report engine's preview, headed by the client and the clause.
    void print();
    void back();

    QTableWidget *table() const;
    // Clause 18: the additions and deductions of the current block row.
    AdditionDeductionFrame *listsFrame() const { return m_frame; }
    const AnnexureSheet &sheet() const { return m_sheet; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showSheet();
    void cellEdited(int row, int column);
    void readTable();
    // The drop-down of a cell: the clause's list for its own columns, the user's items for a List column.
    std::optional<AnnexDelegate::Choices> choicesOf(int row, int column);
    // Entries of earlier versions in the list columns, changed to the list's current
    // entries; what was changed, one line an entry.
    QStringList convertEarlierEntries();
    void showBlockLists(int row);
    void acceptAdditions();
    void acceptDeductions();
    QStringList rowCells(int row) const;
    void setRowCells(int row, const QStringList &cells);
    QDate cutOff() const;
    // The grid's sector and line-of-business columns, -1 where the clause keeps no business code.
    int sectorColumn() const;
    int lineColumn() const;

    ClauseGridModel &m_grid;
    QString m_clause;
    QString m_folder;
    AnnexureSheet m_sheet;
    bool m_showing = false;
    ListSources m_lists;

    AnnexTable *vsAnnex;
    AdditionDeductionFrame *m_frame = nullptr;
    int m_blockRow = -1;
    QWidget *vsCol; // the column definition of an added column
    QLineEdit *txtHeading;
    QComboBox *cboType;
    QComboBox *cboAlign;
    QLineEdit *txtItems;
};
