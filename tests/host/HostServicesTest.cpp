#include "TestHost.h"

#include "host/HostSetup.h"
#include "pages/ClauseControls.h"
#include "store/Database.h"

#include <QComboBox>
#include <QSettings>

TEST(HostSetup, TheCommandLineBeatsTheSettingsFileWhichBeatsTheDefault)
{
    QTemporaryDir dir;
    TalvexBase::Paths paths;
    paths.docPath = dir.path() + "/Documents";
    paths.iniFile = dir.path() + "/Talvex.ini";
    EXPECT_EQ(HostSetup::databaseAddress({}, paths), "sqlite:" + paths.docPath + "/Data/talvex.db");
    {
        QSettings ini(paths.iniFile, QSettings::IniFormat);
        ini.setValue("Database/Url", "mysql://firm@dbserver/talvex");
    }
    EXPECT_EQ(HostSetup::databaseAddress({}, paths), "mysql://firm@dbserver/talvex");
    EXPECT_EQ(HostSetup::databaseAddress(" sqlite:/tmp/a.db ", paths), "sqlite:/tmp/a.db");
}

class HostServices : public EngineTest
{
};

TEST_P(HostServices, SettingsSurviveARestartOfTheHost)
{
    env->host().SaveSettingINI("Print", "PFORMAT", "Reports3");
    QSettings reread(env->dir() + "/Talvex.ini", QSettings::IniFormat);
    EXPECT_EQ(reread.value("Print/PFORMAT").toString(), "Reports3");
    EXPECT_EQ(env->host().GetSettingINI("Print", "Missing", "dflt"), "dflt");
}

TEST_P(HostServices, AuditorOfTheClientAndYear)
{
    TalvexBase &h = env->host();
    ASSERT_TRUE(h.GetAuditorDet("F", "2026", "C001"));
    EXPECT_EQ(h.vArrOutValue(0), "Priya Raghavan");
    EXPECT_EQ(h.vArrOutValue(1), "204060");
    EXPECT_EQ(h.vArrOutValue(38), "");
    EXPECT_EQ(h.vArrOutValue(39), "");
    h.InitTempArray();
    EXPECT_EQ(h.vArrOutValue(0), "");
    EXPECT_FALSE(h.GetAuditorDet("I", "2026", "C001"));

    // Choosing another auditor replaces the one of that type.
    env->prompt().queueChoice(0); // the list is sorted by name: Anil Deshpande first
    ASSERT_TRUE(h.AuditorDet("2026", "C001"));
    ASSERT_TRUE(h.GetAuditorDet("I", "2026", "C001"));
    EXPECT_EQ(h.vArrOutValue(0), "Anil Deshpande");
    env->prompt().queueChoice(-1);
    EXPECT_FALSE(h.AuditorDet("2026", "C001"));
}

TEST_P(HostServices, ClientMasterAndComboFiller)
{
    TalvexBase &h = env->host();
    EXPECT_EQ(h.ClientName(), "Sharma Textiles Private Limited");
    EXPECT_EQ(h.vAsPAN(), "AABCS1234K");
    EXPECT_EQ(h.Vstatus_str(), "PRIVATE LTD.");
    EXPECT_TRUE(h.vAddr_Full().endsWith("Mumbai, Maharashtra, 400001"));

    QComboBox combo;
    ClauseStore::FillCombo(&combo, "SELECT SName, Code FROM annex_state WHERE Id<>? ORDER BY SName", {37});
    EXPECT_GT(combo.count(), 30);
    EXPECT_EQ(combo.currentIndex(), -1);
    const int maharashtra = combo.findText("Maharashtra");
    ASSERT_GE(maharashtra, 0);
    EXPECT_EQ(combo.itemData(maharashtra).toString(), "19");
}

TALVEX_BOTH_ENGINES(HostServices);
