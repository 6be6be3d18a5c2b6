#include "TestHost.h"

#include "dialogs/GuiPrompt.h"
#include "dialogs/TitleFit.h"
#include "editor/DirectOpen.h"
#include "editor/Form3CD.h"
#include "editor/WindowFit.h"
#include "editor/clsMain.h"
#include "pages/ClausePage.h"
#include "store/ModuleState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

TEST(WindowFit, ARememberedWindowIsShrunkAndMovedOntoTheScreen)
{
    const QRect laptop(0, 0, 1366, 728);
    EXPECT_EQ(WindowFit::fitted(QRect(0, 0, 1180, 820), laptop), QRect(0, 0, 1180, 728));
    EXPECT_EQ(WindowFit::fitted(QRect(900, 500, 1180, 700), laptop), QRect(186, 28, 1180, 700));
    EXPECT_EQ(WindowFit::fitted(QRect(-50, 10, 800, 600), laptop), QRect(0, 10, 800, 600));
    const QRect fullHd(0, 0, 1920, 1040);
    EXPECT_EQ(WindowFit::fitted(QRect(100, 100, 1180, 820), fullHd), QRect(100, 100, 1180, 820));
}

// A short message under a long title gets a box as wide as the title needs, so that the
// window system shows the title in full; a long message keeps its own width.
TEST(TitleFit, AMessageBoxIsAsWideAsItsTitle)
{
    GuiPrompt gui;
    for (const QString &text :
         {QStringLiteral("Page saved successfully"),
          QStringLiteral("Validation Succeed of page 19 and a long text that needs room of "
                         "its own in the message box, longer than its title.")}) {
        int width = 0;
        int needed = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            width = box->width();
            needed = TitleFit::widthFor(*box);
            box->accept();
        });
        gui.message(text, "e-Filing of Form 3CA-3CD - Validate Page", PromptIcon::Information,
                    PromptButtons::Ok);
        EXPECT_GT(needed, 200);
        EXPECT_GE(width, needed) << text.toStdString();
    }

    QDialog dialog;
    dialog.setWindowTitle("Print Options of the Tax Audit Report and its Annexures");
    dialog.resize(120, 80);
    dialog.show();
    EXPECT_GE(dialog.width(), TitleFit::widthFor(dialog));
}

TEST(DirectOpen, TheOptionsNameAReportAndAPage)
{
    QString error;
    auto request = DirectOpen::parse("C001", "2025-26", "3cb", "7", &error);
    ASSERT_TRUE(request) << error.toStdString();
    EXPECT_EQ(request->yearKey, "2026");
    EXPECT_EQ(request->formIndex, 1);
    EXPECT_EQ(request->page, 7);
    EXPECT_EQ(DirectOpen::parse("C001", "2026", "3CEB", "", &error)->page, 1);
    EXPECT_EQ(DirectOpen::parse("C001", "2025-2026", "3CA", "", &error)->yearKey, "2026");

    EXPECT_FALSE(DirectOpen::parse("C001", "2025-27", "3CA", "", &error));
    EXPECT_EQ(error, "The year [2025-27] is not a year such as 2026 or 2025-26.");
    EXPECT_FALSE(DirectOpen::parse("C001", "2026", "3CD", "", &error));
    EXPECT_EQ(error, "The form [3CD] is not one of 3CA, 3CB and 3CEB.");
    EXPECT_FALSE(DirectOpen::parse("C001", "2026", "3CA", "22", &error));
    EXPECT_EQ(error, "The page [22] is not a page of Form 3CA (1 to 21).");
    EXPECT_FALSE(DirectOpen::parse(" ", "2026", "3CA", "", &error));
}

class EditorFit : public EngineTest
{
protected:
    void TearDown() override
    {
        delete Form3CD::existing();
        EngineTest::TearDown();
    }
};

TEST_P(EditorFit, OpensOnTheReportAndPageTheCommandLineNames)
{
    clsMain module;
    QString error;
    const auto request = DirectOpen::parse("C001", env->host().yearKey(), "3CA", "9", &error);
    ASSERT_TRUE(request);
    ASSERT_TRUE(DirectOpen::open(env->host(), module, *request));
    Form3CD *editor = Form3CD::existing();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->currentPage(), 9);
    EXPECT_EQ(moduleState().formKind, FormKind::F3CA);

    env->prompt().clear();
    const auto unknown = DirectOpen::parse("NOBODY", env->host().yearKey(), "3CA", "", &error);
    EXPECT_FALSE(DirectOpen::open(env->host(), module, *unknown));
    EXPECT_EQ(env->prompt().lastText(), "There is no client with the code [NOBODY].");
}

TEST_P(EditorFit, AtLaptopSizeEveryCommandIsInsideTheWindowAndAltIReachesOneCommand)
{
    env->openForm(FormKind::F3CA);
    Form3CD *editor = Form3CD::instance();
    editor->resize(1366, 728);
    editor->show();
    for (int slot : {1, 2, 7, 9, 17, 20, 21}) {
        editor->cmdPages_Click(slot);
        QCoreApplication::processEvents();
        EXPECT_LE(editor->height(), 728) << "page " << slot;
        for (QAbstractButton *button : editor->centralWidget()->findChildren<QAbstractButton *>(
                 QRegularExpression("^cmd(Save|Validate|Print|PrintSetup|FillDefault|Clear|Import|"
                                    "ImportJSON|GenerateJSON|Exit|Previous|Next)$"))) {
            if (button->isHidden())
                continue;
            const QRect place(button->mapTo(editor, QPoint(0, 0)), button->size());
            EXPECT_TRUE(editor->rect().contains(place))
                << button->objectName().toStdString() << " on page " << slot;
        }
    }
    int altI = 0;
    for (QAbstractButton *button : editor->findChildren<QAbstractButton *>())
        altI += QKeySequence::mnemonic(button->text()) == QKeySequence(Qt::ALT | Qt::Key_I) ? 1 : 0;
    for (QAction *menu : editor->menuBar()->actions())
        altI += QKeySequence::mnemonic(menu->text()) == QKeySequence(Qt::ALT | Qt::Key_I) ? 1 : 0;
    EXPECT_EQ(altI, 1);
}

TALVEX_BOTH_ENGINES(EditorFit);
