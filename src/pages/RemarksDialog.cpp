#include "RemarksDialog.h"

#include "base/Prompt.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
const int kRemarksPage = 301;
}

RemarksDialog::RemarksDialog(const Catalogue::Clause &clause, ReportModel &report, QWidget *parent)
    : QDialog(parent), m_report(report), m_point(clause.remarkPoint())
{
    setObjectName(QStringLiteral("frmRemarks"));
    setWindowTitle(clause.label + QStringLiteral(". ") + clause.caption);
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(clause.label + QStringLiteral(". ") + clause.caption, this);
    caption->setWordWrap(true);
    layout->addWidget(caption);
    layout->addWidget(
        new QLabel(QStringLiteral("Remarks is for printing purpose only, not for e-Filing"), this));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtRemarks"));
    layout->addWidget(m_text, 2);
    m_imports = new QListWidget(this);
    m_imports->setObjectName(QStringLiteral("lstImport"));
    m_imports->hide();
    layout->addWidget(m_imports, 1);
    m_use = new QPushButton(tr("&Use Ticked Remarks"), this);
    m_use->hide();
    layout->addWidget(m_use);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *saveButton = buttons->addButton(tr("&Save"), QDialogButtonBox::AcceptRole);
    QPushButton *clearButton = buttons->addButton(tr("C&lear"), QDialogButtonBox::ActionRole);
    QPushButton *importButton = buttons->addButton(tr("&Import"), QDialogButtonBox::ActionRole);
    QPushButton *closeButton = buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);
    // Save must not close the window: the buttons are wired by hand.
    disconnect(buttons, nullptr, this, nullptr);
    connect(saveButton, &QPushButton::clicked, this, &RemarksDialog::save);
    connect(clearButton, &QPushButton::clicked, this, &RemarksDialog::clearRemark);
    connect(importButton, &QPushButton::clicked, this, &RemarksDialog::importRemarks);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_use, &QPushButton::clicked, this, &RemarksDialog::useTicked);
    resize(640, 420);

    m_text->setPlainText(m_report.value(kRemarksPage, m_point));
}

QString RemarksDialog::text() const
{
    return m_text->toPlainText();
}

void RemarksDialog::setText(const QString &text)
{
    m_text->setPlainText(text);
}

void RemarksDialog::save()
{
    m_report.setValue(kRemarksPage, m_point, text());
    storeRemarks();
    prompts().inform(QStringLiteral("Saved Successfully."));
}

void RemarksDialog::storeRemarks()
{
    try {
        m_report.savePage(kRemarksPage);
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void RemarksDialog::clearRemark()
{
    if (!prompts().askYesNo(QStringLiteral("Do you want to clear the remark?.")))
        return;
    m_text->clear();
    m_report.removePoint(kRemarksPage, m_point);
    storeRemarks();
}

void RemarksDialog::importRemarks()
{
    try {
        Database &db = host().DBObj();
        const int year = host().yearKey().toInt();
        const QString condition = QStringLiteral(" where PageNo=301 and pointno=?");
        db.Execute(QStringLiteral("DROP TABLE IF EXISTS tmp_remarks"));
        db.Execute(
            QStringLiteral(
                "CREATE TABLE IF NOT EXISTS tmp_remarks select distinct col1 as Remarks from anx_j3cd_%1")
                    .arg(year) +
                condition,
            {m_point});
        const QString previous = QStringLiteral("anx_j3cd_%1").arg(year - 1);
        if (db.tableExists(previous)) {
            db.Execute(QStringLiteral("insert into tmp_remarks select distinct col1 as Remarks from ") +
                           previous + condition,
                       {m_point});
        }
        m_imports->clear();
        for (Recordset rs =
                 db.Execute(QStringLiteral("Select distinct Remarks from tmp_remarks where Remarks<>''"));
             !rs.Eof(); rs.MoveNext()) {
            auto *item = new QListWidgetItem(rs.Fields(0), m_imports);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        m_imports->show();
        m_use->show();
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void RemarksDialog::useTicked()
{
    QStringList ticked;
    for (int i = 0; i < m_imports->count(); ++i) {
        if (m_imports->item(i)->checkState() == Qt::Checked)
            ticked << m_imports->item(i)->text();
    }
    if (ticked.isEmpty()) {
        prompts().inform(QStringLiteral("Please select remark(s) to import."));
        return;
    }
    QStringList parts;
    if (!text().trimmed().isEmpty())
        parts << text();
    parts << ticked;
    m_text->setPlainText(parts.join(u'\n'));
}
