#include "PrintSetupDialog.h"

#include "model/ReportModel.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PrintSetupDialog::PrintSetupDialog(ReportModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("frmPrintSetup"));
    setWindowTitle(QStringLiteral("Print Setup"));
    auto *layout = new QVBoxLayout(this);
    auto tick = [&](const QString &name, const QString &caption) {
        auto *box = new QCheckBox(caption, this);
        box->setObjectName(name);
        layout->addWidget(box);
        return box;
    };
    m_footer = tick(QStringLiteral("chkFooter"), QStringLiteral("Print Footer"));
    m_assesseeSign = tick(QStringLiteral("chkAssesseeSign"), QStringLiteral("Print Assesse Sign"));
    m_auditorPan = tick(QStringLiteral("chkAuditorPAN"), QStringLiteral("Print Auditor's PAN"));
    m_firmPan = tick(QStringLiteral("chkFirmPAN"), QStringLiteral("Print Firm's PAN"));

    auto *remarks = new QGroupBox(QStringLiteral("Remarks"), this);
    auto *remarksLayout = new QVBoxLayout(remarks);
    const QStringList places{QStringLiteral("Print Remarks after each clause and sub clause"),
                             QStringLiteral("Print Remarks after each clause"),
                             QStringLiteral("Print All Remarks at the end")};
    for (int i = 0; i < places.size(); ++i) {
        auto *option = new QRadioButton(places.at(i), remarks);
        option->setObjectName(QStringLiteral("optRemarks%1").arg(i));
        remarksLayout->addWidget(option);
        m_remarksPlace << option;
    }
    layout->addWidget(remarks);
    m_remarksHeading = tick(QStringLiteral("chkRemarksHeading"), QStringLiteral("Print Remarks Heading"));
    m_remarksBold = tick(QStringLiteral("chkRemarksBold"), QStringLiteral("Print Remarks in Bold"));

    // The accountant's PAN and the firm's exclude each other.
    connect(m_auditorPan, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_firmPan->setChecked(false);
    });
    connect(m_firmPan, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_auditorPan->setChecked(false);
    });
    // Remarks after each clause print beside it and take no heading.
    connect(m_remarksHeading, &QCheckBox::toggled, this, [this](bool on) {
        if (on && m_remarksPlace.at(PrintSetup::AfterEachClause)->isChecked())
            m_remarksHeading->setChecked(false);
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintSetupDialog::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const PrintSetup stored = PrintSetup::read(model);
    m_footer->setChecked(stored.footer);
    m_assesseeSign->setChecked(stored.assesseeSign);
    m_auditorPan->setChecked(stored.auditorPan);
    m_firmPan->setChecked(stored.firmPan);
    m_remarksPlace.at(stored.remarksPlace)->setChecked(true);
    m_remarksHeading->setChecked(stored.remarksHeading);
    m_remarksBold->setChecked(stored.remarksBold);
}

PrintSetup PrintSetupDialog::shown() const
{
    PrintSetup s;
    s.footer = m_footer->isChecked();
    s.assesseeSign = m_assesseeSign->isChecked();
    s.auditorPan = m_auditorPan->isChecked();
    s.firmPan = m_firmPan->isChecked();
    for (int i = 0; i < m_remarksPlace.size(); ++i) {
        if (m_remarksPlace.at(i)->isChecked())
            s.remarksPlace = i;
    }
    s.remarksHeading = m_remarksHeading->isChecked();
    s.remarksBold = m_remarksBold->isChecked();
    return s;
}

void PrintSetupDialog::cmdOK_Click()
{
    m_model.setRows(PrintSetup::Page, PrintSetup::Point, {shown().columns()});
    m_model.savePage(PrintSetup::Page);
    accept();
}
