#include "EfilingTestSupport.h"

#include "dialogs/clsExportJSON.h"

#include <QFile>

using nlohmann::json;

class GenerateJson : public EfilingTest
{
protected:
    // Runs the command with the save dialog answered by `path` and the upload question by `choice`
    // (0 No, 1 Yes with Original, 2 Yes with Revised).
    clsExportJSON run(const QString &path, int choice = 0)
    {
        env->prompt().queueText(path);
        env->prompt().queueChoice(choice);
        clsExportJSON exporter;
        exporter.GenerateJSON(QStringLiteral("F"));
        return exporter;
    }
};

TALVEX_BOTH_ENGINES(GenerateJson);

TEST_P(GenerateJson, OffersTheFormPanAndYearAsName)
{
    env->prompt().queueText(QString());
    clsExportJSON().GenerateJSON(QStringLiteral("F"));
    ASSERT_EQ(env->prompt().shown().size(), 1u);
    const auto &save = env->prompt().shown().front();
    EXPECT_EQ(save.kind, "save");
    EXPECT_TRUE(save.text.endsWith("/3CA_AABCS1234K_2026.json")) << save.text.toStdString();
}

TEST_P(GenerateJson, AnsweringNoLeavesTheFileAsWritten)
{
    const QString path = tempFile("out.json");
    const clsExportJSON exporter = run(path);
    EXPECT_EQ(exporter.outcome(), clsExportJSON::Outcome::Valid);
    EXPECT_EQ(exporter.uploadAnswer(), "N");
    EXPECT_EQ(withoutCreationDate(readFile(path)).toStdString(),
              withoutCreationDate(compose()).toStdString());
    EXPECT_EQ(env->prompt().shown().back().title, " Confirmation");
    EXPECT_TRUE(env->prompt().shown().back().text.startsWith("JSON Generated Succesfully to \n"));
}

TEST_P(GenerateJson, RefusingToOverwriteLeavesTheOldFileUntouched)
{
    const QString path = tempFile("out.json");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    env->prompt().queueText(path);
    env->prompt().queue(PromptAnswer::No);
    clsExportJSON exporter;
    exporter.GenerateJSON(QStringLiteral("F"));
    EXPECT_EQ(exporter.outcome(), clsExportJSON::Outcome::NotWritten);
    EXPECT_EQ(readFile(path), "old");
    EXPECT_EQ(env->prompt().lastText(), "File Already Exists, Do you want to overwrite?");
}

TEST_P(GenerateJson, YesWithRevisedWrapsTheFileInTheUploadEnvelope)
{
    const QString path = tempFile("out.json");
    const clsExportJSON exporter = run(path, 2);
    EXPECT_EQ(exporter.uploadAnswer(), "Y|R");
    const json wrapped = json::parse(readFile(path).toStdString());
    EXPECT_EQ(wrapped["metadata"]["filingType"], "R");
    EXPECT_EQ(wrapped["metadata"]["refYearType"], "AY");
    EXPECT_EQ(wrapped["metadata"]["financialQtr"], 0);
    EXPECT_EQ(wrapped["metadata"]["refYear"], 2026);
    EXPECT_EQ(wrapped["metadata"]["formName"], "F3CA-3CD");
    json plain = document();
    plain["FORM3CA"]["F3CA"]["CreationInfo"]["JSONCreationDate"] =
        wrapped["data"]["FORM3CA"]["F3CA"]["CreationInfo"]["JSONCreationDate"];
    EXPECT_EQ(wrapped["data"], plain);
    // Online filing is not part of the installation: the user is told where the file lies.
    EXPECT_TRUE(env->prompt().lastText().contains(path)) << env->prompt().lastText().toStdString();
}

TEST_P(GenerateJson, AFileThatFailsTheCheckIsReportedAndNeverReplacesTheFileThere)
{
    const QString path = tempFile("out.json");
    {
        QFile good(path);
        ASSERT_TRUE(good.open(QIODevice::WriteOnly));
        good.write("the file of an earlier run");
    }
    setValue(4, "Opt12", "");
    env->prompt().queueText(path);
    env->prompt().queue(PromptAnswer::Yes);
    clsExportJSON exporter;
    exporter.GenerateJSON(QStringLiteral("F"));
    EXPECT_EQ(exporter.outcome(), clsExportJSON::Outcome::Invalid);
    EXPECT_EQ(readFile(path), "the file of an earlier run");
    const auto &shown = env->prompt().shown();
    ASSERT_GE(shown.size(), 2u);
    const auto &report = shown.at(shown.size() - 2);
    EXPECT_EQ(report.title, "E-Filing Validation - Error Report");
    EXPECT_TRUE(report.text.contains("Clause 12 (page 4)")) << report.text.toStdString();
    EXPECT_EQ(shown.back().text, "Invalid File.");
    EXPECT_EQ(shown.back().title, "3CA");
    for (const auto &s : shown)
        EXPECT_FALSE(s.text.contains("Succesfully")) << s.text.toStdString();
}

TEST_P(GenerateJson, AFileIsWrittenOnlyWhenItPassesTheSameCheckAsValidate)
{
    // A date of signing that is no date: whatever the writer makes of it, the file is checked
    // as `taxaudit validate` checks it before it is put in place.
    setValue(21, "DSIGN", "Nil");
    const QString path = tempFile("nil.json");
    const clsExportJSON exporter = run(path);
    EXPECT_EQ(exporter.outcome(), clsExportJSON::Outcome::Invalid);
    EXPECT_FALSE(QFile::exists(path));
    for (const auto &s : env->prompt().shown())
        EXPECT_FALSE(s.text.contains("Succesfully")) << s.text.toStdString();
}
