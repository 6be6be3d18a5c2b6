#include "CarryTestSupport.h"
#include "ToolRun.h"

#include "dialogs/clsExportJSON.h"
#include "store/Database.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

// taxaudit carry and fill-default on the database the test host prepared with the demo data.
class CarryCommandLine : public CarryTest
{
protected:
    void SetUp() override
    {
        CarryTest::SetUp();
        if (!env)
            return;
        QDir().mkpath(home.path() + "/tmp");
        db = env->host().DBObj().url().toString();
    }
    ToolRun run(const QStringList &args) { return runTaxaudit(home.path(), QStringList{"--db", db} + args); }

    QTemporaryDir home;
    QString db;
};

TALVEX_BOTH_ENGINES(CarryCommandLine);

TEST_P(CarryCommandLine, CarriesLastYearOnlyWhenConfirmed)
{
    open("C001", "2025");
    store(20, "40a", {{"100", ""}});
    open("C001", "2026");
    const QStringList before = rows();
    const ToolRun refused = run({"carry", "--client", "C001", "--year", "2026", "--from", "previous"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(rows(), before);

    const ToolRun done = run(
        {"carry", "--client", "C001", "--year", "2026", "--from", "previous", "--without-figures", "--yes"});
    EXPECT_EQ(done.status, 0) << done.err.toStdString();
    EXPECT_EQ(done.out, "C001\t2026\tprevious\tSuccess\n");
    EXPECT_EQ(point(20, "40a")[0].mid(0, 2), (QStringList{"0", "0"}));
    EXPECT_TRUE(point(21, "UDIN").isEmpty());
}

TEST_P(CarryCommandLine, CarriesLastYearsFile)
{
    open("C001", "2025");
    const QString file = writeFile("3CA_2025.json", clsExportJSON::compose(QDate(2025, 10, 1)));
    const ToolRun done =
        run({"carry", "--client", "C001", "--year", "2026", "--from", "json:" + file, "--yes"});
    EXPECT_EQ(done.status, 0) << done.err.toStdString();
    open("C001", "2026");
    EXPECT_TRUE(point(21, "UDIN").isEmpty());
    EXPECT_EQ(point(1, "3CA1")[0][9], "01/04/2025");
}

TEST_P(CarryCommandLine, FillsDefaultsOnceAndReportsThePages)
{
    const ToolRun first = run({"fill-default", "--client", "C001", "--year", "2026"});
    EXPECT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.startsWith("C001\t2026\tpages 3,4,"));
    const ToolRun second = run({"fill-default", "--client", "C001", "--year", "2026"});
    EXPECT_EQ(second.out, "C001\t2026\tnothing to fill\n");
}

TEST_P(CarryCommandLine, AnUnknownSourceIsBadInput)
{
    const ToolRun bad = run({"carry", "--client", "C001", "--year", "2026", "--from", "yesterday"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.startsWith("usage: taxaudit carry"));
}

TEST_P(CarryCommandLine, CarriesAndFillsTheClientsForm3ceb)
{
    open("C004", "2025", FormKind::F3CEB);
    store(7, "Opt16", {{"True"}});
    store(7, "16",
          {{"Dublin Holdings", "Dublin", "Equity shares", "EUR", "Paid", "Nil", "(a) method", "", "", "", "",
            "", "", "", "1"}});
    const ToolRun done =
        run({"carry", "--client", "C004", "--year", "2026", "--from", "previous", "--form", "3CEB", "--yes"});
    EXPECT_EQ(done.status, 0) << done.err.toStdString();
    EXPECT_EQ(done.out, "C004\t2026\tprevious\tSuccess\n");
    open("C004", "2026", FormKind::F3CEB);
    EXPECT_EQ(point(7, "16")[0][0], "Dublin Holdings");
    EXPECT_TRUE(point(1, "UDIN").isEmpty());
    EXPECT_TRUE(point(3, "10").size() == 2);

    env->host().DBObj().Execute(
        "DELETE FROM anx_new_3ceb WHERE Code_No='C004' AND FYr='2026' AND PointNo='Opt25'");
    const ToolRun filled = run({"fill-default", "--client", "C004", "--year", "2026", "--form", "3CEB"});
    EXPECT_EQ(filled.status, 0) << filled.err.toStdString();
    EXPECT_EQ(filled.out, "C004\t2026\tpages 12\n");
    EXPECT_EQ(point(12, "Opt25")[0][0], "False");

    const ToolRun wrong = run({"fill-default", "--client", "C004", "--year", "2026", "--form", "3CD"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.startsWith("--form takes 3CEB")) << wrong.err.toStdString();
}

TEST_P(CarryCommandLine, ReplacingCommandsNeedYesOnceTheReportHoldsData)
{
    open("C001", "2025");
    store(20, "40a", {{"100", ""}});
    open("C001", "2026");
    const QString file = writeFile("3CA_2026.json", clsExportJSON::compose(QDate(2026, 10, 1)));
    const QStringList before = rows();

    const ToolRun refused = run({"import-json", "--client", "C001", "--year", "2026", file});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(
        refused.err.contains("Importing the e-filing JSON file will change the Form 3CA-3CD report of "))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(" (C001) for A.Y. 2026-27:")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("    Page 20: ")) << refused.err.toStdString();
    const ToolRun notCarried = run({"carry", "--client", "C001", "--year", "2026", "--from", "previous"});
    EXPECT_EQ(notCarried.status, 1);
    EXPECT_TRUE(notCarried.err.contains("Importing the previous year's report will change"))
        << notCarried.err.toStdString();
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(run({"snapshots", "--client", "C001", "--year", "2026"}).out, "");

    const ToolRun carried =
        run({"carry", "--client", "C001", "--year", "2026", "--from", "previous", "--yes"});
    EXPECT_EQ(carried.status, 0) << carried.err.toStdString();
    const QStringList after = rows();
    const QStringList listed =
        run({"snapshots", "--client", "C001", "--year", "2026"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(listed.size(), 1);
    const QStringList fields = listed.first().split('\t');
    ASSERT_EQ(fields.size(), 5);
    EXPECT_EQ(fields[2], "3CA");
    EXPECT_EQ(fields[3], QString::number(before.size()));
    EXPECT_EQ(fields[4], "Importing the previous year's report");

    const QStringList restore{"restore", "--client", "C001", "--year", "2026", "--snapshot", fields[0]};
    EXPECT_EQ(run(restore).status, 1);
    EXPECT_EQ(rows(), after);
    const ToolRun restored = run(restore + QStringList{"--yes"});
    EXPECT_EQ(restored.status, 0) << restored.err.toStdString();
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(run({"restore", "--client", "C001", "--year", "2026", "--snapshot", "999"}).status, 2);
}
