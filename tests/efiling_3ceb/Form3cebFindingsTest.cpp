#include "Form3cebTestSupport.h"
#include "ToolRun.h"

#include "base/ScriptedPrompt.h"
#include "editor/Form3CD.h"
#include "host/HostContext.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QDir>

// The editor's check of the whole Form 3CEB report and `taxaudit validate-report --form 3CEB`
// on the same stored report.
class Form3cebFindings : public Form3cebTest
{
protected:
    void TearDown() override
    {
        delete Form3CD::existing();
        Form3cebTest::TearDown();
    }
    ToolRun validateReport()
    {
        QDir().mkpath(env->dir() + "/tmp");
        return runTaxaudit(env->dir(), {"--db", host().DBObj().url().toString(), "validate-report",
                                        "--client", kDemoClient, "--year", "2026", "--form", "3CEB"});
    }
    // What the editor's findings window lists when Validate is pressed on the last page; ""
    // when the report passes.
    QString listedByTheEditor()
    {
        Form3CD *editor = Form3CD::instance();
        editor->show();
        editor->cmdPages_Click(editor->lastPage());
        env->prompt().clear();
        editor->cmdValidate_Click();
        for (const ScriptedPrompt::Shown &shown : env->prompt().shown()) {
            if (shown.title == QLatin1String("Findings of the report"))
                return shown.text + u'\n';
        }
        return {};
    }
};

TALVEX_BOTH_ENGINES(Form3cebFindings);

TEST_P(Form3cebFindings, TheEditorAndTaxauditListTheSameFindings)
{
    open(kDemoClient);
    const ToolRun clean = validateReport();
    EXPECT_EQ(clean.status, 0) << clean.out.toStdString() << clean.err.toStdString();
    EXPECT_EQ(clean.out, "");

    // Clauses 22A and 22B left unanswered; clause 23 answered Yes with a row that gives only
    // its amount, and a wrong one.
    ClauseStore::deletePage(10);
    ClauseStore::deletePoint(11, "Opt23");
    ClauseStore::insertRow(11, "Opt23", {"True"});
    ClauseStore::insertRow(11, "23", {"", "", "", "12x"});
    const ToolRun found = validateReport();
    EXPECT_EQ(found.status, 1) << found.err.toStdString();
    EXPECT_TRUE(found.out.contains("Clause 22A (page 10): Select either Yes or No in clause 22A\n"))
        << found.out.toStdString();
    EXPECT_TRUE(found.out.contains("Clause 22B (page 10): Select either Yes or No in clause 22B\n"))
        << found.out.toStdString();
    EXPECT_TRUE(found.out.contains("Clause 23 (page 11), row 1, Amount as per books of account: Not a Valid "
                                   "Amount [12x]\n"))
        << found.out.toStdString();
    EXPECT_TRUE(found.out.contains("Clause 23 (page 11), row 1, Name of the enterprise: Clause 23 is "
                                   "incomplete. Please fill data in clause 23\n"))
        << found.out.toStdString();

    open(kDemoClient);
    EXPECT_EQ(listedByTheEditor(), found.out);
    // Nothing was saved over the report while the editor checked it.
    EXPECT_TRUE(ClauseStore::readPoint(10, "Opt22A").isEmpty());
}

TEST_P(Form3cebFindings, AFormOtherThan3cebIsRefused)
{
    open(kDemoClient);
    const ToolRun run = runTaxaudit(env->dir(), {"--db", host().DBObj().url().toString(), "validate-report",
                                                 "--client", kDemoClient, "--year", "2026", "--form", "3CA"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "--form takes 3CEB; a Form 3CA or 3CB report is checked as it is stored.\n");
}
