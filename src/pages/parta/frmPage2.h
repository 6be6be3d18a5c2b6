#pragma once

#include "pages/ClausePage.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Part A of Form 3CD (PageNo 2): clauses 1 to 3 as the report page states them, clause 4
// (indirect tax registrations) and clause 8 (the clause of section 44AB) as catalogue
// sections, and the page's own clauses 5 to 7 (status, previous year, assessment year)
// and 8a (the concessional-tax option, stored "True"/"False" with the section).
class frmPage2 : public ClausePage
{
    Q_OBJECT
public:
    explicit frmPage2(QWidget *parent = nullptr);

    bool validateForm(bool show = true) override;
    void DisplayData() override;

    // Clause 8a as the page shows it: the section when the option was taken, else "".
    QString taxRegimeSection() const;

protected:
    void writeRows() override;
    // Clauses 1 to 3 and the period follow the report page, which may have been saved since.
    void showEvent(QShowEvent *event) override;

private:
    void showAssessee();
    void showPeriod();
    void answer8aClicked();

    QLabel *m_name, *m_address, *m_pan, *m_aadhaar;
    QComboBox *m_status;
    QLineEdit *m_from, *m_to, *m_assessmentYear;
    QButtonGroup *m_answer8a;
    QRadioButton *m_yes8a, *m_no8a;
    QComboBox *m_section8a;
};
