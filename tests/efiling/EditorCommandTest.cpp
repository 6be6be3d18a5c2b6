#include "EfilingTestSupport.h"

#include "base/ScriptedPrompt.h"
#include "dialogs/FindingsWindow.h"
#include "dialogs/clsExportJSON.h"
#include "editor/Form3CD.h"
#include "efiling/KestrovaJVUtil.h"
#include "efiling/ReportCheck.h"
#include "model/rules/ReportRules.h"
#include "pages/ClauseGrid.h"
#include "pages/ClausePage.h"
#include "store/ClauseStore.h"

#include <QTableWidget>
#include <algorithm>

#include <QFile>

class EditorCommand_ : public EfilingTest
{
protected:
    void TearDown() override
    {
        delete Form3CD::existing();
        EfilingTest::TearDown();
    }
};

TALVEX_BOTH_ENGINES(EditorCommand_);

namespace
{

// The tick list the last check offered: its entries, one a line after its text.
QStringList tickedEntries(const ScriptedPrompt &prompt)
{
    for (auto it = prompt.shown().rbegin(); it != prompt.shown().rend(); ++it) {
        if (it->kind == QLatin1String("tick"))
            return it->text.split('\n').mid(1);
    }
    return {};
}

QList<int> all(qsizetype count)
{
    QList<int> indexes;
    for (int i = 0; i < count; ++i)
        indexes << i;
    return indexes;
}

} // namespace

TEST_P(EditorCommand_, GenerateJsonAsksAboutTheBlankClausesInOneListAndWritesAFileOurSchemaAccepts)
{
    Form3CD *editor = Form3CD::instance();
    editor->show();
    // The first run lists every blank clause at once; none ticked, they stay findings and no
    // file is written.
    editor->runCommand(EditorCommand::GenerateJson);
    const QStringList blanks = tickedEntries(env->prompt());
    ASSERT_FALSE(blanks.isEmpty());
    EXPECT_EQ(env->prompt().shown().back().title, "Findings of the report");
    EXPECT_TRUE(env->prompt().lastText().contains(" is blank")) << env->prompt().lastText().toStdString();
    for (const auto &shown : env->prompt().shown())
        EXPECT_NE(shown.kind, "save");

    // Ticked, they are answered "no information" and the command reaches the save dialog.
    env->prompt().clear();
    env->prompt().queueTicks(all(blanks.size()));
    const QString path = tempFile("3CA.json");
    env->prompt().queueText(path);
    env->prompt().queueChoice(0);
    editor->runCommand(EditorCommand::GenerateJson);
    ASSERT_TRUE(QFile::exists(path)) << env->prompt().texts().join("\n").toStdString();
    const SchemaCheckResult checked =
        KestrovaJVUtil().Validate(path, clsExportJSON::schemaFolder() + "/FORM3CA3CD_MainSchema.json");
    EXPECT_FALSE(checked.failed());
    EXPECT_TRUE(checked.findings.isEmpty());
    EXPECT_EQ(env->prompt().shown().back().title, " Confirmation");

    // The answers were kept: the next run asks nothing about them.
    env->prompt().clear();
    env->prompt().queueText(QString());
    editor->runCommand(EditorCommand::GenerateJson);
    EXPECT_TRUE(tickedEntries(env->prompt()).isEmpty()) << env->prompt().texts().join("\n").toStdString();
}

TEST_P(EditorCommand_, ANilDateOfSigningIsAFindingAndNoFileIsAnnounced)
{
    setValue(21, "DSIGN", "Nil");
    Form3CD *editor = Form3CD::instance();
    editor->show();
    editor->runCommand(EditorCommand::GenerateJson);
    env->prompt().clear();
    env->prompt().queueTicks(all(tickedEntries(env->prompt()).size()));
    editor->runCommand(EditorCommand::GenerateJson);
    const QString list = env->prompt().lastText();
    EXPECT_EQ(env->prompt().shown().back().title, "Findings of the report");
    EXPECT_TRUE(list.contains("Page 21, Date of signing Tax Audit Report: Not a Valid Date [Nil]"))
        << list.toStdString();
    for (const auto &shown : env->prompt().shown()) {
        EXPECT_NE(shown.kind, "save");
        EXPECT_FALSE(shown.text.contains("Succesfully")) << shown.text.toStdString();
    }
    EXPECT_EQ(ClauseStore::readPoint(21, "DSIGN").value(0).col(1), "Nil");
}

TEST_P(EditorCommand_, ADoubleClickOnAFindingOpensThePageAtTheCell)
{
    setGrid(10, "23", {{"Rakesh Sharma", "ABCPS1234D", "", "Director", "Remuneration", "-5000"}});
    Form3CD *editor = Form3CD::instance();
    editor->show();
    const QList<ReportFinding> findings = ReportCheck::findings(*ReportRules::loadAsWritten());
    const auto at = std::find_if(findings.begin(), findings.end(),
                                 [](const ReportFinding &f) { return f.point == QLatin1String("23"); });
    ASSERT_NE(at, findings.end());
    EXPECT_EQ(ReportFindings::line(*at),
              "Clause 23 (page 10), row 1, Payment made (Amount): Not a Valid Amount "
              "[-5000]: this amount cannot be negative");
    FindingsWindow window(findings, [editor](const ReportFinding &f) { editor->openAt(f); });
    const int row = int(at - findings.begin());
    EXPECT_EQ(window.grid()->item(row, 0)->text(), "23");
    EXPECT_EQ(window.grid()->item(row, 1)->text(), "10");
    EXPECT_EQ(window.grid()->item(row, 2)->text(), "1");
    EXPECT_EQ(window.grid()->item(row, 3)->text(), "Payment made (Amount)");
    emit window.grid()->cellDoubleClicked(row, 4);
    EXPECT_EQ(editor->currentPage(), 10);
    auto *grid = editor->page(10)->findChild<ClauseGrid *>("grd23");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->currentColumn(), 5);
}
