#include "frmPage7.h"

#include "AdditionDeductionFrame.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "catalogue/CellFormat.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/DepreciationBlocks.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/depreciation/ChartBlockRow.h"
#include "model/depreciation/Clause18Row.h"
#include "model/depreciation/DepreciationCutOff.h"
#include "model/rules/ConcessionalRegime.h"
#include "model/rules/DepreciationRules.h"
#include "model/rules/PageRules.h"
#include "pages/ClauseControls.h"
#include "pages/ClauseGrid.h"
#include "pages/ClauseSection.h"
#include "pages/CompletenessPrompts.h"
#include "pages/WidgetValues.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Clause18;

namespace
{

// The "As Per Fixed Asset Chart" tick is kept with the As Per Annexure ticks.
const int kTickPage = 201;

QStringList rowCells(const ClauseGrid *grid, int row)
{
    QStringList cells;
    for (int c = 0; c < columnCount(); ++c)
        cells << WidgetValues::cellText(grid, row, c);
    return cells;
}

void setRowCells(ClauseGrid *grid, int row, const QStringList &cells)
{
    for (int c = 0; c < columnCount(); ++c) {
        if (WidgetValues::cellText(grid, row, c) != cells.value(c))
            WidgetValues::setCellText(grid, row, c, cells.value(c));
    }
}

bool isBlockRow(const ClauseGrid *grid, int row)
{
    return DepreciationRules::isBlockRow(rowCells(grid, row));
}

// Annexure files are named by the clause; the annexure window may give them an extension.
void removeAnnexure(QDir folder, const QString &clause)
{
    folder.remove(clause);
    for (const QString &file : folder.entryList({clause + QStringLiteral(".*")}, QDir::Files))
        folder.remove(file);
}

const ClauseSection &sectionOf(const ClausePage &page, const QString &key)
{
    ClauseSection *s = page.section(key);
    if (!s)
        throw std::logic_error("The catalogue has no clause " + key.toStdString() + " on page 7.");
    return *s;
}

} // namespace

frmPage7::frmPage7(QWidget *parent) : ClausePage(*ClauseCatalogue::instance().page(7), 7, 7, parent)
{
    ClauseSection *clause18 = section(QStringLiteral("18"));
    m_grd18 = sectionOf(*this, QStringLiteral("18")).grids().first();
    m_grd17 = sectionOf(*this, QStringLiteral("17")).grids().first();

    // The lists of additions and deductions (hidden columns) are edited in the frame below the grid.
    connect(m_grd18, &ClauseGrid::edited, this, &frmPage7::blockEdited);
    QAbstractItemModel *blocks = m_grd18->model();
    connect(blocks, &QAbstractItemModel::modelReset, this, &frmPage7::rememberBlocks);
    connect(blocks, &QAbstractItemModel::rowsInserted, this, &frmPage7::rememberBlocks);
    connect(blocks, &QAbstractItemModel::rowsRemoved, this, &frmPage7::rememberBlocks);
    rememberBlocks();
    try {
        m_wholeRupees = ChartBlockRow::depreciationInWholeRupees();
    } catch (const DbError &) {
        // A database without the client's settings keeps paise.
    }
    connect(m_grd18, &ClauseGrid::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row == previousRow)
            return;
        if (row >= 0)
            keepPendingLists(previousRow);
        showCurrentBlock();
    });

    auto *tools = new QHBoxLayout;
    m_import = new QPushButton(tr("Import from Depreciation Chart"), clause18);
    m_import->setObjectName(QStringLiteral("cmdImport18"));
    connect(m_import, &QPushButton::clicked, this, [this] {
        if (host().CheckOptedOldDeprChart())
            Import_Depr_Old();
        else
            Import_Depr_NewAssetWise();
    });
    m_faChart = new QCheckBox(tr("As Per Fixed Asset Chart"), clause18);
    m_faChart->setObjectName(QStringLiteral("chkFAChart"));
    m_chartNote = new QLabel(clause18);
    m_chartNote->setObjectName(QStringLiteral("lblChart18"));
    tools->addWidget(m_import);
    tools->addWidget(m_faChart);
    tools->addWidget(m_chartNote);
    tools->addStretch();
    m_frame = new AdditionDeductionFrame(clause18);
    connect(m_frame, &AdditionDeductionFrame::additionsAccepted, this,
            [this] { acceptAdditions(m_grd18->currentRow()); });
    connect(m_frame, &AdditionDeductionFrame::deductionsAccepted, this,
            [this] { acceptDeductions(m_grd18->currentRow()); });
    connect(m_frame, &AdditionDeductionFrame::hintChanged, hintLabel(), &QLabel::setText);
    auto *layout = static_cast<QVBoxLayout *>(clause18->layout());
    layout->addLayout(tools);
    layout->addWidget(m_frame);

    if (QCheckBox *na = clause18->notApplicableTick()) {
        connect(na, &QCheckBox::toggled, this, [this](bool ticked) {
            m_import->setEnabled(!ticked);
            showCurrentBlock();
        });
    }
}

void frmPage7::DisplayData()
{
    ClausePage::DisplayData();
    m_faChart->setChecked(Vocabulary::isTicked(report().value(kTickPage, QStringLiteral("FAChart"))));
    showCurrentBlock();
}

void frmPage7::setAfterEdit(const QString &strGrid)
{
    ClausePage::setAfterEdit(strGrid);
    if (strGrid == m_grd18->objectName())
        recomputeBlocks();
}

void frmPage7::recomputeBlocks()
{
    // The rule every writer of the report applies: block texts of earlier versions become
    // today's, and each block row gets its computed values.
    for (int r = 0; r < m_grd18->rowCount(); ++r) {
        if (WidgetValues::rowIsEmpty(m_grd18, r))
            continue;
        QStringList cells = rowCells(m_grd18, r);
        DepreciationRules::fixRow(cells);
        setRowCells(m_grd18, r, cells);
    }
}

void frmPage7::blockEdited(int row, int column)
{
    // A removed row leaves nothing to follow.
    if (row < 0 || row >= m_grd18->rowCount() || column < 0) {
        rememberBlocks();
        return;
    }
    if (column == Description) {
        // The rate entry of the block goes with it.
        if (const DepreciationBlock *block =
                DepreciationBlocks::byDescription(WidgetValues::cellText(m_grd18, row, Description)))
            WidgetValues::setCellText(m_grd18, row, Rate, block->rate);
        if (row == m_grd18->currentRow())
            m_frame->renameBlock(isBlockRow(m_grd18, row) ? WidgetValues::cellText(m_grd18, row, Description)
                                                          : QString());
    }
    followRate(row, m_shown.value(row));
}

void frmPage7::followRate(int row, const QStringList &before)
{
    if (isBlockRow(m_grd18, row)) {
        QStringList cells = rowCells(m_grd18, row);
        DepreciationRules::fixRow(cells);
        Clause18::followRate(cells, before, m_wholeRupees);
        setRowCells(m_grd18, row, cells);
    }
    rememberBlocks();
}

void frmPage7::rememberBlocks()
{
    m_shown.clear();
    for (int r = 0; r < m_grd18->rowCount(); ++r)
        m_shown << rowCells(m_grd18, r);
}

void frmPage7::showCurrentBlock()
{
    const int row = m_grd18->currentRow();
    if (row < 0 || row >= m_grd18->rowCount() || !isBlockRow(m_grd18, row) || !m_grd18->isEnabled()) {
        m_frame->showBlock(QString(), QString(), QString());
        return;
    }
    m_frame->showBlock(WidgetValues::cellText(m_grd18, row, Description),
                       WidgetValues::cellText(m_grd18, row, AdditionsList),
                       WidgetValues::cellText(m_grd18, row, DeductionsList));
}

void frmPage7::keepPendingLists(int previousRow)
{
    // The frame shows the lists of the row left only when that row is still the block it showed.
    if (previousRow < 0 || previousRow >= m_grd18->rowCount() || !isBlockRow(m_grd18, previousRow) ||
        WidgetValues::cellText(m_grd18, previousRow, Description) != m_frame->blockName())
        return;
    const bool additions = m_frame->additionsPending();
    const bool deductions = m_frame->deductionsPending();
    if (!additions && !deductions)
        return;
    if (!prompts().askYesNo(
            QStringLiteral("The additions or deductions typed for [%1] were not confirmed with "
                           "OK. Do you want to put them into that block?")
                .arg(m_frame->blockName())))
        return;
    if (additions)
        acceptAdditions(previousRow);
    if (deductions)
        acceptDeductions(previousRow);
}

void frmPage7::acceptAdditions(int row)
{
    if (row < 0 || !isBlockRow(m_grd18, row))
        return;
    const QStringList before = rowCells(m_grd18, row);
    QStringList cells = before;
    applyAdditions(cells, m_frame->additions(), DepreciationCutOff::cutOff(host().SecondDate()));
    setRowCells(m_grd18, row, cells);
    followRate(row, before);
    m_frame->showAdditions(WidgetValues::cellText(m_grd18, row, AdditionsList));
}

void frmPage7::acceptDeductions(int row)
{
    if (row < 0 || !isBlockRow(m_grd18, row))
        return;
    const QStringList before = rowCells(m_grd18, row);
    QStringList cells = before;
    applyDeductions(cells, m_frame->deductions());
    setRowCells(m_grd18, row, cells);
    followRate(row, before);
    m_frame->showDeductions(WidgetValues::cellText(m_grd18, row, DeductionsList));
}

bool frmPage7::CheckAddDepMsg()
{
    const bool opted = !ConcessionalRegime::optedSection(report()).isEmpty();
    if (opted)
        prompts().inform(ConcessionalRegime::AdditionalDepreciationMessage);
    return opted;
}

void frmPage7::PrepareDeprChart()
{
    try {
        const DepreciationImports::Result chart =
            DepreciationImports::fromBlockChart(false, ConcessionalRegime::optedSection(report()).isEmpty());
        const qsizetype blocks = chart.rows.size();
        const QString held = blocks == 0   ? tr("no block")
                             : blocks == 1 ? tr("one block")
                                           : tr("%1 blocks").arg(blocks);
        m_chartNote->setText(tr("The block-wise depreciation chart has %1 for the year.").arg(held));
    } catch (const DbError &) {
        // A client without a chart, or a database without the chart's tables: nothing to tell.
        m_chartNote->clear();
    }
}

void frmPage7::Import_Depr_Old()
{
    importFrom(true);
}

void frmPage7::Import_Depr_NewAssetWise()
{
    importFrom(false);
}

void frmPage7::importFrom(bool blockWise)
{
    if (m_grd18->holdsData() &&
        !prompts().askYesNo(
            QStringLiteral("The blocks of clause 18 will be replaced by the depreciation chart's. ") +
            SharedMessages::doYouWantToContinue()))
        return;
    try {
        const bool concessional = CheckAddDepMsg();
        const bool withDepreciation =
            prompts().askYesNo(QStringLiteral("Do you want to Import Figures for 'Depreciation Allowable'?"));
        const DepreciationImports::Result result =
            blockWise ? DepreciationImports::fromBlockChart(withDepreciation, !concessional)
                      : DepreciationImports::fromAssetChart(withDepreciation, !concessional);
        if (!result.rows.isEmpty()) {
            QCheckBox *na = section(QStringLiteral("18"))->notApplicableTick();
            if (na && na->isChecked())
                na->click(); // unticking enables the grid again
            m_grd18->setRows(result.rows);
            m_grd18->setCurrentCell(0, Description);
            showCurrentBlock();
        }
        for (const QString &message : result.messages)
            prompts().inform(message);
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

bool frmPage7::validateForm(bool)
{
    const ClauseSection &clause18 = sectionOf(*this, QStringLiteral("18"));
    const ClauseSection &clause17 = sectionOf(*this, QStringLiteral("17"));
    QCheckBox *na18 = clause18.notApplicableTick();
    putRows();
    if (const auto finding = PageRules::clause18(report())) {
        // The lists are edited in the frame: their row is selected at its block.
        ReportFinding shown = *finding;
        if (m_grd18->isColumnHidden(shown.column))
            shown.column = int(Description);
        return refuseAt(shown, m_grd18);
    }
    // A block needs its name, rate and depreciation; the catalogue lets the other columns stay empty.
    if (!CheckClause(m_grd18, QStringLiteral("18"), na18, clause18.clause().mandatory,
                     m_grd18->optionalColumns()))
        return false;
    return CheckClause(m_grd17, QStringLiteral("17"), clause17.notApplicableTick(),
                       clause17.clause().mandatory, m_grd17->optionalColumns());
}

void frmPage7::writeRows()
{
    ClausePage::writeRows();
    ClauseStore::SaveClauseControl(report(), m_faChart, QStringLiteral("FAChart"), kTickPage);
}

QList<ReportModel::PointKey> frmPage7::otherPoints() const
{
    return ClausePage::otherPoints() << ReportModel::PointKey{kTickPage, QStringLiteral("FAChart"), {}};
}

bool frmPage7::SaveData()
{
    keepPendingLists(m_grd18->currentRow());
    if (!ClausePage::SaveData())
        return false;
    removeAnnexureFiles();
    return true;
}

void frmPage7::removeAnnexureFiles()
{
    const QString folder = moduleState().annexFolder;
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    QDir dir(folder);
    const QCheckBox *annex18 = sectionOf(*this, QStringLiteral("18")).annexureTick();
    const QCheckBox *annex17 = sectionOf(*this, QStringLiteral("17")).annexureTick();
    if (annex18 && !annex18->isChecked()) {
        for (const QString &clause : {QStringLiteral("18"), QStringLiteral("18A"), QStringLiteral("18D")})
            removeAnnexure(dir, clause);
    }
    if (annex17 && !annex17->isChecked())
        removeAnnexure(dir, QStringLiteral("17"));
}

void frmPage7::clearAll()
{
    ClausePage::clearAll();
    m_faChart->setChecked(false);
    showCurrentBlock();
}
