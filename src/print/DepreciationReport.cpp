#include "DepreciationReport.h"

#include "AuditReport.h"
#include "ControlCodes.h"
#include "PrintedValues.h"
#include "ReportEngine.h"
#include "ReportWriter.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/DepreciationBlocks.h"
#include "catalogue/DepreciationEntries.h"
#include "catalogue/DepreciationPoints.h"
#include "catalogue/PrintedLayouts.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "model/depreciation/Clause18Lists.h"
#include "model/depreciation/Clause18Row.h"

namespace DepreciationReport
{

namespace
{

constexpr int Left = ReportRow::Left;
constexpr int Centre = ReportRow::Centre;
constexpr int Right = ReportRow::Right;

// The type of the chart, in points.
constexpr double ChartType = 6.5;

QString amount(double value)
{
    return QString::number(value, 'f', 2);
}

// The block's columns in the order of the report, after the method and the description.
const QList<int> &amountColumns()
{
    using namespace Clause18;
    static const QList<int> columns{OpeningWdv,      Adjustment115BAC, AdjustmentIntangible,
                                    AdjustedWdv,     PurchaseValue,    Cenvat,
                                    ExchangeChange,  Subsidy,          TotalAdditions,
                                    TotalDeductions, OtherAdjustments, DepreciationAllowable,
                                    ClosingWdv};
    return columns;
}

void additions(ReportWriter &w, const QString &list)
{
    const QList<AdditionEntry> entries = Clause18Lists::parseAdditions(list);
    if (entries.isEmpty())
        return;
    w.line(QStringLiteral("Additions : "), Left, true);
    w.columns(PrintedLayouts::Additions, {Centre, Centre, Right, Right, Right, Right, Right});
    w.heading({DepreciationEntries::additionHeading(DepreciationEntries::PurchaseDate),
               QStringLiteral("Date of put to use"), QStringLiteral("Amount"), QStringLiteral("CENVAT"),
               QStringLiteral("Exchange rate change"), QStringLiteral("Subsidy grant"),
               QStringLiteral("Total Amount")});
    double total = 0;
    for (const AdditionEntry &e : entries) {
        w.boxed({e.purchaseDate, e.useDate, e.purchase, e.cenvat, e.exchange, e.subsidy, e.total});
        total += e.total.toDouble();
    }
    w.boxed(
        {ControlCodes::bold(QStringLiteral("Total")), {}, {}, {}, {}, {}, ControlCodes::bold(amount(total))},
        QStringLiteral("0000001"));
}

void deductions(ReportWriter &w, const QString &list)
{
    const QList<DeductionEntry> entries = Clause18Lists::parseDeductions(list);
    if (entries.isEmpty())
        return;
    w.line(QStringLiteral("Deductions : "), Left, true);
    w.columns(PrintedLayouts::Halves, {Centre, Right});
    w.heading({DepreciationEntries::SaleDateEtc,
               DepreciationEntries::deductionHeading(DepreciationEntries::Amount)});
    double total = 0;
    for (const DeductionEntry &e : entries) {
        w.boxed({e.saleDate, e.amount});
        total += e.amount.toDouble();
    }
    w.boxed({ControlCodes::bold(QStringLiteral("Total")), ControlCodes::bold(amount(total))},
            QStringLiteral("01"));
}

} // namespace

void build(ReportEngine &engine, const ReportModel &model)
{
    engine.WinModeReport = true;
    engine.SetCol130(true);
    engine.NewReport();
    // Sixteen columns of amounts in crores fit the wide page only in a small type.
    engine.SetFontSize(ChartType);
    ReportWriter w(engine);
    w.line(Title, Centre, true);
    w.blank();
    writeChart(w, model);
    AuditReport::writeFooter(engine, model.key().yearKey, hasHost() ? host().ClientName() : QString());
    engine.ShowReport();
}

bool saveChart(const ReportModel &model, const QString &path)
{
    ReportEngine engine;
    engine.SetCol130(true);
    engine.NewReport();
    // The chart keeps its small type wherever it is inserted.
    engine.setCellFontSize(ChartType);
    ReportWriter w(engine);
    writeChart(w, model);
    return engine.saveBody(path);
}

void writeChart(ReportWriter &w, const ReportModel &model)
{

    QList<int> alignments{Centre, Left};
    for (int i = 0; i < amountColumns().size(); ++i)
        alignments << Right;
    alignments[2] = Centre;
    w.columns(PrintedLayouts::DepreciationWide, alignments);
    using namespace DepreciationEntries;
    const QString cr = ControlCodes::LineBreak;
    w.heading(
        {QStringLiteral("Method of depreciation"), QStringLiteral("Description of the block of assets"),
         QStringLiteral("Rate of depreciation"), QStringLiteral("Opening WDV"),
         QStringLiteral("Adjustment made to the written down Value under section 115BAA/115BAC/115BAD (for "
                        "assessment Year 2020-21, 2021-22 and 2024-25 only)"),
         QStringLiteral(
             "Adjustment made to the written down Value of Intangible asset due to excluding Value "
             "of goodwill of A business or profession"),
         blockHeading(Clause18::AdjustedWdv), additionHeading(Purchase),
         QStringLiteral("Adjustments on account of") + cr + QStringLiteral("CENVAT"),
         QStringLiteral("Adjustments on account of") + cr + additionHeading(Exchange),
         QStringLiteral("Adjustments on account of") + cr + QStringLiteral("Subsidy/Grant"),
         QStringLiteral("Total value of purchase"), QStringLiteral("Deductions"),
         QStringLiteral("Other Adjustments"), blockHeading(Clause18::DepreciationAllowable),
         blockHeading(Clause18::ClosingWdv)});

    const QList<ReportModel::Row> blocks =
        PrintedValues::inSerialOrder(model.rows(DepreciationPoints::Page, DepreciationPoints::Blocks,
                                                model.formNameForPage(DepreciationPoints::Page)));
    QList<double> totals(amountColumns().size(), 0);
    QList<ReportModel::Row> printed;
    for (const ReportModel::Row &block : blocks) {
        if (PrintedValues::isMarkerRow(block.cols))
            continue;
        const QString description = block.cols.value(Clause18::Description);
        const Catalogue::CodeEntry *entry =
            ClauseCatalogue::instance().entryOf(DepreciationBlocks::Table, description);
        QStringList cells{entry ? entry->method : QString(), description, block.cols.value(Clause18::Rate)};
        for (int i = 0; i < amountColumns().size(); ++i) {
            const QString v = block.cols.value(amountColumns().at(i));
            cells << v;
            totals[i] += v.toDouble();
        }
        w.boxed(cells);
        printed << block;
    }
    QStringList totalRow{QString(), ControlCodes::bold(QStringLiteral("Total")), QString()};
    for (double t : totals)
        totalRow << ControlCodes::bold(amount(t));
    w.boxed(totalRow, QStringLiteral("0001111111111111"));

    for (const ReportModel::Row &block : printed) {
        const QString additionList = block.cols.value(Clause18::AdditionsList);
        const QString deductionList = block.cols.value(Clause18::DeductionsList);
        if (Clause18Lists::parseAdditions(additionList).isEmpty() &&
            Clause18Lists::parseDeductions(deductionList).isEmpty())
            continue;
        w.blank();
        w.line(block.cols.value(Clause18::Description), Left, true);
        additions(w, additionList);
        deductions(w, deductionList);
    }
}

} // namespace DepreciationReport
