#include "TestHost.h"

#include "editor/Form3CD.h"
#include "editor/WindowFit.h"
#include "pages/depreciation/frmPage7.h"

#include <QLabel>
#include <QScreen>

// What the editor does as it first opens: it takes the screen's free area, and a client that
// keeps the block-wise depreciation chart has clause 18's page read that chart before the
// editor reminds of it.
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

// Opened for the first time a window takes its screen's free area; a remembered size that
// fits is kept.
TEST(WindowFit, TheFirstOpeningTakesTheScreenAndARememberedSizeIsKept)
{
    QWidget first;
    WindowFit::open(&first, QSize(300, 200), {});
    const QRect available = first.screen()->availableGeometry();
    EXPECT_GT(first.width(), 300);
    EXPECT_GE(first.width(), available.width() - 40);
    EXPECT_GE(first.height(), available.height() - 80);
    EXPECT_TRUE(available.contains(QRect(first.pos(), first.size())));

    QWidget small;
    small.setGeometry(40, 40, 320, 240);
    const QByteArray remembered = small.saveGeometry();
    QWidget again;
    WindowFit::open(&again, QSize(300, 200), remembered);
    EXPECT_EQ(again.size(), QSize(320, 240));
}
