#include "ModelTestSupport.h"

#include "commands/TdsImportCommand.h"
#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "spreadsheet/AnnexureClause.h"
#include "spreadsheet/AnnexureWorkbook.h"
#include "spreadsheet/TdsWorkbook.h"
#include "spreadsheet/WorkbookReader.h"

#include "SourceDataDir.h"
#include <QFile>

class TdsWorkbookTest : public ModelTest
{
protected:
    QString pan() { return env->host().vAsPAN(); }
    bool import(const QString &path)
    {
        auto report = ReportModel::load();
        return TdsImportCommand::fromWorkbook(*report, path, pan(), file("annex")).imported;
    }
    QList<QStringList> rowsOf(const QString &point)
    {
        auto report = ReportModel::load();
        const AnnexureClause clause = *AnnexureClause::find(point);
        ClauseGridModel grid(*report, clause.page, point);
        QList<QStringList> rows;
        for (int r = 0; r < grid.rowCount(); ++r)
            rows << grid.rowCells(r);
        return rows;
    }
    const QHash<QString, QList<QStringList>> lists{
        {"34a",
         {{"MUMS12345A", "194J", "Fees for professional services", "500000", "500000", "450000", "45000",
           "50000", "1000", "0"}}},
        {"21bib",
         {{"12/06/2025", "75000", "Rent", "Arun Kumar", "ABCPK1234F", "", "India", "12 Beach Road", "",
           "600001", "", "", "Chennai", "TAMILNADU", "7500"},
          {"15/07/2025", "20000", "Rent", "Bimal Das", "", "", "India", "Cuttack Road", "", "753001", "", "",
           "Cuttack", "ORISSA", "2000"}}}};
};
TALVEX_BOTH_ENGINES(TdsWorkbookTest);

TEST_P(TdsWorkbookTest, AWorkbookOfAnotherPanAsksFirstThenBringsTheListsIn)
{
    ASSERT_TRUE(TdsWorkbook::write(file("tds.xlsx"), "ZZZZZ9999Z", "2025-26", lists));
    const QList<QStringList> before = rowsOf("34a");

    env->prompt().queue(PromptAnswer::No);
    EXPECT_FALSE(import(file("tds.xlsx")));
    EXPECT_EQ(
        env->prompt().lastText(),
        QString("PAN in Excel Sheet [ZZZZZ9999Z] does not match with [%1]\nDo you still want to Import from "
                "selected Excel File ?")
            .arg(pan()));
    EXPECT_EQ(rowsOf("34a"), before);

    env->prompt().queue(PromptAnswer::Yes); // the PAN
    env->prompt().queue(PromptAnswer::Yes); // delete the existing details
    ASSERT_TRUE(import(file("tds.xlsx")));
    EXPECT_EQ(env->prompt().lastText(), "Import Successfully !");
    const QList<QStringList> imported = rowsOf("34a");
    ASSERT_EQ(imported.size(), 1);
    EXPECT_EQ(imported.first().mid(0, 5), (QStringList{"MUMS12345A", "194J", "Fees for professional services",
                                                       "500000.00", "500000.00"}));
    const QList<QStringList> payments = rowsOf("21bib");
    ASSERT_EQ(payments.size(), 2);
    EXPECT_EQ(payments.at(0).at(13), "Tamil Nadu");
    EXPECT_EQ(payments.at(1).at(13), "Odisha");
    EXPECT_TRUE(QFile::exists(file("annex/34a")));
    EXPECT_TRUE(QFile::exists(file("annex/21bib")));

    // Kept beside the existing details when the user says No to deleting them.
    env->prompt().queue(PromptAnswer::Yes);
    env->prompt().queue(PromptAnswer::No);
    ASSERT_TRUE(import(file("tds.xlsx")));
    EXPECT_EQ(rowsOf("34a").size(), 2);
}

TEST_P(TdsWorkbookTest, AnEarlierTemplateAnEmptyOneAndAnotherYearAreRefused)
{
    AnnexureWorkbook::Page old{"34_b", "Details of statements", AnnexureLayout::ofGrid({}), {}};
    ASSERT_TRUE(AnnexureWorkbook::writePages(file("old.xlsx"), {old}));
    EXPECT_FALSE(import(file("old.xlsx")));
    EXPECT_EQ(env->prompt().lastText(), "Please Import Using Latest Sheet.");

    ASSERT_TRUE(TdsWorkbook::write(file("empty.xlsx"), pan(), "2025-26"));
    EXPECT_FALSE(import(file("empty.xlsx")));
    EXPECT_EQ(env->prompt().lastText(), "No Data Found.");

    ASSERT_TRUE(TdsWorkbook::write(file("year.xlsx"), pan(), "2024-25", lists));
    EXPECT_FALSE(import(file("year.xlsx")));
    EXPECT_TRUE(
        env->prompt().lastText().startsWith("F.Y. in Excel Sheet [2024-25] does not match with [2025-26]"));

    EXPECT_FALSE(import(file("none.xlsx")));
    EXPECT_EQ(env->prompt().lastText(), "File [none.xlsx] does not exist.");
}

TEST_P(TdsWorkbookTest, TaxauditWritesTheTemplateAndImportsAFilledWorkbook)
{
    const ToolRun made =
        taxaudit({"tds-template", "--client", "C001", "--year", "2026", "--out", file("t.xlsx")});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    const auto sheets = WorkbookReader::read(file("t.xlsx"));
    ASSERT_TRUE(sheets);
    EXPECT_EQ(sheets->first().name, "Main");
    EXPECT_EQ(sheets->first().cell(2, 1), "2025-26");
    const auto shipped =
        WorkbookReader::read(QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/TDS_Details.xlsx"));
    ASSERT_TRUE(shipped);
    for (int s = 1; s < sheets->size(); ++s)
        EXPECT_EQ(shipped->at(s).rows, sheets->at(s).rows);

    ASSERT_TRUE(TdsWorkbook::write(file("filled.xlsx"), pan(), "2025-26", lists));
    const ToolRun in = taxaudit(
        {"import-tds", "--client", "C001", "--year", "2026", "--workbook", file("filled.xlsx"), "--yes"});
    ASSERT_EQ(in.status, 0) << in.err.toStdString();
    EXPECT_EQ(rowsOf("21bib").size(), 2);
    EXPECT_EQ(taxaudit({"import-tds", "--client", "C001", "--year", "2026", "--tds-db", "x"}).status, 2);
}
