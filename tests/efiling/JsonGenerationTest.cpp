#include "EfilingTestSupport.h"
#include "ToolRun.h"

#include "commands/JsonGeneration.h"
#include "host/HostContext.h"
#include "store/Database.h"
#include "store/ReportKey.h"

#include <QDir>
#include <QFile>

using nlohmann::json;

// Generate JSON as one command: where it offers to write, what it writes and finds, and the
// upload it offers; the desktop program and taxaudit write the same file through it.
class JsonGeneration_ : public EfilingTest
{
};

TALVEX_BOTH_ENGINES(JsonGeneration_);

TEST_P(JsonGeneration_, AChosenFileIsWrittenCheckedAndWrappedForTheFilingTypeChosen)
{
    const ReportKey report = ReportKey::current();
    const QString path = tempFile("chosen.json");
    env->prompt().queueText(path);
    ASSERT_EQ(JsonGeneration::chooseFile(report), path);
    EXPECT_TRUE(env->prompt().shown().front().text.endsWith("/3CA_AABCS1234K_2026.json"));

    const EfilingExport::Result written = JsonGeneration::write(report, path);
    ASSERT_EQ(written.outcome, EfilingExport::Outcome::Valid) << written.failure.toStdString();
    EXPECT_TRUE(written.check.findings.isEmpty());

    // taxaudit writes the same document through the same command.
    const QString byTool = tempFile("tool.json");
    QDir().mkpath(env->dir() + "/tmp");
    const ToolRun run = runTaxaudit(env->dir(), {"--db", host().DBObj().url().toString(), "generate-json",
                                                 "--client", "C001", "--year", "2026", "--out", byTool});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(withoutCreationDate(readFile(byTool)), withoutCreationDate(readFile(path)));

    env->prompt().clear();
    env->prompt().queueChoice(2);
    EXPECT_EQ(JsonGeneration::askUpload(path), "Y|R");
    EXPECT_EQ(env->prompt().shown().back().title, JsonGeneration::uploadTitle());
    EXPECT_EQ(env->prompt().shown().back().text, JsonGeneration::uploadQuestion(path));
    ASSERT_TRUE(JsonGeneration::prepareUpload(path, "R", report));
    const json wrapped = json::parse(readFile(path).toStdString());
    EXPECT_EQ(wrapped["metadata"]["filingType"], "R");
    EXPECT_TRUE(env->prompt().lastText().contains(QDir::toNativeSeparators(path)));
}

TEST_P(JsonGeneration_, AReportThatFailsTheCheckGivesItsFindingsAndNoFile)
{
    setValue(4, "Opt12", "");
    const QString path = tempFile("refused.json");
    const EfilingExport::Result written = JsonGeneration::write(ReportKey::current(), path);
    EXPECT_EQ(written.outcome, EfilingExport::Outcome::Invalid);
    EXPECT_FALSE(written.check.findings.isEmpty());
    EXPECT_FALSE(QFile::exists(path));

    // Cancelled at the file dialog, nothing is asked further.
    env->prompt().clear();
    env->prompt().queueText(QString());
    EXPECT_EQ(JsonGeneration::chooseFile(ReportKey::current()), "");
    EXPECT_EQ(env->prompt().shown().size(), 1u);
}
