#include "CarryTestSupport.h"

#include "commands/CarryCommands.h"
#include "commands/clsImportJSON.h"
#include "dialogs/clsExportJSON.h"
#include "editor/Form3CD.h"
#include "host/DemoClauses.h"
#include "host/HostSchema.h"
#include "model/carry/ReportCarry.h"
#include "store/Database.h"

#include <QDate>

class PreviousYear : public CarryTest
{
protected:
    // Last year's report of the demo client with what must not, or must change, to carry over.
    void prepareLastYear()
    {
        open("C001", "2025");
        store(20, "40a", {{"100", ""}});
        store(20, "40b", {{"100", "200", "300", "", "", ""}});
        store(3, "10a", {{"Trading", "Manufacturing", "2024"}, {"Retail", "Wholesale", ""}});
        store(2, "8", {{"Clause 44AB(b)- Gross receipts in profession  exceeding Rs.50 lakhs"}});
        store(301, "R11a", {{"Books kept at the head office."}});
        // What last year's filed file held beyond its rows describes that file only.
        store(401, "Filed", {{"CostAuditDetail", "\"NA\""}});
        store(7, "18", {{"Building", "10", "500000.00", "", "", "500000.00", "",          "", "", "", "", "",
                         "",         "",   "",          "", "", "50000.00",  "450000.00", "", "", "", "1"}});
        open("C001", "2026");
    }
};

TALVEX_BOTH_ENGINES(PreviousYear);

TEST_P(PreviousYear, ReplacesThisYearsRowsAndASecondRunGivesTheSame)
{
    prepareLastYear();
    store(17, "33", {{"This year's own", ""}});
    ASSERT_TRUE(carry());
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"DO you want to import data from previous year.?", "Import Successfully."}));
    EXPECT_TRUE(point(17, "33").isEmpty());
    const QStringList once = rows();
    ASSERT_TRUE(carry());
    EXPECT_EQ(rows(), once);
}

TEST_P(PreviousYear, LeavesLastYearsSigningDatedChangesAndFiledMembersBehind)
{
    prepareLastYear();
    ASSERT_TRUE(carry());
    EXPECT_TRUE(point(21, "UDIN").isEmpty());
    EXPECT_TRUE(point(21, "DSIGN").isEmpty());
    EXPECT_TRUE(point(401, "Filed").isEmpty());
    ASSERT_EQ(point(3, "10a").size(), 1);
    EXPECT_EQ(point(3, "10a")[0][0], "Retail");
    EXPECT_EQ(point(301, "R11a")[0][0], "Books kept at the head office.");
}

TEST_P(PreviousYear, LastYearsFiguresArriveAsThePreviousYearColumns)
{
    prepareLastYear();
    ASSERT_TRUE(carry());
    EXPECT_EQ(point(20, "40a")[0].mid(0, 2), (QStringList{"", "100"}));
    EXPECT_EQ(point(20, "40b")[0].mid(0, 6), (QStringList{"", "", "", "100", "200", "300"}));
    EXPECT_EQ(point(2, "8")[0][0], "Clause 44AB(b)- Gross receipts of profession exceeding specified limits");
    // Part A speaks of this year.
    const QStringList partA = point(1, "3CA1")[0];
    EXPECT_EQ(partA[9], "01/04/2025");
    EXPECT_EQ(partA[10], "31/03/2026");
    EXPECT_EQ(point(7, "18")[0][2], "500000.00");
}

TEST_P(PreviousYear, WithoutFiguresTheAmountsStartAtZero)
{
    prepareLastYear();
    ASSERT_TRUE(carry(true));
    const QStringList block = point(7, "18")[0];
    EXPECT_EQ(block[0], "Building");
    EXPECT_EQ(block[2], "0.00");
    EXPECT_EQ(block[17], "0.00");
    // Gross profit is whole rupees: its zero is written without the decimals the clause refuses.
    EXPECT_EQ(point(20, "40b")[0][3], "0");
}

TEST_P(PreviousYear, NothingLastYearChangesNothing)
{
    open("C004", "2024");
    store(17, "33", {{"Kept", ""}});
    const QStringList before = rows();
    EXPECT_FALSE(carry());
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(env->prompt().lastText(), "There is no report of the previous year 2023-24 to import.");
}

TEST_P(PreviousYear, TheFiguresQuestionComesOnceLastYearIsFound)
{
    prepareLastYear();
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes); // import from the previous year
    env->prompt().queue(PromptAnswer::Yes); // without figures
    ASSERT_TRUE(CarryCommands::previousYear());
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"DO you want to import data from previous year.?",
                           "Do you want to import data without figures?.", "Import Successfully."}));
    EXPECT_EQ(point(7, "18")[0][2], "0.00");

    open("C004", "2024");
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes);
    EXPECT_FALSE(CarryCommands::previousYear());
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"DO you want to import data from previous year.?",
                           "There is no report of the previous year 2023-24 to import."}));
}

// Years up to 2021 may be kept in the older tables, whose clauses 23, 28 and 29 had no
// Aadhaar number: their rows move right from the third column, rows of today's table stay.
TEST_P(PreviousYear, YearsUpTo2021AskTheFormatAndOnlyOlderRowsGainTheAadhaarColumn)
{
    struct Case {
        QString table;
        QList<PromptAnswer> formatAnswers;
        bool shifts;
    };
    const QList<QStringList> lastYear{
        {"10", "23", "Asha Rao", "AAAPR1234C", "Sister", "Rent", "120000.00"},
        {"13", "28", "Vikram Rao", "AAAPR1235D", "Lotus Pvt Ltd", "U17110GJ2001PTC012345", "500", "50000.00",
         "60000.00"},
        {"13", "29", "Meera Rao", "AAAPR1236E", "1000", "100000.00", "100000.00"},
        {"21", "UDIN", "24123456BKABCD1234"}};
    const QString newFormat = "Do you want to import previous year data from New Format?.";
    const QString oldToOld = "Do you want to import previous year data from Old to Old Format?.";
    for (const Case &c : {Case{"anx_j3cd_2020", {PromptAnswer::Yes}, false},
                          Case{"annex_new_3cd_2020", {PromptAnswer::No, PromptAnswer::Yes}, true},
                          Case{"anx_3cd_2020", {PromptAnswer::No, PromptAnswer::No}, true}}) {
        SCOPED_TRACE(c.table.toStdString());
        Database &db = env->host().DBObj();
        HostSchema::ensureYearTables(db, "2020");
        HostSchema::ensureYearTables(db, "2021");
        db.Execute(QString("DELETE FROM %1 WHERE Code_No=?").arg(c.table), {"C004"});
        for (const QStringList &row : lastYear) {
            QStringList columns{"Code_No", "FYr", "FormName", "PageNo", "PointNo"};
            QVariantList values{"C004", "2020", "3CD", row[0].toInt(), row[1]};
            for (int i = 2; i < row.size(); ++i) {
                columns << QString("Col%1").arg(i - 1);
                values << row[i];
            }
            db.Execute(QString("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(c.table, columns.join(','), QStringList(values.size(), "?").join(',')),
                       values);
        }
        open("C004", "2021");
        env->prompt().clear();
        env->prompt().queue(PromptAnswer::Yes);
        for (PromptAnswer answer : c.formatAnswers)
            env->prompt().queue(answer);
        CarryCommands::Answers answers;
        answers.withoutFigures = false;
        ASSERT_TRUE(CarryCommands::previousYear(answers)) << env->prompt().texts().join(" / ").toStdString();
        const QStringList asked = env->prompt().texts();
        ASSERT_GE(asked.size(), 2);
        EXPECT_EQ(asked[1], newFormat);
        EXPECT_EQ(asked.contains(oldToOld), c.formatAnswers.size() == 2);
        for (const QStringList &row : lastYear.mid(0, 3)) {
            QStringList expected = row.mid(2);
            if (c.shifts)
                expected.insert(2, "");
            const QList<QStringList> carried = point(row[0].toInt(), row[1]);
            ASSERT_EQ(carried.size(), 1) << row[1].toStdString();
            EXPECT_EQ(carried[0].mid(0, expected.size()), expected) << row[1].toStdString();
        }
        EXPECT_TRUE(point(21, "UDIN").isEmpty());
    }
}

TEST_P(PreviousYear, AnOlderTablesGridRowsAreNumberedInOrder)
{
    open("C004", "2025");
    Database &db = env->host().DBObj();
    HostSchema::ensureYearTables(db, "2025");
    for (const QString &person : {QString("Asha Rao"), QString("Vikram Rao")})
        db.Execute("INSERT INTO annex_new_3cd_2025 (Code_No,FYr,FormName,PageNo,PointNo,Col1) "
                   "VALUES ('C004','2025','3CD',10,'23',?)",
                   {person});
    open("C004", "2026");
    ASSERT_TRUE(
        ReportCarry::previousYear(ReportKey::current(), EarlierRows::Format::Older, [] { return false; }));
    const QList<QStringList> related = point(10, "23");
    ASSERT_EQ(related.size(), 2);
    EXPECT_EQ(related[1][0], "Vikram Rao");
    EXPECT_EQ(related[1][22], "2");
}

TEST_P(PreviousYear, TheCarriedReportWritesAFileTheSchemaAccepts)
{
    open("C001", "2025");
    // Last year's report was complete; this year's starts from it.
    Transaction transaction(env->host().DBObj());
    DemoData::insertFilledClauses("2025");
    transaction.commit();
    open("C001", "2026");
    ASSERT_TRUE(carry());
    // This year's figures of clause 40 are the accountant's to enter.
    const QList<QStringList> lastYear = point(20, "40b");
    ASSERT_EQ(lastYear.size(), 1);
    store(20, "40a", {{"92000000", point(20, "40a")[0][1]}});
    for (const QString &ratio : {QString("40b"), QString("40c"), QString("40d"), QString("40e")}) {
        QStringList cols = point(20, ratio)[0].mid(0, 6);
        cols[0] = "9200000";
        cols[1] = "92000000";
        cols[2] = "10.00";
        store(20, ratio, {cols});
    }
    EXPECT_EQ(schemaFindings(), QStringList());
}

TEST_P(PreviousYear, LastYearsFiledFileCarriesForwardTheSameWay)
{
    prepareLastYear();
    open("C001", "2025");
    const QString file = writeFile("3CA_2025.json", clsExportJSON::compose(QDate(2025, 10, 1)));
    open("C001", "2026");
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes); // the question
    CarryCommands::Answers answers;
    answers.withoutFigures = false;
    ASSERT_TRUE(CarryCommands::previousYearFile(file, answers))
        << env->prompt().texts().join(" / ").toStdString();
    EXPECT_TRUE(point(21, "UDIN").isEmpty());
    // The file carries the ratio as computed from its figures.
    EXPECT_EQ(point(20, "40b")[0].mid(0, 6), (QStringList{"", "", "", "100", "200", "50.00"}));
    EXPECT_EQ(point(1, "3CA1")[0][10], "31/03/2026");
}

TEST_P(PreviousYear, ImportJsonOffersToCarryLastYearsFile)
{
    prepareLastYear();
    open("C001", "2025");
    const QString file = writeFile("3CA_2025.json", clsExportJSON::compose(QDate(2025, 10, 1)));
    open("C001", "2026");
    env->prompt().clear();
    env->prompt().queueText(file);          // the file
    env->prompt().queue(PromptAnswer::Yes); // the warning
    env->prompt().queue(PromptAnswer::Yes); // carry it forward
    env->prompt().queue(PromptAnswer::No);  // with its figures
    ASSERT_TRUE(clsImportJSON().ImportJSON());
    const QStringList shown = env->prompt().texts();
    ASSERT_EQ(shown.size(), 5) << shown.join(" / ").toStdString();
    EXPECT_TRUE(shown[2].startsWith("The file is the report of the assessment year 2025-26"));
    EXPECT_EQ(shown[3], "Do you want to import data without figures?.");
    EXPECT_EQ(shown[4], "Import Successfully.");
    EXPECT_EQ(point(20, "40a")[0].mid(0, 2), (QStringList{"", "100"}));
}

TEST_P(PreviousYear, AFileOfAnotherYearIsNotCarried)
{
    open("C001", "2026");
    const QString file = writeFile("3CA_2026.json", clsExportJSON::compose(QDate(2026, 10, 1)));
    const QStringList before = rows();
    env->prompt().clear();
    EXPECT_FALSE(CarryCommands::previousYearFile(file));
    EXPECT_EQ(rows(), before);
    EXPECT_TRUE(env->prompt().lastText().startsWith("The file is the report of the assessment year [2026]"));
}

TEST_P(PreviousYear, TheEditorsMenuCarriesAndReloadsThePages)
{
    prepareLastYear();
    Form3CD editor;
    editor.show();
    editor.cmdPages_Click(21);
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes);
    env->prompt().queue(PromptAnswer::No);
    editor.runCommand(EditorCommand::ImportPreviousYear);
    EXPECT_EQ(env->prompt().lastText(), "Import Successfully.");
    EXPECT_TRUE(point(21, "UDIN").isEmpty());
}
