#include "ModelTestSupport.h"

#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "model/depreciation/Clause18Lists.h"
#include "model/depreciation/Clause18Row.h"
#include "spreadsheet/AnnexureClause.h"
#include "commands/AnnexureExchange.h"
#include "spreadsheet/AnnexureWorkbook.h"
#include "spreadsheet/Clause18Workbook.h"

#include "SourceDataDir.h"
#include <QFile>

namespace
{

const QDate kCutOff(2025, 10, 4);

} // namespace

class AnnexureExchangeTest : public ModelTest
{
protected:
    AnnexureClause clause(const QString &point) const { return *AnnexureClause::find(point); }
    // A workbook as the user leaves it after filling the exported format.
    QString filled(const QString &point, const QList<QStringList> &rows, const QString &name = "filled.xlsx")
    {
        AnnexureLayout layout = AnnexureLayout::ofGrid(clause(point).columns);
        EXPECT_TRUE(AnnexureWorkbook::write(file(name), layout, rows));
        return file(name);
    }
    std::optional<QList<QStringList>> import(const QString &point, const QString &path)
    {
        return AnnexureExchange::importRows(point, AnnexureExchange::layoutOf(point, clause(point).columns),
                                            path, kCutOff);
    }
};
TALVEX_BOTH_ENGINES(AnnexureExchangeTest);

TEST_P(AnnexureExchangeTest, AFilledWorkbookGivesTheGridItsRowsAsTheGridKeepsThem)
{
    const QString path = filled("15", {{"Land at Pune", "5-4-2025", "250000", "300000.5"},
                                       {"Shop at Nashik", "2025-06-30", "12", "NA"}});
    const auto rows = import("15", path);
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, (QList<QStringList>{{"Land at Pune", "05/04/2025", "250000.00", "300000.50"},
                                         {"Shop at Nashik", "30/06/2025", "12.00", "NA"}}));

    auto report = ReportModel::load();
    ClauseGridModel grid(*report, 6, QStringLiteral("15"));
    grid.setAllRows(*rows);
    report->savePage(6);
    auto again = ReportModel::load();
    ClauseGridModel stored(*again, 6, QStringLiteral("15"));
    ASSERT_EQ(stored.rowCount(), 2);
    EXPECT_EQ(stored.rowCells(1), rows->at(1));
}

TEST_P(AnnexureExchangeTest, ABlankRowEndsTheImport)
{
    const auto rows = import("15", filled("15", {{"First", "01/05/2025", "1", "2"},
                                                 {"Second", "02/05/2025", "3", "4"},
                                                 {},
                                                 {"After the gap", "03/05/2025", "5", "6"}}));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2);
    EXPECT_EQ(rows->last().first(), "Second");
}

TEST_P(AnnexureExchangeTest, AChangedHeaderOrAMissingFileIsRefused)
{
    AnnexureLayout edited = AnnexureLayout::ofGrid(clause("15").columns);
    edited.columns[2].heading = "Cost";
    ASSERT_TRUE(AnnexureWorkbook::write(file("edited.xlsx"), edited, {{"Land", "01/05/2025", "1", "2"}}));
    EXPECT_FALSE(import("15", file("edited.xlsx")));
    EXPECT_EQ(env->prompt().lastText(), "Invalid File.");

    // The workbook of another clause has other headings.
    EXPECT_FALSE(import("34a", filled("15", {{"Land", "01/05/2025", "1", "2"}})));
    EXPECT_EQ(env->prompt().lastText(), "Invalid File.");

    EXPECT_FALSE(import("15", file("nowhere.xlsx")));
    EXPECT_EQ(env->prompt().lastText(),
              QString("A file named \"%1\" does not exists in this location.").arg(file("nowhere.xlsx")));
}

TEST_P(AnnexureExchangeTest, ExportingTwiceAsksBeforeReplacing)
{
    const AnnexureClause c = clause("34a");
    const QString path = file(AnnexureExchange::defaultFileName("34a"));
    EXPECT_EQ(AnnexureExchange::defaultFileName("34a"), "Annexure_34a.xlsx");
    ASSERT_TRUE(AnnexureExchange::exportRows("34a", AnnexureExchange::layoutOf("34a", c.columns),
                                             {{"MUMS12345A", "194C"}}, path));
    EXPECT_TRUE(env->prompt().lastText().startsWith(
        QString("Annexure Format Exported to Excel File \"%1\"\n\nInstructions : DONOT change heading")
            .arg(path)));

    env->prompt().queue(PromptAnswer::No);
    EXPECT_FALSE(AnnexureExchange::exportRows("34a", AnnexureExchange::layoutOf("34a", c.columns), {}, path));
    EXPECT_EQ(
        env->prompt().lastText(),
        QString("A file named \"%1\" already exists in this location. Do you want to replace it?").arg(path));
    EXPECT_EQ(import("34a", path)->size(), 1);

    env->prompt().queue(PromptAnswer::Yes);
    EXPECT_TRUE(AnnexureExchange::exportRows("34a", AnnexureExchange::layoutOf("34a", c.columns), {}, path));
    EXPECT_EQ(import("34a", path)->size(), 0);
}

TEST_P(AnnexureExchangeTest, AClause18WorkbookWithTwoBlocksGivesTwoBlockRows)
{
    const AnnexureLayout layout = Clause18Workbook::layout();
    // Particulars, opening, two adjustments, purchase date, put to use, purchase, CENVAT,
    // exchange, subsidy, sale date, sale amount, out of <180 days, other, depreciation, nil.
    const QList<QStringList> sheet{
        {"Ignored: no block yet", "99"},
        {"(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)"},
        {"Lathe", "100000", "", "", "", "", "", "", "", "", "", "", "", "", "12000"},
        {"Drill", "", "", "", "01/05/2025", "10/05/2025", "50000", "500", "", "-1000"},
        {"CNC machine", "", "", "", "", "", "80000"},
        {"Old press", "", "", "", "", "", "", "", "", "", "12/12/2025", "7000", "Yes"},
        {"Furnitures & Fittings 10%"},
        {"Tables", "20000", "", "", "", "", "", "", "", "", "", "", "", "", "2000", "No"},
        {},
        {"(18k) Building @ 5%- Sec 32(1)(ii)"},
        {"Factory", "900000"}};
    ASSERT_TRUE(AnnexureWorkbook::write(file("18.xlsx"), layout, sheet));
    const auto rows = import("18", file("18.xlsx"));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2);

    const QStringList &plant = rows->at(0);
    EXPECT_EQ(plant.at(Clause18::Description), "(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)");
    EXPECT_EQ(plant.at(Clause18::Rate), "15%");
    EXPECT_EQ(plant.at(Clause18::OpeningWdv), "100000.00");
    EXPECT_EQ(plant.at(Clause18::PurchaseValue), "130000.00");
    // The CNC machine carries no dates: it takes the cut-off and counts as less than 180 days.
    const QList<AdditionEntry> additions = Clause18Lists::parseAdditions(plant.at(Clause18::AdditionsList));
    ASSERT_EQ(additions.size(), 2);
    EXPECT_EQ(additions.at(1).useDate, "04/10/2025");
    EXPECT_EQ(additions.at(0).total, "49500.00");
    EXPECT_EQ(plant.at(Clause18::AdditionsLess180), "80000.00");
    EXPECT_EQ(plant.at(Clause18::Additions180OrMore), "49500.00");
    EXPECT_EQ(plant.at(Clause18::TotalDeductions), "7000.00");
    EXPECT_EQ(plant.at(Clause18::DeductionsOutOfLess180), "7000.00");
    EXPECT_EQ(plant.at(Clause18::DepreciationAllowable), "12000.00");
    EXPECT_EQ(plant.at(Clause18::ClosingWdv), "210500.00");

    // A description of earlier versions opens the block under its current text.
    EXPECT_EQ(rows->at(1).at(Clause18::Description), "(18r) Furnitures & Fittings @ 10%- Sec 32(1)(ii)");
    EXPECT_EQ(rows->at(1).at(Clause18::BlockNil), "False");
    EXPECT_EQ(rows->at(1).at(Clause18::ClosingWdv), "18000.00");

    // Written out again, the blocks read back unchanged.
    ASSERT_TRUE(AnnexureWorkbook::write(file("18again.xlsx"), layout, Clause18Workbook::sheetRows(*rows)));
    EXPECT_EQ(*import("18", file("18again.xlsx")), *rows);
}

TEST_P(AnnexureExchangeTest, TaxauditExportThenImportLeavesTheRowsUnchanged)
{
    for (const QString point : {"34a", "10b", "21bib"}) {
        const QString path = file("Annexure_" + point + ".xlsx");
        const ToolRun before = taxaudit({"rows", "--client", "C001", "--year", "2026"});
        const ToolRun out = taxaudit(
            {"export-annexure", "--client", "C001", "--year", "2026", "--clause", point, "--out", path});
        ASSERT_EQ(out.status, 0) << out.err.toStdString();
        // Replacing the rows is a question; without --yes the answer is No.
        const ToolRun declined =
            taxaudit({"import-annexure", "--client", "C001", "--year", "2026", "--clause", point, path});
        const ToolRun in = taxaudit(
            {"import-annexure", "--client", "C001", "--year", "2026", "--clause", point, path, "--yes"});
        ASSERT_EQ(in.status, 0) << in.err.toStdString();
        EXPECT_TRUE(in.err.contains("Import Successfully."));
        const ToolRun after = taxaudit({"rows", "--client", "C001", "--year", "2026"});
        EXPECT_EQ(after.out, before.out) << point.toStdString();
        if (declined.status != 0)
            EXPECT_TRUE(declined.err.contains("Importing the workbook of clause " + point + " will change"))
                << declined.err.toStdString();
    }

    const ToolRun unknown = taxaudit({"export-annexure", "--client", "C001", "--year", "2026", "--clause",
                                      "99z", "--out", file("x.xlsx")});
    EXPECT_EQ(unknown.status, 2);
    const ToolRun refused =
        taxaudit({"import-annexure", "--client", "C001", "--year", "2026", "--clause", "34a",
                  QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/Annexure_18.xlsx"), "--yes"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("Invalid File."));
}
