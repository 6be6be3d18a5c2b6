#include "PrintOptionsDialog.h"

#include "base/SharedMessages.h"

#include "base/Prompt.h"
#include "host/HostContext.h"
#include "print/PsToPdf.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

const QString SettingsSection = QStringLiteral("Form3CD");
const QString FormatKey = QStringLiteral("PFORMAT");

} // namespace

PrintOptionsDialog::PrintOptionsDialog(const QString &form, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPrintOptions"));
    setWindowTitle(QStringLiteral("Print Options"));
    m_front = TemplateLists::frontPages(host().DocPath(), form);
    m_3cd = TemplateLists::form3CD(host().DocPath());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select Template for ") + form, this));
    m_frontList = makeList(QStringLiteral("grdFront"), m_front);
    layout->addWidget(m_frontList);
    layout->addWidget(new QLabel(QStringLiteral("Select Template for 3CD"), this));
    m_3cdList = makeList(QStringLiteral("grd3CD"), m_3cd);
    layout->addWidget(m_3cdList);

    m_frontList->item(0, 0)->setCheckState(Qt::Checked);
    const QString remembered = host().GetSettingINI(SettingsSection, FormatKey, QString());
    for (int r = 0; r < m_3cd.size(); ++r) {
        if (m_3cd.at(r).name == remembered)
            m_3cdList->item(r, 0)->setCheckState(Qt::Checked);
    }

    m_nilFirstColumn = new QCheckBox(PrintChoices::NilFirstColumnCaption, this);
    m_nilFirstColumn->setObjectName(QStringLiteral("chkNilFirstColumn"));
    m_itdPortal = new QCheckBox(PrintChoices::ItdPortalCaption, this);
    m_itdPortal->setObjectName(QStringLiteral("chkITDPortal"));
    layout->addWidget(m_nilFirstColumn);
    layout->addWidget(m_itdPortal);

    auto *buttons = new QHBoxLayout;
    auto *proceed = new QPushButton(QStringLiteral("&Continue"), this);
    proceed->setObjectName(QStringLiteral("cmdContinue"));
    proceed->setDefault(true);
    auto *blank = new QPushButton(QStringLiteral("&Generate Blank File"), this);
    blank->setObjectName(QStringLiteral("cmdBlank"));
    auto *cancel = new QPushButton(QStringLiteral("C&ancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *postScript = new QPushButton(QStringLiteral("&PostScript to PDF..."), this);
    postScript->setObjectName(QStringLiteral("cmdPostScript"));
    postScript->setToolTip(QStringLiteral("Turn a PostScript print file into PDF through Ghostscript"));
    buttons->addWidget(postScript);
    buttons->addStretch();
    buttons->addWidget(proceed);
    buttons->addWidget(blank);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(proceed, &QPushButton::clicked, this, [this] { cmdContinue_Click(false); });
    connect(blank, &QPushButton::clicked, this, [this] { cmdContinue_Click(true); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(postScript, &QPushButton::clicked, this, &PrintOptionsDialog::cmdPostScript_Click);
    resize(560, 460);
}

// A report printed to a PostScript file (a printer's "print to file") becomes a PDF beside it.
void PrintOptionsDialog::cmdPostScript_Click()
{
    const QString source =
        prompts().openFile(QStringLiteral("Select File"), PsToPdf::SourceFilter, QString());
    if (source.isEmpty())
        return;
    const QString pdf =
        QFileInfo(source).dir().filePath(QFileInfo(source).completeBaseName() + QStringLiteral(".pdf"));
    if (QFileInfo::exists(pdf) && !prompts().askYesNo(SharedMessages::pdfExists(QFileInfo(pdf).fileName())))
        return;
    QString reason;
    if (!PsToPdf::convertFile(source, pdf, &reason)) {
        prompts().message(reason, {}, PromptIcon::Critical);
        return;
    }
    prompts().inform(SharedMessages::pdfCreated());
}

QTableWidget *PrintOptionsDialog::makeList(const QString &name,
                                           const QList<TemplateLists::Template> &templates)
{
    auto *list = new QTableWidget(int(templates.size()), 2, this);
    list->setObjectName(name);
    list->setHorizontalHeaderLabels({QString(), QStringLiteral("Template")});
    list->verticalHeader()->hide();
    list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < templates.size(); ++r) {
        auto *tick = new QTableWidgetItem;
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        tick->setCheckState(Qt::Unchecked);
        list->setItem(r, 0, tick);
        auto *caption = new QTableWidgetItem(templates.at(r).name);
        caption->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        caption->setToolTip(templates.at(r).path);
        list->setItem(r, 1, caption);
    }
    connect(list, &QTableWidget::itemChanged, this,
            [this, list](QTableWidgetItem *item) { keepOneTicked(list, item); });
    connect(list, &QTableWidget::cellDoubleClicked, this,
            [list](int row, int) { list->item(row, 0)->setCheckState(Qt::Checked); });
    return list;
}

void PrintOptionsDialog::keepOneTicked(QTableWidget *list, QTableWidgetItem *changed)
{
    if (changed->column() != 0 || changed->checkState() != Qt::Checked)
        return;
    const QSignalBlocker quiet(list);
    for (int r = 0; r < list->rowCount(); ++r) {
        if (r != changed->row())
            list->item(r, 0)->setCheckState(Qt::Unchecked);
    }
}

int PrintOptionsDialog::tickedRow(const QTableWidget *list)
{
    for (int r = 0; r < list->rowCount(); ++r) {
        if (list->item(r, 0)->checkState() == Qt::Checked)
            return r;
    }
    return -1;
}

void PrintOptionsDialog::cmdContinue_Click(bool blank)
{
    const int format = tickedRow(m_3cdList);
    if (format < 0) {
        prompts().inform(QStringLiteral("Please select a format."));
        return;
    }
    const int front = qMax(0, tickedRow(m_frontList));
    host().SaveSettingINI(SettingsSection, FormatKey, m_3cd.at(format).name);
    m_choices.frontTemplate = m_front.at(front).path;
    m_choices.form3cdTemplate = m_3cd.at(format).path;
    m_choices.blank = blank;
    m_choices.nilFirstColumnOnly = m_nilFirstColumn->isChecked();
    m_choices.itdPortal = m_itdPortal->isChecked();
    accept();
}
