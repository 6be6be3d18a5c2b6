#include "LauncherWindow.h"

#include "ClientDialog.h"
#include "base/Prompt.h"
#include "dialogs/frmSignPDF.h"
#include "editor/OpenWith.h"
#include "editor/clsMain.h"
#include "efiling/import/ReportForm.h"
#include "host/DemoData.h"
#include "host/TalvexBase.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

LauncherWindow::LauncherWindow(TalvexBase &host, clsMain &module, QWidget *parent)
    : QMainWindow(parent), m_host(host), m_module(module)
{
    setWindowTitle(QStringLiteral("Talvex - Audit Reports"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);

    auto *top = new QHBoxLayout;
    auto *yearLabel = new QLabel(tr("Financial &year:"), central);
    top->addWidget(yearLabel);
    m_year = new QComboBox(central);
    m_year->setObjectName(QStringLiteral("cboYear"));
    yearLabel->setBuddy(m_year);
    // Financial years from 2019-20 to the current one; the year key is its closing year.
    const QDate today = QDate::currentDate();
    const int latest = today.month() >= 4 ? today.year() + 1 : today.year();
    for (int y = latest; y >= 2020; --y)
        m_year->addItem(QStringLiteral("%1-%2").arg(y - 1).arg(y % 100, 2, 10, QLatin1Char('0')),
                        QString::number(y));
    const QString remembered = m_host.GetSettingINI(
        "Launcher", "Year", QString::number(today.month() >= 4 ? today.year() : today.year() - 1));
    m_year->setCurrentIndex(std::max(0, m_year->findData(remembered)));
    top->addWidget(m_year);
    top->addStretch();
    auto *sign = new QPushButton(tr("Sign &PDF..."), central);
    top->addWidget(sign);
    connect(sign, &QPushButton::clicked, this, [this] {
        // The statements printed from the accounts are those of the chosen client and year.
        if (QTableWidgetItem *code = m_clients->item(m_clients->currentRow(), 0)) {
            try {
                m_host.selectClient(code->text());
                m_host.selectYear(m_year->currentData().toString());
            } catch (const DbError &e) {
                prompts().message(e.message(), {}, PromptIcon::Critical);
                return;
            }
        }
        frmSignPDF window(this);
        window.loadCertificates(frmSignPDF::rememberedStore());
        window.exec();
    });
    auto *status = new QPushButton(tr("Filing S&tatus..."), central);
    top->addWidget(status);
    connect(status, &QPushButton::clicked, this,
            [this] { m_module.Show3CDReport(m_year->currentData().toInt(), QString()); });
    auto *add = new QPushButton(tr("Add &Client..."), central);
    top->addWidget(add);
    layout->addLayout(top);

    m_clients = new QTableWidget(0, 4, central);
    m_clients->setObjectName(QStringLiteral("grdClients"));
    // Tab moves on to the Form buttons; the arrow keys move between clients.
    m_clients->setTabKeyNavigation(false);
    m_clients->setHorizontalHeaderLabels({tr("Code"), tr("Name"), tr("PAN"), tr("Status")});
    m_clients->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_clients->setSelectionMode(QAbstractItemView::SingleSelection);
    m_clients->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_clients->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_clients->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_clients->verticalHeader()->hide();
    layout->addWidget(m_clients);

    auto *buttons = new QHBoxLayout;
    const QStringList forms{tr("Form 3C&A-3CD"), tr("Form 3C&B-3CD"), tr("Form 3C&EB")};
    const QStringList names{QStringLiteral("cmdForm3CA"), QStringLiteral("cmdForm3CB"),
                            QStringLiteral("cmdForm3CEB")};
    for (int i = 0; i < forms.size(); ++i) {
        auto *b = new QPushButton(forms.at(i), central);
        b->setObjectName(names.at(i));
        connect(b, &QPushButton::clicked, this, [this, i] { openReport(i); });
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    setCentralWidget(central);

    connect(add, &QPushButton::clicked, this, &LauncherWindow::addClient);
    // Enter and a double-click open the form the client's report of the year is kept in.
    connect(m_clients, &QTableWidget::activated, this, [this] { openReport(formOfReport()); });
    connect(m_year, &QComboBox::currentIndexChanged, this,
            [this] { m_host.SaveSettingINI("Launcher", "Year", m_year->currentData().toString()); });

    loadClients(m_host.GetSettingINI("Launcher", "Client", QString()));
    restoreGeometry(
        QByteArray::fromBase64(m_host.GetSettingINI("Launcher", "Geometry", QString()).toLatin1()));
    m_clients->setFocus();
    if (!m_host.GetSettingINI("Launcher", "Geometry", QString()).isEmpty())
        return;
    resize(760, 480);
}

int LauncherWindow::formOfReport()
{
    const QTableWidgetItem *code = m_clients->item(m_clients->currentRow(), 0);
    if (!code)
        return 0;
    const QString year = m_year->currentData().toString();
    try {
        switch (ReportForm::stored(m_host.DBObj(), code->text(), year)) {
        case FormKind::F3CB:
            return 1;
        case FormKind::F3CA:
            return 0;
        default:
            break;
        }
        ModuleState form3ceb;
        form3ceb.openForm(FormKind::F3CEB, year);
        const QString &table = form3ceb.clauseTable;
        if (!m_host.DBObj().tableExists(table))
            return 0;
        Recordset rs = m_host.DBObj().Execute(
            QStringLiteral("SELECT count(*) FROM %1 WHERE Code_No=? AND FYr=?").arg(table),
            {code->text(), year});
        return rs.Fields(0).toInt() > 0 ? 2 : 0;
    } catch (const DbError &) {
        // Without a readable report the first form opens, which says what is wrong itself.
        return 0;
    }
}

void LauncherWindow::loadClients(const QString &select)
{
    Recordset rs = m_host.DBObj().Execute("SELECT Code_No, Name, PAN, Status FROM main_info1 ORDER BY Name");
    m_clients->setRowCount(0);
    for (; !rs.Eof(); rs.MoveNext()) {
        const int row = m_clients->rowCount();
        m_clients->insertRow(row);
        for (int c = 0; c < 4; ++c)
            m_clients->setItem(row, c, new QTableWidgetItem(rs.Fields(c)));
        if (rs.Fields(0) == select || (select.isEmpty() && row == 0))
            m_clients->selectRow(row);
    }
}

void LauncherWindow::addClient()
{
    ClientDialog dialog(m_host.DBObj(), this);
    if (dialog.exec() == QDialog::Accepted)
        loadClients(dialog.code());
}

void LauncherWindow::openReport(int index)
{
    const int row = m_clients->currentRow();
    if (row < 0) {
        prompts().inform(tr("Please select a client."));
        return;
    }
    const QString code = m_clients->item(row, 0)->text();
    try {
        m_host.selectClient(code);
        m_host.selectYear(m_year->currentData().toString());
        m_host.SaveSettingINI("Launcher", "Client", code);
        m_module.OpenForm(index);
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void LauncherWindow::importFile(const QString &file)
{
    if (OpenWith::importFile(m_host, file, m_year->currentData().toString()))
        loadClients(m_host.Temp_Code());
}

void LauncherWindow::closeEvent(QCloseEvent *event)
{
    m_host.SaveSettingINI("Launcher", "Geometry", QString::fromLatin1(saveGeometry().toBase64()));
    QMainWindow::closeEvent(event);
}
