#include "ImportTestSupport.h"

#include "commands/clsImportJSON.h"
#include "host/HostContext.h"
#include "store/Database.h"

#include <QRegularExpression>

class Refusal : public ImportTest
{
protected:
    // A database rule that refuses one value, so that an import fails after its delete and
    // some of its inserts have run.
    void refuseValue(const QString &value)
    {
        Database &db = host().DBObj();
        const QString table = moduleState().clauseTable;
        if (GetParam() == TestEngine::SQLite)
            db.Execute(QString("CREATE TRIGGER refuse_value BEFORE INSERT ON %1 WHEN NEW.Col1 = '%2' "
                               "BEGIN SELECT RAISE(ABORT, 'value refused'); END")
                           .arg(table, value));
        else
            db.Execute(
                QString("CREATE TRIGGER refuse_value BEFORE INSERT ON %1 FOR EACH ROW BEGIN IF NEW.Col1 = "
                        "'%2' THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'value refused'; END IF; END")
                    .arg(table, value));
    }
    // The demo report's file with clause 37, read late in the import, answered with this detail.
    QString fileFailingAtClause37(const QString &value)
    {
        QString text = QString::fromUtf8(documentOf("C001"));
        text.replace(QRegularExpression("\"CostAuditFlag\": \"N\""),
                     QString("\"CostAuditFlag\": \"Y\", \"CostAuditDetail\": \"%1\"").arg(value));
        EXPECT_TRUE(text.contains(value));
        return writeFile("failing.json", text.toUtf8());
    }
};

TALVEX_BOTH_ENGINES(Refusal);

TEST_P(Refusal, AForm3CBFileOfferedToAForm3CAReportChangesNothing)
{
    const QString file = writeFile("3CB.json", documentOf("C001", FormKind::F3CB));
    open("C001");
    const QStringList before = rowsOf("C001");
    env->prompt().queueText(file);
    env->prompt().queue(PromptAnswer::Yes);

    EXPECT_FALSE(clsImportJSON().ImportJSON());
    const auto &shown = env->prompt().shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].title, "Select JSON File to Import");
    EXPECT_EQ(shown[1].title, "Warning");
    EXPECT_EQ(shown[1].text, "Importing the JSON file will delete all the existing data of Form 3CA-3CD\n"
                             "Are you sure to continue?");
    EXPECT_EQ(shown[2].text, "Selected JSON File is not a Form 3CA-3CD JSON File");
    EXPECT_EQ(rowsOf("C001"), before);
}

TEST_P(Refusal, AFileWithASyntaxErrorChangesNothing)
{
    QByteArray text = documentOf("C001");
    text.chop(200);
    const QString file = writeFile("broken.json", text);
    const QStringList before = rowsOf("C001");

    EXPECT_FALSE(clsImportJSON().ImportJSON(file));
    EXPECT_EQ(env->prompt().shown().back().title, "Error");
    EXPECT_EQ(env->prompt().lastText(), "Invalid JSON File");
    EXPECT_EQ(rowsOf("C001"), before);
    EXPECT_FALSE(clsImportJSON::importFile(file, "C001", "2026"));
    EXPECT_EQ(rowsOf("C001"), before);
}

TEST_P(Refusal, AFileThatFailsPartWayLeavesTheReportAsItWas)
{
    const QString file = fileFailingAtClause37("FAIL-HERE");
    open("C001");
    refuseValue("FAIL-HERE");
    const QStringList before = rowsOf("C001");

    EXPECT_FALSE(clsImportJSON().ImportJSON(file));
    EXPECT_TRUE(env->prompt().lastText().contains("value refused")) << env->prompt().lastText().toStdString();
    EXPECT_EQ(rowsOf("C001"), before);

    EXPECT_FALSE(clsImportJSON::importFile(file, "C001", "2026"));
    EXPECT_EQ(rowsOf("C001"), before);
    // The same file with an accepted value goes in.
    EXPECT_TRUE(clsImportJSON::importFile(fileFailingAtClause37("Not applicable"), "C001", "2026"));
    EXPECT_NE(rowsOf("C001"), before);
}

TEST_P(Refusal, DecliningTheWarningChangesNothing)
{
    const QString file = writeFile("3CA.json", documentOf("C001"));
    open("C004");
    env->prompt().queueText(file);
    env->prompt().queue(PromptAnswer::No);
    EXPECT_FALSE(clsImportJSON().ImportJSON());
    EXPECT_EQ(env->prompt().shown().size(), 2u);
    EXPECT_TRUE(rowsOf("C004").isEmpty());

    env->prompt().clear();
    env->prompt().queueText(QString());
    EXPECT_FALSE(clsImportJSON().ImportJSON());
    EXPECT_EQ(env->prompt().shown().size(), 1u) << "no file chosen, no question";
}

TEST_P(Refusal, AFileOfAnotherFormIsNotImported)
{
    const QString file = writeFile("10B.json", R"({"FORM10B": {"F10B": {"Form_Details": {}}}})");
    EXPECT_FALSE(clsImportJSON().ImportJSON(file));
    EXPECT_EQ(env->prompt().lastText(), "Selected JSON File is not a Form 3CD JSON File");
    EXPECT_FALSE(clsImportJSON::importFile(file, "C001", "2026"));
}

TEST_P(Refusal, TheRemarksOfPage301Survive)
{
    const QString file = writeFile("3CA.json", documentOf("C001"));
    auto remarks = [&] { return rowsOf("C001").filter(QRegularExpression("^301\\|")); };
    const QStringList before = remarks();
    ASSERT_EQ(before.size(), 1);
    EXPECT_TRUE(before.first().startsWith("301|3CD|R18|Depreciation is computed"));

    env->prompt().queueText(file);
    env->prompt().queue(PromptAnswer::Yes);
    ASSERT_TRUE(clsImportJSON().ImportJSON());
    EXPECT_EQ(env->prompt().lastText(), "JSON Imported Successfully.");
    EXPECT_EQ(remarks(), before);
    // Everything else was replaced: the "As Per Annexure" tick is not in the file.
    EXPECT_TRUE(rowsOf("C001").filter(QRegularExpression("^201\\|")).isEmpty());
}
