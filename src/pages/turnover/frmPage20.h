#pragma once

#include "model/turnover/AccountFigures.h"
#include "model/turnover/Clause40.h"
#include "pages/ClausePage.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

// Page 20 on two tabs: clause 40's paired amounts with their ratios and the import from
// the accounts, and clauses 41 to 44.
class frmPage20 : public ClausePage
{
    Q_OBJECT
public:
    explicit frmPage20(QWidget *parent = nullptr);

    bool validateForm(bool show = true) override;
    void DisplayData() override;
    void setAfterEdit(const QString &strGrid) override;

    // Fills clause 40 from the host's accounts and the preceding year (ImportTO_Data).
    void ImportTO_Data();
    // The host's account sums behind clause 40 for a year of the current client.
    AccountFigures::GroupSums GetFigs_Ratio(const QString &yearKey) const;

    QLineEdit *field(const QString &name) const;
    Clause40::Fields fields() const;
    void setFields(const Clause40::Fields &values);
    QTabWidget *tabs() const { return m_tabs; }
    QPushButton *importButton() const { return m_import; }

private:
    void recomputeRatios();
    void openExpectedDate();

    QTabWidget *m_tabs;
    QPushButton *m_import;
};
