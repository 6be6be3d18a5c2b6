#include "TestHost.h"

#include "editor/Form3CD.h"
#include "pages/depreciation/frmPage7.h"

#include <QLabel>

// On opening, a client that keeps the block-wise depreciation chart has clause 18's page
// read that chart before the editor reminds of it.
class ChartOnOpening : public EngineTest
{
protected:
    void TearDown() override
    {
        delete Form3CD::existing();
        EngineTest::TearDown();
    }
};
TALVEX_BOTH_ENGINES(ChartOnOpening);

TEST_P(ChartOnOpening, TheBlockWiseChartIsPreparedByPage7BeforeTheReminder)
{
    env->openForm(FormKind::F3CA, "C002"); // keeps the block-wise chart, clause 18 not begun
    Form3CD *editor = Form3CD::instance();
    editor->show();
    EXPECT_EQ(editor->currentPage(), 1);
    auto *page7 = qobject_cast<frmPage7 *>(editor->createdPage(7));
    ASSERT_NE(page7, nullptr);
    EXPECT_EQ(page7->chartNote()->text(), "The block-wise depreciation chart has 5 blocks for the year.");
    ASSERT_EQ(env->prompt().texts().size(), 1);
    EXPECT_TRUE(env->prompt().lastText().startsWith("Clause 18 on page 7 has no block of assets yet"));

    // Moving to page 7 shows the page as prepared.
    editor->cmdPages_Click(7);
    EXPECT_EQ(editor->currentPage(), 7);
    EXPECT_TRUE(page7->isVisible());
}

TEST_P(ChartOnOpening, AnAssetWiseClientOpensWithoutPreparingPage7)
{
    env->openForm(FormKind::F3CA, "C001");
    Form3CD *editor = Form3CD::instance();
    editor->show();
    EXPECT_EQ(editor->createdPage(7), nullptr);
    EXPECT_EQ(editor->currentPage(), 1);
}
