#include "PageFixture.h"

#include "store/Database.h"
#include "store/ModuleState.h"

#include <QComboBox>

// Leaving a page writes it only when something on it changed: the editor asks the page.
class PageEditTracking : public PageTest
{
};

TEST_P(PageEditTracking, APageShownFromItsRowsHasNothingToSaveUntilItIsEdited)
{
    ClausePage *page = open(4);
    EXPECT_FALSE(page->hasUnsavedChanges());
    fillRow(grid(page, "grd11b"), 0, {"Cash Book", "INDIA"});
    EXPECT_TRUE(page->hasUnsavedChanges());
    ASSERT_TRUE(page->SaveData());
    EXPECT_FALSE(page->hasUnsavedChanges());

    find<QRadioButton>(page, "OptButNo11a")->setChecked(true);
    EXPECT_TRUE(page->hasUnsavedChanges());
    ASSERT_TRUE(page->SaveData());
    EXPECT_FALSE(page->hasUnsavedChanges());

    // A grid row taken away is a change too.
    grid(page, "grd11b")->setRowCount(0);
    EXPECT_TRUE(page->hasUnsavedChanges());
}

TEST_P(PageEditTracking, ChoicesAndTicksCountAsChanges)
{
    ClausePage *page = open(5);
    EXPECT_FALSE(page->hasUnsavedChanges());
    auto *method = find<QComboBox>(page, "cmb13a");
    ASSERT_GT(method->count(), 1);
    method->setCurrentIndex(method->currentIndex() == 0 ? 1 : 0);
    EXPECT_TRUE(page->hasUnsavedChanges());

    ClausePage *again = open(4);
    EXPECT_FALSE(again->hasUnsavedChanges());
    QList<QCheckBox *> ticks = again->findChildren<QCheckBox *>();
    ASSERT_FALSE(ticks.isEmpty());
    ticks.first()->toggle();
    EXPECT_TRUE(again->hasUnsavedChanges());
}

// A page of a report that holds no rows for it shows what is not stored yet: leaving it
// writes it once.
TEST_P(PageEditTracking, APageWithoutStoredRowsIsWrittenOnce)
{
    {
        Transaction tx(env->host().DBObj());
        ClauseStore::deletePage(6);
        tx.commit();
    }
    ClausePage *page = open(6);
    EXPECT_TRUE(page->hasUnsavedChanges());
    ASSERT_TRUE(page->SaveData());
    EXPECT_FALSE(page->hasUnsavedChanges());
    page->DisplayData();
    page->trackEdits();
    EXPECT_EQ(page->hasUnsavedChanges(), ClauseStore::readPage(6).isEmpty());
}

TALVEX_BOTH_ENGINES(PageEditTracking);
