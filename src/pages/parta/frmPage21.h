#pragma once

#include "pages/ClausePage.h"

class QLabel;
class QLineEdit;
class QRadioButton;

// The signing page (PageNo 21): which kind of auditor signs, that auditor as the host
// keeps him (shown, not stored), the UDIN and the date of signing the tax audit report.
// Rows "AudType" ("Yes" for an individual auditor), "UDIN" and "DSIGN".
class frmPage21 : public ClausePage
{
    Q_OBJECT
public:
    explicit frmPage21(QWidget *parent = nullptr);

    bool SaveData() override;
    bool validateForm(bool show = true) override;
    bool checkValues() override;
    void DisplayData() override;
    // The main window's Clear empties what the page stores; the auditor stays the host's.
    void clearAll() override;

    // Lets the user choose the auditor of the client and year in the host, then shows him.
    void cmdSelectAuditor_Click();

    // "I" for an individual auditor, "F" for a firm: the type the host's auditor is fetched by.
    QString auditorType() const;

protected:
    void writeRows() override;

private:
    void showAuditor();
    void txtUDIN_LostFocus();
    // The date of signing is a whole date, after the year and not before the audit report;
    // an empty one waits for the completeness check.
    bool checkSignDate();

    QRadioButton *m_individual, *m_firm;
    QList<QLineEdit *> m_auditor;
    // The nine details of the host's auditor as the boxes show them; a detail the accountant
    // answers "Nil" reads so here too, for this showing of the page.
    QStringList m_shownAuditor;
    QLabel *m_noAuditor;
    QLineEdit *m_udin, *m_signDate;
};
