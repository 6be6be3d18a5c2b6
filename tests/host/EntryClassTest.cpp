#include "TestHost.h"

#include "editor/Form3CD.h"
#include "editor/clsMain.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>

namespace
{

QStringList pointsOf(const QString &formName)
{
    QStringList points;
    for (const auto &row : ClauseStore::readAll()) {
        if (row.formName == formName)
            points << row.point;
    }
    points.sort();
    return points;
}

ClauseStore::ClauseRow rowOf(const QString &formName, const QString &point)
{
    for (const auto &row : ClauseStore::readAll()) {
        if (row.formName == formName && row.point == point)
            return row;
    }
    return {};
}

} // namespace

class EntryClass : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (env)
            entryClass = std::make_unique<clsMain>();
    }
    void TearDown() override
    {
        if (Form3CD *editor = Form3CD::existing())
            delete editor;
        EngineTest::TearDown();
    }
    std::unique_ptr<clsMain> entryClass;
    clsMain &entry() { return *entryClass; }
};

TEST_P(EntryClass, OpeningAReportPreparesFoldersStateAndHeading)
{
    env->host().selectClient("C001");
    ASSERT_TRUE(entry().OpenForm(0));

    const QString doc = env->host().DocPath();
    EXPECT_TRUE(QDir(doc + "/Annex3CD/C001/2026").exists());
    EXPECT_TRUE(QDir(doc + "/Files/C001/3CDRETS/2026").exists());
    EXPECT_EQ(moduleState().formKind, FormKind::F3CA);
    EXPECT_EQ(moduleState().formCode, "3CA");
    EXPECT_EQ(moduleState().clauseTable, "anx_j3cd_2026");
    EXPECT_TRUE(moduleState().opted115BAA); // the demo report opted for section 115BAA

    ASSERT_NE(Form3CD::existing(), nullptr);
    EXPECT_EQ(Form3CD::existing()->windowTitle(), "e-Filing of Form 3CA-3CD");
    EXPECT_EQ(Form3CD::existing()->headingText(),
              "Form 3CA - 3CD of Sharma Textiles Private Limited for A.Y. 2026-27");
    // The partial demo report has no depreciation yet: the one message is the reminder.
    ASSERT_EQ(env->prompt().shown().size(), 1u) << env->prompt().texts().join("\n").toStdString();
    EXPECT_TRUE(env->prompt().lastText().startsWith("Clause 18 on page 7 has no block of assets yet"));
}

TEST_P(EntryClass, AnAmpersandInTheClientNameShowsOnce)
{
    env->host().selectClient("C002");
    ASSERT_TRUE(entry().OpenForm(1));
    EXPECT_EQ(Form3CD::existing()->headingText(), "Form 3CB - 3CD of Mehta & Sons for A.Y. 2026-27");
    EXPECT_FALSE(moduleState().opted115BAA);
}

TEST_P(EntryClass, DecliningTheFormSwitchKeepsTheEditorClosedAndTheRowsAsTheyWere)
{
    env->openForm(FormKind::F3CA);
    const QStringList before = pointsOf("3CA");
    env->prompt().queue(PromptAnswer::No);
    EXPECT_FALSE(entry().OpenForm(1));
    EXPECT_EQ(env->prompt().lastText(),
              "You have already filled data in [Form 3CA-3CD].\n"
              "Do you want to use this form [Form 3CB-3CD] and Transfer data to this form?");
    EXPECT_EQ(Form3CD::existing(), nullptr);
    EXPECT_EQ(pointsOf("3CA"), before);
    EXPECT_TRUE(pointsOf("3CB").isEmpty());
}

TEST_P(EntryClass, SwitchingFormsMovesPartAAndBack)
{
    env->prompt().queue(PromptAnswer::Yes);
    ASSERT_TRUE(entry().OpenForm(1));
    EXPECT_TRUE(pointsOf("3CA").isEmpty());
    EXPECT_EQ(pointsOf("3CB"), (QStringList{"3CBOTH", "3CBPT1", "3CBPT1A", "3CBPT2", "3CBPT3", "3CBPT5"}));

    const auto pt1 = rowOf("3CB", "3CBPT1");
    EXPECT_EQ(pt1.page, 101);
    EXPECT_EQ(pt1.cols.mid(0, 5),
              (QStringList{"We", "31/03/2026", "Profit and Loss Account", "01/04/2025", "31/03/2026"}));
    EXPECT_EQ(rowOf("3CB", "3CBPT1A").col(12), "AABCS1234K");
    EXPECT_EQ(rowOf("3CB", "3CBPT5").cols.mid(0, 3), (QStringList{"our", "our", "us"}));
    EXPECT_EQ(rowOf("3CB", "3CBOTH").col(5), "25/09/2026");
    // Form 3CD rows are not touched by the switch.
    EXPECT_EQ(rowOf("3CD", "8a").col(1), "115BAA");

    delete Form3CD::existing();
    env->prompt().queue(PromptAnswer::Yes);
    ASSERT_TRUE(entry().OpenForm(0));
    EXPECT_TRUE(pointsOf("3CB").isEmpty());
    const auto a1 = rowOf("3CA", "3CA1");
    EXPECT_EQ(a1.page, 1);
    EXPECT_EQ(a1.col(1), "We");
    EXPECT_EQ(a1.col(2), "Us");
    EXPECT_EQ(a1.col(7), "Our");
    EXPECT_EQ(a1.col(10), "01/04/2025");
    EXPECT_EQ(a1.col(12), "2026");
    EXPECT_EQ(rowOf("3CA", "3CA3").cols.mid(0, 3), (QStringList{"our", "our", "us"}));
}

TEST_P(EntryClass, AFormWithNoRowsOfTheOtherFormOpensWithoutQuestion)
{
    env->host().selectClient("C003");
    EXPECT_TRUE(entry().OpenForm(1));
    EXPECT_TRUE(env->prompt().shown().empty());
}

TEST_P(EntryClass, XmlCheckNeedsAnAuditorFirst)
{
    env->host().DBObj().Execute("DELETE FROM client_auditor");
    EXPECT_FALSE(entry().OpenForm(-1, "F", "10B", env->dir() + "/x.xml"));
    ASSERT_GE(env->prompt().shown().size(), 1u);
    EXPECT_EQ(env->prompt().shown().front().text, "Please select an 'Auditor'.");
}

TEST_P(EntryClass, Form10BBIsFramedForFiling)
{
    ASSERT_TRUE(entry().OpenForm(2));
    const QString body = env->dir() + "/body.json";
    QFile file(body);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"Form10BB\": {\"FilingType\": \"KESTROVA_FILLINGTYPE\"},");
    file.close();
    const QString target = env->dir() + "/AABCS1234K_10BB_2026.json";
    env->prompt().queueText(target);
    env->prompt().queue(PromptAnswer::No); // do not upload
    ASSERT_TRUE(entry().Form10BExportJSON("10BB", "AABCS1234K", body, "R"));

    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_EQ(text, "{\"metadata\": {\"filingType\": \"R\",\"refYearType\": \"AY\",\"financialQtr\": 0,"
                    "\"refYear\": 2026,\"formName\": \"F10BB-NEW\"},\"Form10BB\": {\"FilingType\": \"R\"},"
                    "\"CreationInfo\": {\"SWVersionNo\": \"R1\",\"SWCreatedBy\": \"SW90000417\","
                    "\"JSONCreatedBy\": \"SW90000417\",\"JSONCreationDate\": \"" +
                        today +
                        "\",\"IntermediaryCity\": \"VELMORA\"},\"Form_Details\": {\"schemaVersion\": "
                        "\"Ver1.6\",\"formVersion\": \"Ver1.0\"}}");
    EXPECT_EQ(env->prompt().shown().back().title, " Confirmation");

    // Writing again asks before overwriting; No leaves the file alone.
    env->prompt().queueText(target);
    env->prompt().queue(PromptAnswer::No);
    EXPECT_FALSE(entry().Form10BExportJSON("10BB", "AABCS1234K", body, "O"));
    EXPECT_EQ(env->prompt().lastText(), "File Already Exists, Do you want to overwrite?");
}

TALVEX_BOTH_ENGINES(EntryClass);
