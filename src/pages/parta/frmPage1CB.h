#pragma once

#include "ReportPage.h"

class QComboBox;

// The report page of Form 3CB (PageNo 101, FormName "3CB"): the accounts examined and the
// assessee, the head office and branches, paragraph 3's opinion, paragraph 5 with the
// observations, and the place and date of signing.
class frmPage1CB : public ReportPage
{
    Q_OBJECT
public:
    explicit frmPage1CB(QWidget *parent = nullptr);

    bool validateForm(bool show = true) override;

protected:
    void writeRows() override;
    QStringList tickPoints() const override;
    void showDefaults() override;
    void showRows(const Rows &rows) override;

private:
    // The control that shows the value of a finding of the page's check.
    QWidget *controlAt(const ReportFinding &finding) const;
    // The controls of the rows "3CBPT1", "3CBPT2", "3CBPT3" and "3CBPT5", in column order.
    QList<QWidget *> paragraphOne() const;
    QList<QWidget *> paragraphTwo() const;
    QList<QWidget *> paragraphThree() const;
    QList<QWidget *> paragraphFive() const;
    static void show(const QList<QWidget *> &controls, const QStringList &cols);
    static QStringList valuesOf(const QList<QWidget *> &controls);

    QComboBox *m_iWe, *m_accounts, *m_iWe2, *m_accounts2;
    QLineEdit *m_balanceSheetDate, *m_from, *m_to, *m_headOffice, *m_branches, *m_comments;
    QList<QComboBox *> m_three; // paragraph 3 apart from the comments, in column order
    QList<QComboBox *> m_five;
};
