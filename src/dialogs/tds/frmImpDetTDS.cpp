#include "frmImpDetTDS.h"

#include "base/SharedMessages.h"

#include "base/Prompt.h"
#include "commands/TdsImportCommand.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "print/ReportEngine.h"
#include "print/TdsDetailsReport.h"
#include "spreadsheet/TdsImport.h"
#include "store/DbError.h"
#include "tds/TdsDbImport.h"
#include "tds/TdsSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

// The address as the window shows it: the password stays in the settings.
QString shownAddress(DbUrl url)
{
    url.password.clear();
    return url.isValid() ? url.toString() : QString();
}

} // namespace

frmImpDetTDS::frmImpDetTDS(Source source, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmImpDetTDS"));
    setWindowTitle(tr("Import TDS Details"));
    m_settingsUrl = TdsSettings::connection(host());

    auto *workbook = new QGroupBox(tr("From TDS Excel Workbook"), this);
    auto *workbookRow = new QHBoxLayout(workbook);
    txtWorkbook = new QLineEdit(workbook);
    txtWorkbook->setObjectName(QStringLiteral("txtWorkbook"));
    auto *cmdBrowse = new QPushButton(tr("&Browse..."), workbook);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdProceed = new QPushButton(tr("&Proceed"), workbook);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    workbookRow->addWidget(new QLabel(tr("Workbook:"), workbook));
    workbookRow->addWidget(txtWorkbook, 1);
    workbookRow->addWidget(cmdBrowse);
    workbookRow->addWidget(cmdProceed);

    auto *database = new QGroupBox(tr("From TDS Software Database"), this);
    auto *grid = new QGridLayout(database);
    txtDatabase = new QLineEdit(shownAddress(m_settingsUrl), database);
    txtDatabase->setObjectName(QStringLiteral("txtDatabase"));
    txtDatabase->setPlaceholderText(
        QStringLiteral("mysql://user@server:3306/database  or  sqlite:/path/tds.db"));
    cmdConnect = new QPushButton(tr("Co&nnect"), database);
    cmdConnect->setObjectName(QStringLiteral("cmdConnect"));
    grid->addWidget(new QLabel(tr("Database:"), database), 0, 0);
    grid->addWidget(txtDatabase, 0, 1, 1, 3);
    grid->addWidget(cmdConnect, 0, 4);
    grid->setColumnStretch(1, 1);

    lstClients = new QTableWidget(0, 5, database);
    lstClients->setObjectName(QStringLiteral("lstClients"));
    lstClients->setHorizontalHeaderLabels({tr("Name"), tr("Code"), tr("PAN"), tr("TAN"), tr("City")});
    lstClients->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstClients->verticalHeader()->hide();
    lstClients->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstClients->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->addWidget(lstClients, 1, 0, 1, 5);
    grid->setRowStretch(1, 1);

    chkDueDate = new QCheckBox(tr("Correct the due date of furnishing the return of income"), database);
    chkDueDate->setObjectName(QStringLiteral("chkDueDate"));
    txtDueDate = new QLineEdit(database);
    txtDueDate->setObjectName(QStringLiteral("txtDueDate"));
    txtDueDate->setInputMask(QStringLiteral("99/99/9999;_"));
    txtDueDate->setEnabled(false);
    txtDueDate->setMaximumWidth(120);
    auto *dueDateRow = new QHBoxLayout;
    dueDateRow->addWidget(chkDueDate);
    dueDateRow->addWidget(txtDueDate);
    dueDateRow->addStretch();
    grid->addLayout(dueDateRow, 2, 0, 1, 5);
    connect(chkDueDate, &QCheckBox::toggled, txtDueDate, &QWidget::setEnabled);

    lblStep = new QLabel(database);
    lblStep->setObjectName(QStringLiteral("lblStep"));
    prgSteps = new QProgressBar(database);
    prgSteps->setObjectName(QStringLiteral("prgSteps"));
    prgSteps->setValue(0);
    grid->addWidget(lblStep, 3, 0, 1, 5);
    grid->addWidget(prgSteps, 4, 0, 1, 5);

    auto *buttons = new QHBoxLayout;
    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdPreview = new QPushButton(tr("P&review"), this);
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdBack = new QPushButton(tr("B&ack"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    buttons->addStretch();
    // Enter runs the command beside the address typed (Proceed, Connect), never OK: an import
    // starts only when the accountant clicks it.
    for (QPushButton *b : {cmdOK, cmdPreview, cmdCancel, cmdBack, cmdBrowse, cmdProceed, cmdConnect}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    for (QPushButton *b : {cmdOK, cmdPreview, cmdCancel, cmdBack})
        buttons->addWidget(b);
    cmdCancel->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(workbook);
    layout->addWidget(database, 1);
    layout->addLayout(buttons);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmImpDetTDS::browseWorkbook);
    connect(cmdProceed, &QPushButton::clicked, this, &frmImpDetTDS::proceedWorkbook);
    connect(cmdConnect, &QPushButton::clicked, this, &frmImpDetTDS::connectDatabase);
    connect(txtDatabase, &QLineEdit::returnPressed, this, &frmImpDetTDS::connectDatabase);
    connect(txtWorkbook, &QLineEdit::returnPressed, this, &frmImpDetTDS::proceedWorkbook);
    connect(cmdOK, &QPushButton::clicked, this, &frmImpDetTDS::importSelected);
    connect(cmdPreview, &QPushButton::clicked, this, &frmImpDetTDS::preview);
    connect(cmdCancel, &QPushButton::clicked, this, &frmImpDetTDS::cancel);
    connect(cmdBack, &QPushButton::clicked, this, &QDialog::reject);

    resize(900, 560);
    (source == Source::Workbook ? static_cast<QWidget *>(txtWorkbook) : lstClients)->setFocus();
}

frmImpDetTDS::~frmImpDetTDS() = default;

void frmImpDetTDS::browseWorkbook()
{
    const QString path = prompts().openFile(
        SharedMessages::tdsDetailsFromExcel(),
        QStringLiteral(
            "Excel 97-2003 Workbook(*.xls)|*.xls|Excel 2007 or higher version Workbook(*.xlsx)|*.xlsx"),
        txtWorkbook->text().isEmpty() ? host().DocPath() : txtWorkbook->text());
    if (!path.isEmpty())
        txtWorkbook->setText(path);
}

bool frmImpDetTDS::proceedWorkbook()
{
    try {
        const auto report = ReportModel::load();
        return TdsImportCommand::fromWorkbook(*report, txtWorkbook->text().trimmed(), host().vAsPAN(),
                                              host().annexFolder())
            .imported;
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
}

bool frmImpDetTDS::connectDatabase()
{
    const QString text = txtDatabase->text().trimmed();
    const bool fromSettings = text == shownAddress(m_settingsUrl);
    const DbUrl url = fromSettings ? m_settingsUrl : DbUrl::parse(text);
    lstClients->setRowCount(0);
    m_clients.clear();
    m_source.reset();
    try {
        if (!url.isValid())
            throw DbError(tr("[%1] is not the address of a database.").arg(text));
        m_source = TdsSource::open(url);
        m_clients = m_source->clients();
    } catch (const DbError &e) {
        m_source.reset();
        prompts().message(SharedMessages::tdsConnectionFailed(e.message()), {}, PromptIcon::Critical);
        return false;
    }
    if (!fromSettings)
        host().SaveSettingINI(TdsSettings::kRegistryKey, QStringLiteral("Database"), text);
    if (m_clients.isEmpty()) {
        prompts().inform(QStringLiteral("No Client in TDS Database."));
        return false;
    }
    lstClients->setRowCount(int(m_clients.size()));
    for (int r = 0; r < m_clients.size(); ++r) {
        const TdsClient &c = m_clients.at(r);
        const QStringList cells{c.name, c.code, c.pan, c.tan, c.city};
        for (int col = 0; col < cells.size(); ++col) {
            auto *item = new QTableWidgetItem(cells.at(col));
            if (col == 0)
                item->setCheckState(Qt::Unchecked);
            lstClients->setItem(r, col, item);
        }
    }
    lstClients->resizeColumnsToContents();
    lstClients->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    txtDueDate->setText(TdsDbImport::returnDueDate(*m_source, host().assessmentYearText()));
    return true;
}

QList<TdsClient> frmImpDetTDS::selectedClients() const
{
    QList<TdsClient> selected;
    for (int r = 0; r < lstClients->rowCount(); ++r)
        if (lstClients->item(r, 0)->checkState() == Qt::Checked)
            selected << m_clients.at(r);
    return selected;
}

bool frmImpDetTDS::importSelected()
{
    if (!m_source) {
        prompts().inform(SharedMessages::selectAClient());
        return false;
    }
    const QList<TdsClient> selected = selectedClients();
    if (!TdsImportCommand::confirmClients(selected, host().vAsPAN()))
        return false;
    if (chkDueDate->isChecked()) {
        const QString refusal = TdsDbImport::dueDateRefusal(txtDueDate->text());
        if (!refusal.isEmpty()) {
            prompts().message(refusal, {}, PromptIcon::Warning);
            txtDueDate->setFocus();
            return false;
        }
    }
    const QString assessmentYear = host().assessmentYearText();
    const TdsLists::Options options{
        assessmentYear,
        chkDueDate->isChecked() ? txtDueDate->text() : TdsDbImport::returnDueDate(*m_source, assessmentYear)};
    setRunning(true);
    bool imported = false;
    try {
        const auto report = ReportModel::load();
        m_lists.clear();
        const TdsImportCommand::Result result =
            TdsImportCommand::fromDatabase(*report, *m_source, selected, options, host().annexFolder(),
                                           [this](const QString &caption, int done, int total) {
                                               return showProgress(caption, done, total);
                                           });
        imported = result.imported;
        m_lists = result.lists;
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
    m_imported = selected;
    prgSteps->setValue(m_cancelled ? 0 : prgSteps->maximum());
    lblStep->clear();
    setRunning(false);
    return imported;
}

bool frmImpDetTDS::showProgress(const QString &caption, int done, int total)
{
    lblStep->setText(caption);
    prgSteps->setMaximum(std::max(total, 1));
    prgSteps->setValue(done);
    QApplication::processEvents();
    return !m_cancelled;
}

void frmImpDetTDS::setRunning(bool running)
{
    m_running = running;
    m_cancelled = false;
    for (QPushButton *b : {cmdOK, cmdPreview, cmdBack, cmdConnect, cmdProceed})
        b->setEnabled(!running);
    cmdCancel->setEnabled(running);
}

void frmImpDetTDS::cancel()
{
    if (m_running && prompts().askYesNo(QStringLiteral("Do you really want to Cancel?")))
        m_cancelled = true;
}

void frmImpDetTDS::reject()
{
    if (m_running)
        cancel();
    else
        QDialog::reject();
}

void frmImpDetTDS::preview()
{
    if (m_lists.isEmpty()) {
        prompts().inform(QStringLiteral("No Record !"));
        return;
    }
    const QString yearKey = host().yearKey();
    TdsDetailsReport::Heading heading{host().assessmentYearText(), TdsImport::financialYear(yearKey), {}, {}};
    if (m_imported.size() == 1) {
        heading.pan = m_imported.first().pan;
        heading.tan = m_imported.first().tan;
    }
    ReportEngine engine;
    TdsDetailsReport::build(engine, heading, m_lists);
}
