#include "CarryTestSupport.h"

#include "commands/CarryCommands.h"
#include "host/HostSchema.h"
#include "store/Database.h"

// The old report wizard's answers, by serial number, and its books become clause rows at the
// points of the Form 3CD the wizard was written for.
class OldWizard : public CarryTest
{
protected:
    // Wizard answers of C004 for a year: each serial's answer names its serial ("answer 9").
    void answer(const QString &year, const QList<int> &serials)
    {
        Database &db = env->host().DBObj();
        HostSchema::ensureYearTables(db, year);
        for (int serial : serials)
            db.Execute("INSERT INTO anex3cd_main (Code_No,FYr,PointSr,PointVal) VALUES ('C004',?,?,?)",
                       {year, QString::number(serial), QString("answer %1").arg(serial)});
    }
    void book(const QString &year, const QStringList &row)
    {
        env->host().DBObj().Execute(
            "INSERT INTO anex3cd_books (Code_No,FYr,BookNm,Prescribed,Maintained,Examined) "
            "VALUES ('C004',?,?,?,?,?)",
            {year, row[0], row[1], row[2], row[3]});
    }
    bool importWizard(bool previousYear)
    {
        env->prompt().clear();
        env->prompt().queue(PromptAnswer::Yes);
        return CarryCommands::wizard(previousYear);
    }
};

TALVEX_BOTH_ENGINES(OldWizard);

TEST_P(OldWizard, EachSerialLandsOnItsPointAndColumn)
{
    struct Place {
        int serial;
        int page;
        QString point;
        int column;
    };
    const QList<Place> places{{9, 5, "11a", 1},   {10, 5, "11b", 1},  {11, 5, "11c", 1},  {12, 5, "11d", 1},
                              {13, 5, "12a", 1},  {14, 5, "12b", 1},  {16, 5, "12Aa", 1}, {17, 5, "12Aa", 2},
                              {18, 5, "12Aa", 3}, {19, 5, "12Aa", 4}, {42, 7, "17a", 1},  {43, 7, "17b", 1},
                              {44, 7, "17c", 1},  {45, 7, "17d", 1},  {46, 7, "17d", 2},  {47, 7, "17e", 1},
                              {48, 7, "17e", 2},  {49, 7, "17e", 3},  {50, 7, "17f", 1},  {51, 7, "17f", 2},
                              {134, 7, "17Aa", 1}};
    open("C004", "2026");
    QList<int> serials;
    for (const Place &p : places)
        serials << p.serial;
    answer("2026", serials);
    ASSERT_TRUE(importWizard(false)) << env->prompt().texts().join(" / ").toStdString();
    for (const Place &p : places) {
        const QList<QStringList> stored = point(p.page, p.point);
        ASSERT_EQ(stored.size(), 1) << p.point.toStdString();
        EXPECT_EQ(stored[0][p.column - 1], QString("answer %1").arg(p.serial)) << p.point.toStdString();
    }
}

TEST_P(OldWizard, EveryBookGivesARowToEachOfTheThreeLists)
{
    open("C004", "2026");
    answer("2026", {9});
    book("2026", {"Cash Book", "Yes", "Yes", "Yes"});
    book("2026", {"Ledger", "Yes", "Yes", "No"});
    book("2026", {"", "Yes", "Yes", "Yes"});
    ASSERT_TRUE(importWizard(false));
    for (const auto &[list, examined] :
         {std::pair{QString("9a"), QString("Yes")}, std::pair{QString("9b"), QString("Yes")},
          std::pair{QString("9c"), QString("No")}}) {
        const QList<QStringList> rows = point(4, list);
        ASSERT_EQ(rows.size(), 2) << list.toStdString();
        EXPECT_EQ(rows[0].mid(0, 2), (QStringList{"Cash Book", "Yes"}));
        EXPECT_EQ(rows[1].mid(0, 2), (QStringList{"Ledger", examined}));
        EXPECT_EQ(rows[1][22], "2");
    }
}

TEST_P(OldWizard, ReplacesTheForm3cdRowsAndKeepsPartA)
{
    open("C004", "2026");
    store(1, "3CA1", {{"We", "us", "Rao & Co"}});
    store(3, "10a", {{"Trading", "Manufacturing", ""}});
    store(301, "R10a", {{"Said by the management."}});
    answer("2026", {13});
    ASSERT_TRUE(importWizard(false));
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"DO you want to import data from current year Old 3CD Wizard.?",
                           "Import Successfully."}));
    EXPECT_EQ(point(5, "12a")[0][0], "answer 13");
    EXPECT_TRUE(point(3, "10a").isEmpty());
    EXPECT_TRUE(point(301, "R10a").isEmpty());
    EXPECT_EQ(point(1, "3CA1")[0][2], "Rao & Co");
}

TEST_P(OldWizard, ThePreviousYearsAnswersAreReadForThatYear)
{
    open("C004", "2026");
    answer("2025", {9});
    ASSERT_TRUE(importWizard(true));
    EXPECT_EQ(env->prompt().texts().first(),
              "DO you want to import data from Previous year old 3CD Wizard.?");
    EXPECT_EQ(point(5, "11a")[0][0], "answer 9");
    EXPECT_FALSE(importWizard(false));
    EXPECT_EQ(env->prompt().lastText(), "There are no answers of the old 3CD wizard for 2026-27 to import.");
    EXPECT_EQ(point(5, "11a")[0][0], "answer 9");
}

TEST_P(OldWizard, AClientWithoutWizardAnswersKeepsItsReport)
{
    open("C004");
    store(17, "33", {{"Kept", ""}});
    EXPECT_FALSE(importWizard(false));
    EXPECT_EQ(point(17, "33")[0][0], "Kept");
}
