#pragma once

#include "model/depreciation/DepreciationImports.h"
#include "pages/ClausePage.h"

class AdditionDeductionFrame;
class ClauseGrid;
class QCheckBox;
class QLabel;
class QPushButton;

// Page 7: clause 17 and clause 18, the depreciation blocks with their additions and
// deductions, the computed values of each block row and the imports from the host's
// depreciation charts.
class frmPage7 : public ClausePage
{
    Q_OBJECT
public:
    explicit frmPage7(QWidget *parent = nullptr);

    bool SaveData() override;
    bool validateForm(bool show = true) override;
    void DisplayData() override;
    void setAfterEdit(const QString &strGrid) override;
    void clearAll() override;

    // Clause 18 from the host's block-wise and asset-wise depreciation charts.
    void Import_Depr_Old();
    void Import_Depr_NewAssetWise();
    // True when clause 8a says the assessee opted for a concessional regime, after telling
    // the user that additional depreciation is then not allowed.
    bool CheckAddDepMsg();
    // Reads the client's block-wise depreciation chart of the year, as the editor opens a
    // report whose client keeps one, and tells beside the Import button what it holds.
    void PrepareDeprChart();

    ClauseGrid *grd18() const { return m_grd18; }
    ClauseGrid *grd17() const { return m_grd17; }
    QCheckBox *faChartTick() const { return m_faChart; }
    QPushButton *importButton() const { return m_import; }
    QLabel *chartNote() const { return m_chartNote; }
    AdditionDeductionFrame *additionsFrame() const { return m_frame; }

protected:
    void writeRows() override;
    QList<ReportModel::PointKey> otherPoints() const override;

private:
    void importFrom(bool blockWise);
    void showCurrentBlock();
    void acceptAdditions(int row);
    void acceptDeductions(int row);
    // Lists typed for the block left without their OK are put into it when the accountant says so.
    void keepPendingLists(int previousRow);
    void blockEdited(int row, int column);
    // The depreciation of an edited block row follows its rate (see Clause18::followRate).
    void followRate(int row, const QStringList &before);
    // The rows as they stand after the page's last computation: what a row was before an edit.
    void rememberBlocks();
    void recomputeBlocks();
    void removeAnnexureFiles();

    ClauseGrid *m_grd18;
    ClauseGrid *m_grd17;
    QCheckBox *m_faChart;
    QPushButton *m_import;
    QLabel *m_chartNote;
    AdditionDeductionFrame *m_frame;
    ListSources m_lists;
    QList<QStringList> m_shown;
    // The client's depreciation is kept in whole rupees, as the chart imports keep it.
    bool m_wholeRupees = false;
};
