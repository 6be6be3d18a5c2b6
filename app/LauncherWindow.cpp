#include "LauncherWindow.h"

#include "ClientDialog.h"
#include "base/Prompt.h"
#include "dialogs/frmSignPDF.h"
#include "editor/OpenWith.h"
#include "editor/clsMain.h"
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
    top->addWidget(new QLabel(tr("Financial year:"), central));
    m_year = new QComboBox(central);
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
    auto *add = new QPushButton(tr("&Add Client..."), central);
    top->addWidget(add);
    layout->addLayout(top);

    m_clients = new QTableWidget(0, 4, central);
    m_clients->setHorizontalHeaderLabels({tr("Code"), tr("Name"), tr("PAN"), tr("Status")});
    m_clients->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_clients->setSelectionMode(QAbstractItemView::SingleSelection);
    m_clients->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_clients->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_clients->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_clients->verticalHeader()->hide();
    layout->addWidget(m_clients);

    auto *buttons = new QHBoxLayout;
    const QStringList forms{tr("Form 3CA-3CD"), tr("Form 3CB-3CD"), tr("Form 3CEB")};
    for (int i = 0; i < forms.size(); ++i) {
        auto *b = new QPushButton(forms.at(i), central);
        connect(b, &QPushButton::clicked, this, [this, i] { openReport(i); });
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    setCentralWidget(central);

    connect(add, &QPushButton::clicked, this, &LauncherWindow::addClient);
    connect(m_clients, &QTableWidget::cellDoubleClicked, this, [this] { openReport(0); });
    connect(m_year, &QComboBox::currentIndexChanged, this,
            [this] { m_host.SaveSettingINI("Launcher", "Year", m_year->currentData().toString()); });

    loadClients(m_host.GetSettingINI("Launcher", "Client", QString()));
    restoreGeometry(
        QByteArray::fromBase64(m_host.GetSettingINI("Launcher", "Geometry", QString()).toLatin1()));
    if (!m_host.GetSettingINI("Launcher", "Geometry", QString()).isEmpty())
        return;
    resize(760, 480);
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
