#pragma once

#include "catalogue/ClauseCatalogue.h"
#include "model/ListSources.h"
#include "model/depreciation/Clause18Lists.h"

#include <QGroupBox>

class ClauseGrid;
class QLabel;
class QPushButton;

// The "Addition / Deduction" frame of clause 18: the additions (vsAdd) and deductions
// (vsDed) of the block row being edited, each list confirmed with its own OK.
class AdditionDeductionFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit AdditionDeductionFrame(QWidget *parent = nullptr);

    // Shows the lists of a block row; an empty description empties the frame.
    void showBlock(const QString &description, const QString &additions, const QString &deductions);
    // Shows one list again as its OK put it into the row; the other list keeps what is typed in it.
    void showAdditions(const QString &additions);
    void showDeductions(const QString &deductions);
    // The block of the row being edited was renamed; its lists stay as they are.
    void renameBlock(const QString &description);

    // The block whose lists are shown.
    QString blockName() const;
    // A list changed since it was shown, not yet put into the row with its OK.
    bool additionsPending() const;
    bool deductionsPending() const;

    QList<AdditionEntry> additions() const;
    QList<DeductionEntry> deductions() const;

    ClauseGrid *additionsGrid() const { return m_vsAdd; }
    ClauseGrid *deductionsGrid() const { return m_vsDed; }
    QPushButton *additionsOk() const { return m_addOk; }
    QPushButton *deductionsOk() const { return m_dedOk; }

signals:
    void additionsAccepted();
    void deductionsAccepted();
    // The hint of the cell being typed into, for the page's hint line.
    void hintChanged(const QString &hint);

private:
    ClauseGrid *makeGrid(const QString &name, const QList<Catalogue::Column> &columns);
    QWidget *listBox(ClauseGrid *grid, QPushButton *ok);
    void totalOfEntry(int row);
    static QList<QStringList> rowsOf(const ClauseGrid *grid);

    ListSources m_lists;
    QLabel *m_assetName;
    ClauseGrid *m_vsAdd;
    ClauseGrid *m_vsDed;
    QPushButton *m_addOk;
    QPushButton *m_dedOk;
    QList<QStringList> m_shownAdditions;
    QList<QStringList> m_shownDeductions;
};
