#include "PartAFixture.h"

#include "pages/ClauseGrid.h"
#include "pages/parta/frmPage2.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

class PartAPage : public PartATest
{
};

TEST_P(PartAPage, ShowsTheAssesseeTheStatusAndTheYears)
{
    ClausePage *page = open(FormKind::F3CA, 2);
    EXPECT_EQ(find<QLabel>(page, "lblName")->text(), "Sharma Textiles Private Limited");
    EXPECT_EQ(find<QLabel>(page, "lblPAN")->text(), "AABCS1234K");
    EXPECT_TRUE(find<QLabel>(page, "lblAddress")->text().startsWith("Unit 4, 2nd Floor"));
    // The stored status position 7 with the host's text: the position decides.
    EXPECT_EQ(text(page, "cmbStatus"), "Private Limited Company");
    EXPECT_EQ(text(page, "txtPYFrom"), "01/04/2025");
    EXPECT_EQ(text(page, "txtPYTo"), "31/03/2026");
    EXPECT_EQ(text(page, "txtAY"), "2026-27");
    EXPECT_TRUE(find<QRadioButton>(page, "OptButYes8a")->isChecked());
    EXPECT_EQ(text(page, "cbo8a"), "115BAA");
    EXPECT_EQ(static_cast<frmPage2 *>(page)->taxRegimeSection(), "115BAA");
    EXPECT_EQ(find<ClauseGrid>(page, "grd4")->rowCount(), 2);
}

TEST_P(PartAPage, ThePeriodFollowsTheReportPageAndTheStatusTheHost)
{
    env->openForm(FormKind::F3CA, "C002");
    ClauseStore::insertRow(1, "3CA1", {"We", "", "", "", "", "", "", "", "", "01/10/2025", "31/03/2026"});
    ClausePage *page = open(FormKind::F3CA, 2, "C002");
    EXPECT_EQ(text(page, "cmbStatus"), "Firm");
    EXPECT_EQ(text(page, "txtPYFrom"), "01/10/2025");
    EXPECT_EQ(find<QLabel>(page, "lblName")->text(), "Mehta & Sons");

    // A report page saved since (into the report the pages share) is followed when the page
    // shows again.
    page->report().setRows(1, "3CA1", {{"We", "", "", "", "", "", "", "", "", "01/01/2026", "31/03/2026"}},
                           "3CA");
    page->show();
    EXPECT_EQ(text(page, "txtPYFrom"), "01/01/2026");
}

TEST_P(PartAPage, RulesComeInTheirOrder)
{
    ClausePage *page = open(FormKind::F3CA, 2, "C004");
    set(page, "cmbStatus", {});
    EXPECT_EQ(refusal(page), "Please select status of the assessee");
    set(page, "cmbStatus", "Private Limited Company");
    EXPECT_EQ(refusal(page), "Select either Yes  or No in clause 4");
    env->prompt().queue(PromptAnswer::Ok);
    find<QRadioButton>(page, "OptButNo4")->click();
    EXPECT_EQ(refusal(page), "Please fill data in clause 8");
    auto *clause8 = find<ClauseGrid>(page, "grd8");
    clause8->setRowCount(1);
    WidgetValues::setCellText(
        clause8, 0, 0,
        "Clause 44AB(a)- Total sales/turnover/gross receipts of business exceeding specified "
        "limits");
    EXPECT_EQ(refusal(page), "Select either Yes  or No in clause 8a");
    find<QRadioButton>(page, "OptButYes8a")->click();
    EXPECT_EQ(refusal(page), "Select section under which option excercised in clause 8a.");
    set(page, "cbo8a", "115BAB");
    EXPECT_EQ(refusal(page), "");

    EXPECT_EQ(stored(2, "3CD_A"), QStringList{"7|Private Limited Company|01/04/2025|31/03/2026|2026-27"});
    EXPECT_EQ(stored(2, "Opt4"), QStringList{"No"});
    EXPECT_EQ(stored(2, "4"), QStringList{"Nil|Nil|Nil|Nil"});
    EXPECT_EQ(stored(2, "Opt8a"), QStringList{"True"});
    EXPECT_EQ(stored(2, "8a"), QStringList{"115BAB"});
    for (const auto &row : ClauseStore::readPage(2))
        EXPECT_EQ(row.formName, "3CD");
}

TEST_P(PartAPage, AnsweringNoToClause8aDropsTheSection)
{
    ClausePage *page = open(FormKind::F3CA, 2);
    find<QRadioButton>(page, "OptButNo8a")->click();
    EXPECT_FALSE(find<QComboBox>(page, "cbo8a")->isEnabled());
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(2, "Opt8a"), QStringList{"False"});
    EXPECT_TRUE(stored(2, "8a").isEmpty());
    EXPECT_FALSE(moduleState().opted115BAA);
    EXPECT_TRUE(find<QRadioButton>(open(FormKind::F3CA, 2), "OptButNo8a")->isChecked());
}

TALVEX_BOTH_ENGINES(PartAPage);

namespace
{

QWidget *tabFrom(QWidget *w)
{
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Tab);
    return QApplication::focusWidget();
}

bool within(const QWidget *outer, const QWidget *w)
{
    return w && (w == outer || outer->isAncestorOf(w));
}

} // namespace

// Tab follows the screen from the top left: point 1's firm, then the assessee below it, then
// the Act of the next lines, long before section 3.
TEST_P(PartAPage, TabGoesThroughTheAssesseeBeforeTheRestOfThePage)
{
    ClausePage *page = open(FormKind::F3CA, 1);
    page->show();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page));
    auto *box = find<QWidget>(page, "fraAssessee");
    QWidget *focus = tabFrom(find<QWidget>(page, "txtCA_FirmName"));
    EXPECT_TRUE(within(box, focus)) << focus->objectName().toStdString();
    for (int i = 0; i < 40 && within(box, focus); ++i)
        focus = tabFrom(focus);
    EXPECT_TRUE(within(find<QWidget>(page, "cmbAct"), focus)) << focus->objectName().toStdString();
}

// On Form 3CB's page the comments of 3(a) follow the words before them.
TEST_P(PartAPage, TabReachesTheCommentsOf3aAfterItsWords)
{
    ClausePage *page = open(FormKind::F3CB, 1);
    page->show();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page));
    EXPECT_TRUE(within(find<QWidget>(page, "txt3aOCDI"), tabFrom(find<QWidget>(page, "cmb3aIWe"))));
}
