#include "frmBulkXMLImport.h"

#include "base/Prompt.h"
#include "host/HostContext.h"
#include "store/ClientList.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

frmBulkXMLImport::frmBulkXMLImport(BulkImport::FileImport importFile, QWidget *parent)
    : QDialog(parent), m_importFile(std::move(importFile))
{
    setWindowTitle(QStringLiteral("Bulk Import of Form 3CD JSON Files"));
    auto *layout = new QVBoxLayout(this);
    m_steps = new QStackedWidget(this);
    layout->addWidget(m_steps);

    auto *source = new QWidget(m_steps);
    auto *sourceLayout = new QVBoxLayout(source);
    auto *kind = new QHBoxLayout;
    m_folder = new QRadioButton(tr("&Folder"), source);
    m_folder->setObjectName(QStringLiteral("optfolder"));
    m_zip = new QRadioButton(tr("&Zip File"), source);
    m_zip->setObjectName(QStringLiteral("optzip"));
    m_folder->setChecked(true);
    kind->addWidget(m_folder);
    kind->addWidget(m_zip);
    kind->addStretch();
    sourceLayout->addLayout(kind);
    auto *pathRow = new QHBoxLayout;
    m_path = new QLineEdit(source);
    m_path->setObjectName(QStringLiteral("txtpath"));
    auto *browse = new QPushButton(tr("&Browse..."), source);
    auto *show = new QPushButton(tr("&Show Files"), source);
    show->setDefault(true);
    pathRow->addWidget(m_path);
    pathRow->addWidget(browse);
    sourceLayout->addLayout(pathRow);
    sourceLayout->addWidget(show, 0, Qt::AlignRight);
    sourceLayout->addStretch();
    m_steps->addWidget(source);

    auto *list = new QWidget(m_steps);
    auto *listLayout = new QVBoxLayout(list);
    m_grid = new QTableWidget(0, ColumnCount, list);
    m_grid->setHorizontalHeaderLabels({tr("File"), tr("Form"), tr("A.Y."), tr("PAN"), tr("Client"),
                                       tr("Name"), tr("Select"), tr("Status")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->horizontalHeader()->setSectionResizeMode(ColName, QHeaderView::Stretch);
    m_grid->verticalHeader()->hide();
    listLayout->addWidget(
        new QLabel(tr("Double-click a client cell to choose the client of a return."), list));
    listLayout->addWidget(m_grid);
    auto *buttons = new QHBoxLayout;
    auto *back = new QPushButton(tr("&Back"), list);
    auto *proceed = new QPushButton(tr("&Proceed"), list);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(proceed);
    listLayout->addLayout(buttons);
    m_steps->addWidget(list);

    connect(browse, &QPushButton::clicked, this, &frmBulkXMLImport::browse);
    connect(show, &QPushButton::clicked, this, &frmBulkXMLImport::showList);
    connect(back, &QPushButton::clicked, this, &frmBulkXMLImport::backToSource);
    connect(proceed, &QPushButton::clicked, this, &frmBulkXMLImport::proceed);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == ColClient || column == ColName)
            chooseClient(row);
    });
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->column() == ColSelect && item->row() < m_files.size())
            m_files[item->row()].selected = item->checkState() == Qt::Checked;
    });
    resize(900, 480);
}

bool frmBulkXMLImport::onListStep() const
{
    return m_steps->currentIndex() == 1;
}

void frmBulkXMLImport::browse()
{
    const QString start = m_path->text().isEmpty() ? host().DocPath() : m_path->text();
    const QString chosen =
        m_zip->isChecked()
            ? prompts().openFile(QStringLiteral("Select Zip File"), QStringLiteral("Zip Files|*.zip"), start)
            : prompts().chooseFolder(QStringLiteral("Select Folder"), start);
    if (!chosen.isEmpty())
        m_path->setText(chosen);
}

bool frmBulkXMLImport::showList()
{
    if (!BulkImport::scan(m_path->text(), m_zip->isChecked(), m_files, m_unpacked))
        return false;
    fillGrid();
    m_steps->setCurrentIndex(1);
    return true;
}

void frmBulkXMLImport::fillGrid()
{
    const QSignalBlocker block(m_grid);
    m_grid->setRowCount(int(m_files.size()));
    for (int r = 0; r < m_files.size(); ++r) {
        const BulkImport::File &f = m_files.at(r);
        const QStringList texts{f.fileName, f.form,       f.year,    f.pan,
                                f.client,   f.clientName, QString(), f.status};
        for (int c = 0; c < ColumnCount; ++c)
            m_grid->setItem(r, c, new QTableWidgetItem(texts.at(c)));
        QTableWidgetItem *select = m_grid->item(r, ColSelect);
        select->setFlags(select->flags() | Qt::ItemIsUserCheckable);
        select->setCheckState(f.selected ? Qt::Checked : Qt::Unchecked);
    }
}

void frmBulkXMLImport::chooseClient(int row)
{
    if (row < 0 || row >= m_files.size())
        return;
    QStringList codes, items;
    for (const ClientList::Client &client : ClientList::byName(host().DBObj())) {
        codes << client.code;
        items << QStringLiteral("%1  [%2]  %3").arg(client.name, client.code, client.pan);
    }
    const int chosen = prompts().choose(QStringLiteral("Select Client"), m_files.at(row).fileName, items);
    if (chosen < 0)
        return;
    BulkImport::assignClient(m_files[row], codes.at(chosen));
    fillGrid();
}

void frmBulkXMLImport::proceed()
{
    if (!BulkImport::importSelected(m_files, m_importFile))
        return;
    fillGrid();
    if (prompts().askYesNo(QStringLiteral("Import Completed.\nDo you want to import another file?.")))
        backToSource();
}

void frmBulkXMLImport::backToSource()
{
    m_files.clear();
    m_unpacked.release();
    m_grid->setRowCount(0);
    m_path->clear();
    m_steps->setCurrentIndex(0);
}
