#include "PartAFixture.h"

#include "model/FormSwitch.h"

#include <QCheckBox>

class FormTransfer : public PartATest
{
protected:
    // Opens the other form as the entry class does, answering the transfer question.
    void switchTo(FormKind kind)
    {
        pages.clear();
        env->openForm(kind);
        env->prompt().queue(PromptAnswer::Yes);
        ASSERT_TRUE(FormSwitch::transfer());
    }
    static int rowsOf(const QString &formName)
    {
        int n = 0;
        for (const auto &row : ClauseStore::readAll())
            n += row.formName == formName;
        return n;
    }
};

TEST_P(FormTransfer, AReportByOneAuditorReadsInTheSingularOnTheOtherForm)
{
    ClausePage *form3CA = open(FormKind::F3CA, 1);
    set(form3CA, "cmb1IWe", "I");
    set(form3CA, "cmb2IWe", "I");
    find<QCheckBox>(form3CA, "chkName")->click();
    ASSERT_TRUE(form3CA->SaveData());

    switchTo(FormKind::F3CB);
    EXPECT_EQ(rowsOf("3CA"), 0);
    ClausePage *form3CB = open(FormKind::F3CB, 1);
    EXPECT_EQ(text(form3CB, "cmb1IWe"), "I");
    EXPECT_EQ(text(form3CB, "txtBDT"), "31/03/2026");
    EXPECT_EQ(text(form3CB, "cmb1PI"), "Profit and Loss Account");
    EXPECT_EQ(text(form3CB, "txtPFrom"), "01/04/2025");
    EXPECT_EQ(text(form3CB, "cmb2IWe"), "I");
    EXPECT_EQ(text(form3CB, "cmb2PI"), "Profit and Loss Account");
    EXPECT_EQ(text(form3CB, "cmb3aIWe"), "I");
    EXPECT_EQ(text(form3CB, "cmb3bAMyOur"), "My");
    EXPECT_EQ(text(form3CB, "cmb3bCMyOur2"), "My");
    EXPECT_EQ(text(form3CB, "cmb3bCMeUs"), "Me");
    EXPECT_EQ(text(form3CB, "cmb3CiBSDate"), "31/03/2026");
    EXPECT_EQ(text(form3CB, "cmb3CiiPI"), "Profit and Loss Account");
    EXPECT_EQ(text(form3CB, "txtCBPAN"), "AABCS1234K");
    EXPECT_EQ(text(form3CB, "txtPlace"), "Mumbai");
    EXPECT_TRUE(find<QCheckBox>(form3CB, "chkName")->isChecked());
    // Paragraph 5 of Form 3CB is paragraph 3 of Form 3CA.
    EXPECT_EQ(stored(101, "3CBPT5"), QStringList{"Our|Our|Us"});

    set(form3CB, "cmb3bCMyOur1", "Our");
    ASSERT_TRUE(form3CB->SaveData());
    switchTo(FormKind::F3CA);
    EXPECT_EQ(rowsOf("3CB"), 0);
    ClausePage *back = open(FormKind::F3CA, 1);
    EXPECT_EQ(text(back, "cmb1IWe"), "I");
    EXPECT_EQ(text(back, "cmb1MeUs"), "Me");
    EXPECT_EQ(text(back, "cmb2IWe"), "I");
    EXPECT_EQ(text(back, "cmb1MeYour"), "My");
    EXPECT_EQ(text(back, "cmbYear"), "2026");
    EXPECT_EQ(text(back, "cmb2PI"), "Profit and Loss Account");
    EXPECT_EQ(text(back, "txtTAY"), "31/03/2026");
    EXPECT_EQ(text(back, "cmb3cMeUs"), "Us");
    EXPECT_TRUE(find<QCheckBox>(back, "chkName")->isChecked());
}

TEST_P(FormTransfer, DecliningKeepsBothFormsAsTheyWere)
{
    env->openForm(FormKind::F3CB);
    env->prompt().queue(PromptAnswer::No);
    EXPECT_FALSE(FormSwitch::transfer());
    EXPECT_EQ(rowsOf("3CB"), 0);
    EXPECT_EQ(stored(1, "3CA1").size(), 1);
}

TALVEX_BOTH_ENGINES(FormTransfer);
