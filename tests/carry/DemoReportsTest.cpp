#include "../print/PdfText.h"
#include "TestHost.h"
#include "ToolRun.h"

#include "store/Database.h"

#include <QFile>
#include <QTemporaryDir>
#include <nlohmann/json.hpp>

// The demo that the program opens on a new installation: every report it holds is one the
// department's check takes, and last year's reports carry into this year's.
class DemoReports : public testing::TestWithParam<TestEngine>
{
protected:
    void SetUp() override
    {
        const QString why = TestHost::unavailable(GetParam());
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        if (GetParam() == TestEngine::SQLite) {
            db = "sqlite:" + home.filePath("demo.db");
        } else {
            server = std::make_unique<TestHost>(GetParam(), false);
            db = server->host().DBObj().url().toString();
        }
        const ToolRun demo = taxaudit({"demo"});
        ASSERT_EQ(demo.status, 0) << demo.err.toStdString();
    }
    ToolRun taxaudit(const QStringList &arguments) const
    {
        return runTaxaudit(home.path(), QStringList{"--db", db} + arguments);
    }
    // The e-filing file of a client's report, written and checked again on its own.
    nlohmann::json filed(const QString &client) const
    {
        const QString out = home.filePath(client + ".json");
        const ToolRun written =
            taxaudit({"generate-json", "--client", client, "--year", "2026", "--out", out, "--yes"});
        EXPECT_EQ(written.status, 0) << client.toStdString() << ": " << written.err.toStdString();
        const ToolRun checked = taxaudit({"validate", out});
        EXPECT_EQ(checked.status, 0) << client.toStdString() << ": " << checked.out.toStdString();
        QFile file(out);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return nlohmann::json::parse(file.readAll().toStdString());
    }
    QStringList rows(const QString &client) const
    {
        return taxaudit({"rows", "--client", client, "--year", "2026"}).out.split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir home;
    std::unique_ptr<TestHost> server;
    QString db;
};
TALVEX_BOTH_ENGINES(DemoReports);

// C003's report is made by carrying the old wizard's answers, which the demo keeps for it.
TEST_P(DemoReports, EveryDemoReportPassesTheDepartmentsCheck)
{
    EXPECT_TRUE(filed("C001").contains("FORM3CA"));

    const nlohmann::json firm = filed("C002");
    ASSERT_TRUE(firm.contains("FORM3CB"));
    const nlohmann::json &f = firm["FORM3CB"]["F3CB"];
    EXPECT_EQ(f["Declaration"]["Point1"]["PAN"], "AAHFM4521L");
    EXPECT_EQ(f["Declaration"]["Point5"]["Observations"].size(), 1u);
    EXPECT_EQ(f["OtherInformation1"]["Place"], "Ahmedabad");
    const ToolRun check = taxaudit({"check", "--client", "C002", "--year", "2026"});
    EXPECT_EQ(check.status, 0) << check.out.toStdString();

    const ToolRun xml = taxaudit(
        {"generate-xml", "--client", "C004", "--year", "2026", "--out", home.filePath("C004.xml"), "--yes"});
    EXPECT_EQ(xml.status, 0) << xml.err.toStdString();
}

TEST_P(DemoReports, ThePartnershipsReportCarriesIntoTheNextYear)
{
    const QStringList before = rows("C002");
    EXPECT_TRUE(before.contains("3\t3CD\t9a\tRajesh Mehta\t40.00" + QString(21, '\t') + "1"));
    EXPECT_TRUE(before.contains("20\t3CD\t40a\t38500000\t34200000"));

    const ToolRun carried =
        taxaudit({"carry", "--client", "C002", "--year", "2026", "--from", "previous", "--yes"});
    ASSERT_EQ(carried.status, 0) << carried.err.toStdString();
    const QStringList after = rows("C002");
    // Last year's figures of clause 40 become this year's figures of the year before.
    EXPECT_TRUE(after.contains("20\t3CD\t40a\t\t38500000")) << after.join('\n').toStdString();
    EXPECT_TRUE(after.contains("3\t3CD\t9a\tRajesh Mehta\t40.00" + QString(21, '\t') + "1"));
    EXPECT_TRUE(std::any_of(after.begin(), after.end(),
                            [](const QString &row) { return row.startsWith("101\t3CB\t3CBPT1\tWe\t"); }));
    EXPECT_TRUE(filed("C002").contains("FORM3CB"));
}

// The partnership's Form 3CB is dated and placed where the accountant signs it, on the front
// page as in the statement after it, in the table print and through a template; a report
// whose date of signing is given on the signing page alone prints that date on both.
TEST_P(DemoReports, ThePartnershipsPrintedReportIsDatedWhereItIsSigned)
{
    for (const bool signingPageOnly : {false, true}) {
        if (signingPageOnly)
            Database::open(DbUrl::parse(db))
                ->Execute("UPDATE anx_j3cd_2026 SET Col5=NULL WHERE Code_No='C002' AND PointNo='3CBOTH'");
        for (const QStringList &extra :
             {QStringList{}, QStringList{"--template", "(Original) Tabular Format"}}) {
            const QString pdf = home.filePath("c002.pdf");
            const ToolRun run = taxaudit(
                QStringList{"print", "--client", "C002", "--year", "2026", "--pdf", pdf, "--yes"} + extra);
            ASSERT_EQ(run.status, 0) << run.err.toStdString();
            const QString text = pdfText(pdf);
            const qsizetype form3cd = text.indexOf("FORM NO. 3CD");
            ASSERT_GT(form3cd, 0);
            const QString frontPage = text.left(form3cd).simplified();
            EXPECT_TRUE(frontPage.contains("FORM NO. 3CB")) << frontPage.toStdString();
            EXPECT_TRUE(frontPage.contains("Date : 20/09/2026"))
                << signingPageOnly << extra.join(' ').toStdString() << frontPage.toStdString();
            EXPECT_TRUE(frontPage.contains("Place : Ahmedabad")) << frontPage.toStdString();
            EXPECT_TRUE(text.mid(form3cd).simplified().contains("Date : 20/09/2026"));
        }
    }
}
