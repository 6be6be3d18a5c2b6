#pragma once

#include "ReportPage.h"

class QComboBox;

// The report page of Form 3CA (PageNo 1, FormName "3CA"): the audit under another law,
// the assessee, the accounts annexed, paragraph 3 with the observations, and the place
// and date of signing.
class frmPage1 : public ReportPage
{
    Q_OBJECT
public:
    explicit frmPage1(QWidget *parent = nullptr);

    bool validateForm(bool show = true) override;
    // On becoming visible: tells once that the client keeps a receipt and payment account,
    // a kind of account Form 3CA has no wording for.
    void Form_Activate();

protected:
    void writeRows() override;
    QStringList tickPoints() const override;
    void showDefaults() override;
    void showRows(const Rows &rows) override;
    void showEvent(QShowEvent *event) override;
    // The audit report dated before the year's end is asked about; the report is not
    // signed before it.
    bool checkDateRules(QLineEdit *box) override;

private:
    // The control that shows the value of a finding of the page's check.
    QWidget *controlAt(const ReportFinding &finding) const;
    QList<QWidget *> pointOneControls() const; // the thirteen columns of "3CA1"
    QList<QComboBox *> paragraphThree() const; // the three columns of "3CA3"
    void actChanged();

    QComboBox *m_iWe, *m_meUs, *m_act, *m_iWe2, *m_myOurTheir, *m_accounts, *m_year, *m_accounts2;
    QComboBox *m_opinion, *m_information, *m_explainedTo;
    QLineEdit *m_firm, *m_otherAct, *m_reportedDate, *m_from, *m_to;
    bool m_noticeShown = false;
    QString m_keptReportDate; // an early audit report date the user chose to keep
};
