#pragma once

#include "pages/ClausePage.h"

class ClauseGrid;
class QLabel;

// Page 8: clauses 19, 20(a) and 20(b). Clause 19 follows clause 8a's answer: an assessee
// taxed at a concessional rate is told which of its sections the regime takes away, and
// the page refuses an amount admissible under one of them.
class frmPage8 : public ClausePage
{
    Q_OBJECT
public:
    explicit frmPage8(QWidget *parent = nullptr);

    bool validateForm(bool show = true) override;
    void DisplayData() override;

    // The regime clause 8a names, "" when the assessee did not opt for one.
    QString regime() const;
    // Shows clause 19 as the regime clause 8a names leaves it.
    void adjustForRegime();

    ClauseGrid *grd19() const { return m_grd19; }
    QLabel *regimeNotice() const { return m_notice; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    ClauseGrid *m_grd19;
    QLabel *m_notice;
};
