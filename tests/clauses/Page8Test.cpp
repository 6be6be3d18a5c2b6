#include "TestHost.h"

#include "model/rules/ConcessionalRegime.h"
#include "pages/ClauseGrid.h"
#include "pages/ClauseSection.h"
#include "pages/PageFactory.h"
#include "pages/WidgetValues.h"
#include "pages/depreciation/frmPage7.h"
#include "pages/depreciation/frmPage8.h"
#include "store/ClauseStore.h"

#include <QCheckBox>
#include <QLabel>

using WidgetValues::setCellText;

// Clause 19 on page 8 follows clause 8a's answer on page 2.
class Page8 : public EngineTest
{
protected:
    std::unique_ptr<frmPage8> open(const QString &client = "C001")
    {
        env->openForm(FormKind::F3CA, client);
        auto *page = qobject_cast<frmPage8 *>(PageFactory::create(FormKind::F3CA, 8));
        EXPECT_NE(page, nullptr);
        return std::unique_ptr<frmPage8>(page);
    }
    // Clause 8a answered on page 2 of the editor: the pages share the report's model.
    static void answer8a(ReportModel &report, const QString &answer, const QString &section)
    {
        report.setValue(2, "Opt8a", answer);
        report.setValue(2, "8a", section);
    }
    // The same answer saved, for a page opened afterwards.
    static void save8a(const QString &answer, const QString &section)
    {
        ClauseStore::deletePoint(2, "Opt8a");
        ClauseStore::deletePoint(2, "8a");
        ClauseStore::insertRow(2, "Opt8a", {answer});
        ClauseStore::insertRow(2, "8a", {section});
    }
    // Clause 19 answered with one row, its "Not Applicable" tick off.
    static void claim(frmPage8 &page, const QString &section, const QString &admissible)
    {
        if (QCheckBox *na = page.section("19")->notApplicableTick(); na && na->isChecked())
            na->click();
        ClauseGrid *grid = page.grd19();
        grid->setRowCount(1);
        setCellText(grid, 0, 0, section);
        setCellText(grid, 0, 1, "150000.00");
        setCellText(grid, 0, 2, admissible);
    }
    QString regimeMessage(const QString &section, const QString &regime)
    {
        return QString("Deduction U/S %1 is not allowed, if opted for taxation U/S %2. Amount admissible "
                       "should be 0.")
            .arg(section, regime);
    }
};
TALVEX_BOTH_ENGINES(Page8);

TEST_P(Page8, AConcessionalRegimeRefusesAnAdmissibleAmountUnderTheSectionsItTakesAway)
{
    auto page = open(); // clause 8a: opted for section 115BAA
    EXPECT_EQ(page->regime(), "115BAA");
    EXPECT_FALSE(page->regimeNotice()->isHidden());
    EXPECT_TRUE(page->regimeNotice()->text().contains("115BAA"));
    EXPECT_TRUE(page->regimeNotice()->text().contains("35(2AB)"));
    EXPECT_FALSE(page->regimeNotice()->text().contains("32AC"));

    claim(*page, "35(2AB)", "150000.00");
    EXPECT_FALSE(page->validateForm(true));
    EXPECT_EQ(env->prompt().lastText(), regimeMessage("35(2AB)", "115BAA"));
    EXPECT_EQ(page->grd19()->currentRow(), 0);
    EXPECT_EQ(page->grd19()->currentColumn(), ConcessionalRegime::AdmissibleColumn);

    // Nil admissible is what the clause reports; a section the regime keeps is claimed as usual.
    env->prompt().clear();
    claim(*page, "35(2AB)", "0.00");
    page->validateForm(true);
    claim(*page, "35D", "30000.00");
    page->validateForm(true);
    EXPECT_FALSE(env->prompt().texts().join('\n').contains("is not allowed"))
        << env->prompt().texts().join('\n').toStdString();
}

TEST_P(Page8, ThePageFollowsClause8aWheneverItIsShown)
{
    auto page = open();
    claim(*page, "35AD", "80000.00");
    answer8a(page->report(), "True", "115BAC");
    page->hide();
    page->show();
    EXPECT_EQ(page->regime(), "115BAC");
    EXPECT_FALSE(page->regimeNotice()->text().contains("35(2AB)")) << "115BAC keeps 35(2AB)";
    EXPECT_FALSE(page->validateForm(true));
    EXPECT_EQ(env->prompt().lastText(), regimeMessage("35AD", "115BAC"));

    answer8a(page->report(), "False", "");
    page->hide();
    page->show();
    EXPECT_TRUE(page->regimeNotice()->isHidden());
    env->prompt().clear();
    page->validateForm(true);
    EXPECT_FALSE(env->prompt().texts().join('\n').contains("is not allowed"));

    // Page 7 tells the same answer by the message of additional depreciation.
    save8a("Yes", "115BAB");
    auto *depreciation = qobject_cast<frmPage7 *>(PageFactory::create(FormKind::F3CA, 7));
    ASSERT_NE(depreciation, nullptr);
    EXPECT_TRUE(depreciation->CheckAddDepMsg());
    EXPECT_EQ(env->prompt().lastText(), ConcessionalRegime::AdditionalDepreciationMessage);
    delete depreciation;
}

TEST(ConcessionalRegime, EachSectionTakesAwayTheDeductionsItNames)
{
    using namespace ConcessionalRegime;
    EXPECT_EQ(optedSection("No", "115BAA"), "");
    EXPECT_EQ(optedSection("True", " 115baa"), "115BAA");
    EXPECT_EQ(optedSection("Yes", ""), "115BA") << "an answer without its section gets the widest rules";
    EXPECT_TRUE(barredSections("").isEmpty());
    EXPECT_TRUE(barredSections("115BA").contains("32AC"));
    for (const QString regime : {"115BAA", "115BAB", "115BAE"}) {
        EXPECT_FALSE(barredSections(regime).contains("32AC"));
        EXPECT_TRUE(barredSections(regime).contains("35CCD"));
    }
    for (const QString regime : {"115BAC", "115BAD"}) {
        EXPECT_FALSE(barredSections(regime).contains("35(2AB)"));
        EXPECT_TRUE(barredSections(regime).contains("35(1)(iia)"));
    }
    for (const QString kept : {"35D", "35DD", "35ABB", "35(1)(i)", "35(1)(iv)", "35E"})
        EXPECT_FALSE(barredSections("115BA").contains(kept)) << kept.toStdString();
    EXPECT_FALSE(checkClause19({{"35AD", "100", "Nil"}}, "115BAA"));
    EXPECT_TRUE(checkClause19({{"35D", "100", "100"}, {"35AD", "100", "1"}}, "115BAA"));
    EXPECT_EQ(checkClause19({{"35D", "100", "100"}, {"35AD", "100", "1"}}, "115BAA")->row, 1);
}
