#include "AdditionDeductionFrame.h"

#include "catalogue/DepreciationEntries.h"
#include "catalogue/Vocabulary.h"
#include "model/ClauseGridModel.h"
#include "pages/ClauseGrid.h"
#include "pages/WidgetValues.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using WidgetValues::cellText;
using WidgetValues::setCellText;
using namespace DepreciationEntries;

AdditionDeductionFrame::AdditionDeductionFrame(QWidget *parent)
    : QGroupBox(tr("Addition / Deduction"), parent)
{
    setObjectName(QStringLiteral("fraAddDed"));
    auto *layout = new QVBoxLayout(this);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Asset Name"), this));
    m_assetName = new QLabel(this);
    m_assetName->setObjectName(QStringLiteral("lblAssetName"));
    nameRow->addWidget(m_assetName, 1);
    layout->addLayout(nameRow);

    m_vsAdd = makeGrid(QStringLiteral("vsAdd"), DepreciationEntries::additionColumns());
    connect(m_vsAdd, &ClauseGrid::edited, this, [this](int row, int) { totalOfEntry(row); });
    m_vsDed = makeGrid(QStringLiteral("vsDed"), DepreciationEntries::deductionColumns());
    for (ClauseGrid *grid : {m_vsAdd, m_vsDed})
        connect(grid, &ClauseGrid::hintChanged, this, &AdditionDeductionFrame::hintChanged);

    m_addOk = new QPushButton(tr("OK"), this);
    m_addOk->setObjectName(QStringLiteral("cmdAddOK"));
    connect(m_addOk, &QPushButton::clicked, this, &AdditionDeductionFrame::additionsAccepted);
    m_dedOk = new QPushButton(tr("OK"), this);
    m_dedOk->setObjectName(QStringLiteral("cmdDedOK"));
    connect(m_dedOk, &QPushButton::clicked, this, &AdditionDeductionFrame::deductionsAccepted);

    auto *lists = new QHBoxLayout;
    lists->addWidget(listBox(m_vsAdd, m_addOk), 3);
    lists->addWidget(listBox(m_vsDed, m_dedOk), 2);
    layout->addLayout(lists);
    setEnabled(false);
}

ClauseGrid *AdditionDeductionFrame::makeGrid(const QString &name, const QList<Catalogue::Column> &columns)
{
    Catalogue::Control control;
    control.type = Catalogue::ControlType::Grid;
    control.name = name;
    control.columns = columns;
    auto *grid = new ClauseGrid(control, m_lists, this);
    grid->setMinimumHeight(140);
    return grid;
}

QWidget *AdditionDeductionFrame::listBox(ClauseGrid *grid, QPushButton *ok)
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid, 1);
    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(tr("Add Row"), box);
    add->setObjectName(QStringLiteral("cmdAdd") + grid->objectName());
    connect(add, &QPushButton::clicked, grid, &ClauseGrid::addRow);
    auto *remove = new QPushButton(tr("Remove Row"), box);
    remove->setObjectName(QStringLiteral("cmdRemove") + grid->objectName());
    connect(remove, &QPushButton::clicked, grid, &ClauseGrid::removeCurrentRow);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    return box;
}

void AdditionDeductionFrame::showBlock(const QString &description, const QString &additions,
                                       const QString &deductions)
{
    showAdditions(additions);
    showDeductions(deductions);
    renameBlock(description);
}

void AdditionDeductionFrame::showAdditions(const QString &additions)
{
    QList<QStringList> rows;
    for (const AdditionEntry &e : Clause18Lists::parseAdditions(additions))
        rows << QStringList{e.purchaseDate, e.useDate, e.purchase, e.cenvat, e.exchange, e.subsidy, e.total};
    m_vsAdd->setRows(rows);
    m_shownAdditions = rowsOf(m_vsAdd);
}

void AdditionDeductionFrame::showDeductions(const QString &deductions)
{
    QList<QStringList> rows;
    for (const DeductionEntry &e : Clause18Lists::parseDeductions(deductions))
        rows << QStringList{e.saleDate, e.amount, e.outOfLess180 ? Vocabulary::TrueWord : QString()};
    m_vsDed->setRows(rows);
    m_shownDeductions = rowsOf(m_vsDed);
}

void AdditionDeductionFrame::renameBlock(const QString &description)
{
    m_assetName->setText(description);
    setEnabled(!description.isEmpty());
}

QString AdditionDeductionFrame::blockName() const
{
    return m_assetName->text();
}

QList<QStringList> AdditionDeductionFrame::rowsOf(const ClauseGrid *grid)
{
    QList<QStringList> rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows << grid->gridModel()->rowCells(r);
    return rows;
}

bool AdditionDeductionFrame::additionsPending() const
{
    return isEnabled() && rowsOf(m_vsAdd) != m_shownAdditions;
}

bool AdditionDeductionFrame::deductionsPending() const
{
    return isEnabled() && rowsOf(m_vsDed) != m_shownDeductions;
}

QList<AdditionEntry> AdditionDeductionFrame::additions() const
{
    QList<AdditionEntry> entries;
    for (int r = 0; r < m_vsAdd->rowCount(); ++r) {
        AdditionEntry e{cellText(m_vsAdd, r, PurchaseDate),
                        cellText(m_vsAdd, r, UseDate),
                        cellText(m_vsAdd, r, Purchase),
                        cellText(m_vsAdd, r, Cenvat),
                        cellText(m_vsAdd, r, Exchange),
                        cellText(m_vsAdd, r, Subsidy),
                        QString()};
        if (e.isEmpty())
            continue;
        e.total = Clause18Lists::totalOf(e);
        entries << e;
    }
    return entries;
}

QList<DeductionEntry> AdditionDeductionFrame::deductions() const
{
    QList<DeductionEntry> entries;
    for (int r = 0; r < m_vsDed->rowCount(); ++r) {
        const DeductionEntry e{cellText(m_vsDed, r, SaleDate), cellText(m_vsDed, r, Amount),
                               Vocabulary::isTicked(cellText(m_vsDed, r, OutOfLess180))};
        if (!e.isEmpty())
            entries << e;
    }
    return entries;
}

void AdditionDeductionFrame::totalOfEntry(int row)
{
    if (row < 0 || row >= m_vsAdd->rowCount())
        return;
    const AdditionEntry e{QString(),
                          QString(),
                          cellText(m_vsAdd, row, Purchase),
                          cellText(m_vsAdd, row, Cenvat),
                          cellText(m_vsAdd, row, Exchange),
                          cellText(m_vsAdd, row, Subsidy),
                          QString()};
    setCellText(m_vsAdd, row, Total, Clause18Lists::totalOf(e));
}
