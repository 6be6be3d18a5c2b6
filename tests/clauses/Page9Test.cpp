#include "TestHost.h"

#include "pages/ClauseGrid.h"
#include "pages/ClauseSection.h"
#include "pages/PageFactory.h"
#include "pages/WidgetValues.h"
#include "pages/inadmissible/frmPage9.h"
#include "store/ClauseStore.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using WidgetValues::cellText;
using WidgetValues::setCellText;

class Page9 : public EngineTest
{
protected:
    std::unique_ptr<frmPage9> open(const QString &client)
    {
        env->openForm(FormKind::F3CA, client);
        auto *page = qobject_cast<frmPage9 *>(PageFactory::create(FormKind::F3CA, 9));
        EXPECT_NE(page, nullptr);
        return std::unique_ptr<frmPage9>(page);
    }

    // Answers clause 21(d) No, so that validation gets past it.
    static void answerCashPayments(frmPage9 &page)
    {
        for (const char *key : {"21da", "21db"})
            page.section(key)->answerButton("No")->click();
    }

    static void payment(ClauseGrid *grid, const QString &date)
    {
        grid->setRowCount(1);
        const QStringList cells{date,
                                "250000.00",
                                "Technical services",
                                "Acme GmbH",
                                "",
                                "",
                                "GERMANY",
                                "Hauptstrasse 1",
                                "",
                                "10115",
                                "",
                                "",
                                "Berlin",
                                "State outside India"};
        for (int c = 0; c < cells.size(); ++c)
            setCellText(grid, 0, c, cells.at(c));
    }
};

TEST_P(Page9, ItemsSitOnTheirTabs)
{
    auto page = open("C001");
    ASSERT_EQ(page->tabs()->count(), 8);
    EXPECT_EQ(page->tabs()->tabText(5), "21(c)");
    QWidget *grid = page->findChild<QWidget *>("grd21c");
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(page->tabs()->widget(5)->isAncestorOf(grid));
    EXPECT_TRUE(page->tabs()->widget(0)->isAncestorOf(page->findChild<QWidget *>("grd21a8")));
}

TEST_P(Page9, PayeeCellsAreCheckedAsTheyAreEdited)
{
    auto page = open("C001");
    auto *grid = page->findChild<ClauseGrid *>("grd21bvi"); // PAN in column 3, Aadhaar in 4
    payment(grid, "15/07/2025");
    setCellText(grid, 0, 3, "AABCS1234");
    grid->cellEdited(0, 3);
    EXPECT_TRUE(env->prompt().lastText().startsWith("Not a Valid PAN [AABCS1234]"))
        << env->prompt().lastText().toStdString();
    setCellText(grid, 0, 4, "234567890125");
    grid->cellEdited(0, 4);
    EXPECT_TRUE(env->prompt().lastText().startsWith("Not a Valid Aadhaar [234567890125]"))
        << env->prompt().lastText().toStdString();
}

TEST_P(Page9, Imports21cFromTheIncomeTaxComputation)
{
    auto page = open("C002");
    env->prompt().queue(PromptAnswer::Yes);
    page->import21cButton()->click();
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"It will delete existing data.",
                           "Do you want to import data for clause 21(c) from income tax?.",
                           "Import Successfully."}));
    ASSERT_TRUE(page->SaveData());
    const auto rows = ClauseStore::readPoint(9, "21c");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).cols.mid(0, 5),
              (QStringList{"Remuneration", "40(b)", "1050000", "900000", "150000"}));
    EXPECT_EQ(rows.at(1).col(1), "Interest");
    EXPECT_EQ(rows.at(1).col(5), "60000");
}

TEST_P(Page9, Importing21cWithoutBusinessRecordsSaysSo)
{
    auto page = open("C001");
    env->prompt().queue(PromptAnswer::Yes);
    page->Import21c();
    EXPECT_EQ(env->prompt().lastText(), "No Records Available.");
    env->prompt().clear();
    page->Import21c(); // answered No: nothing happens
    EXPECT_EQ(env->prompt().texts().size(), 2);
}

TEST_P(Page9, CashPaymentsNeedAnAnswer)
{
    auto page = open("C001");
    EXPECT_FALSE(page->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Select either Yes  or No in clause 21(d)(A)");
    EXPECT_EQ(page->tabs()->currentIndex(), 6);
}

TEST_P(Page9, APaymentOn31MarchIsAcceptedOneOn1AprilRefused)
{
    auto page = open("C001");
    answerCashPayments(*page);
    auto *grid = page->findChild<ClauseGrid *>("grd21biia");
    payment(grid, "31/03/2026");
    EXPECT_TRUE(page->validateForm());

    payment(grid, "01/04/2026");
    env->prompt().clear();
    EXPECT_FALSE(page->validateForm());
    EXPECT_EQ(env->prompt().lastText(),
              "Date of payment should be greater than or equals to '01/04/2025'. and less "
              "than or equals to '31/03/2026'");
    EXPECT_EQ(page->tabs()->currentIndex(), 2);
}

TEST_P(Page9, RowsOfTheItemsAreWrittenWhereTheWriterReadsThem)
{
    auto page = open("C001");
    answerCashPayments(*page);
    payment(page->findChild<ClauseGrid *>("grd21bib"), "15/07/2025");
    setCellText(page->findChild<ClauseGrid *>("grd21bib"), 0, 14, "25000.00");
    ASSERT_TRUE(page->validateForm());
    ASSERT_TRUE(page->SaveData());
    const auto bib = ClauseStore::readPoint(9, "21bib");
    ASSERT_EQ(bib.size(), 1);
    EXPECT_EQ(bib.first().col(1), "15/07/2025");
    EXPECT_EQ(bib.first().col(4), "Acme GmbH");
    EXPECT_EQ(bib.first().col(7), "GERMANY");
    EXPECT_EQ(bib.first().col(15), "25000.00");
    EXPECT_EQ(ClauseStore::readPoint(9, "Opt21da", false).first().col(1), "No");
    EXPECT_EQ(ClauseStore::readPoint(9, "21da").first().col(1), "Nil");
    // Items left blank were answered "no information".
    EXPECT_EQ(ClauseStore::readPoint(9, "21a1").first().col(1), "Nil");
    EXPECT_EQ(ClauseStore::readPoint(9, "21e", false).first().col(1), "Nil");
}

TALVEX_BOTH_ENGINES(Page9);
