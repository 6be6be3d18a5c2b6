#pragma once

#include "print/PrintSetup.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;
class ReportModel;

// "Print Setup": the footer, the assessee's signature, the accountant's or the firm's PAN
// (one at most), where the remarks go, their heading and bold type. OK stores the setup
// row of the report (delete and insert, in one transaction).
class PrintSetupDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PrintSetupDialog(ReportModel &model, QWidget *parent = nullptr);

    PrintSetup shown() const;

private:
    void cmdOK_Click();

    ReportModel &m_model;
    QCheckBox *m_footer, *m_assesseeSign, *m_auditorPan, *m_firmPan, *m_remarksHeading, *m_remarksBold;
    QList<QRadioButton *> m_remarksPlace;
};
