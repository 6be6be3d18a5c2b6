#include "PartAFixture.h"

#include "editor/Form3CD.h"
#include "pages/ClauseGrid.h"
#include "pages/parta/frmPage1.h"
#include "store/Database.h"

#include <QCheckBox>

class ReportPages : public PartATest
{
protected:
    // The master's place and date of signing of the demo year.
    QStringList masterSigning(const QString &client)
    {
        Recordset rs = env->host().DBObj().Execute(
            QStringLiteral("SELECT place, d_of_s FROM master WHERE Code_No=? AND s_yr=?"),
            {client, QStringLiteral("31032026")});
        return rs.Eof() ? QStringList() : QStringList{rs.Fields(0), rs.Fields(1)};
    }
};

TEST_P(ReportPages, Form3CAShowsItsStoredRowsOverTheClientMaster)
{
    ClausePage *page = open(FormKind::F3CA, 1);
    EXPECT_EQ(page->objectName(), "frmPage1");
    EXPECT_EQ(text(page, "cmb1IWe"), "We");
    // Stored in lower case by an older report; shown as the list's entry.
    EXPECT_EQ(text(page, "cmb1MeUs"), "Us");
    EXPECT_EQ(text(page, "txtCA_FirmName"), "Raghavan Iyer & Co.");
    EXPECT_EQ(text(page, "cmbAct"), "Companies Act, 2013");
    EXPECT_FALSE(find<QLineEdit>(page, "txtAct")->isEnabled());
    EXPECT_EQ(text(page, "txtReportedDate"), "12/08/2026");
    EXPECT_EQ(text(page, "cmbYear"), "2026");
    EXPECT_EQ(text(page, "txtLName"), "Sharma Textiles Private Limited");
    EXPECT_EQ(text(page, "txtAdd1"), "Unit 4, 2nd Floor, Kamala Mills Compound");
    EXPECT_EQ(text(page, "cmbState"), "Maharashtra");
    EXPECT_EQ(text(page, "txtPAN"), "AABCS1234K");
    EXPECT_EQ(text(page, "cmb3cMeUs"), "Us");
    EXPECT_EQ(text(page, "txtPlace"), "Mumbai");
    EXPECT_EQ(text(page, "txtDOS"), "25/09/2026");
}

TEST_P(ReportPages, WithoutStoredRowsTheClientMasterAndTheYearFillThePage)
{
    ClausePage *page = open(FormKind::F3CA, 1, "C003");
    EXPECT_EQ(text(page, "txtFName"), "Ravi");
    EXPECT_EQ(text(page, "txtMName"), "Kumar");
    EXPECT_EQ(text(page, "txtLName"), "Iyer");
    EXPECT_EQ(text(page, "txtPO"), "Chennai G.P.O.");
    EXPECT_EQ(text(page, "txtAadhaar"), "234567890124");
    EXPECT_EQ(text(page, "txtFAY"), "01/04/2025");
    EXPECT_EQ(text(page, "txtTAY"), "31/03/2026");
    EXPECT_EQ(text(page, "txtPlace"), "Chennai");
    EXPECT_EQ(text(page, "cmb1IWe"), "");
}

// A stored text that none of a drop-down's entries is joins them, and the drop-down widens to
// show it whole, on a page already on screen as on one being made.
TEST_P(ReportPages, AChoiceWidensForAStoredTextLongerThanItsEntries)
{
    ClausePage *page = open(FormKind::F3CA, 1);
    page->show();
    auto *accounts = find<QComboBox>(page, "cmb1PI");
    const int shown = accounts->sizeHint().width();
    const QString stored =
        QStringLiteral("income and expenditure account and the receipts and payments account");
    set(page, "cmb1PI", stored);
    EXPECT_EQ(text(page, "cmb1PI"), stored);
    EXPECT_GT(accounts->sizeHint().width(), shown);
    EXPECT_GE(accounts->sizeHint().width(), accounts->fontMetrics().horizontalAdvance(stored));
}

TEST_P(ReportPages, Form3CARulesComeInTheirOrder)
{
    ClausePage *page = open(FormKind::F3CA, 1);
    const QStringList blanks{"cmb1IWe",   "txtFName",        "txtMName",    "txtLName",    "txtAdd1",
                             "txtPO",     "txtArea",         "txtDistrict", "txtPAN",      "txtCA_FirmName",
                             "cmbAct",    "txtReportedDate", "cmb1MeUs",    "cmb2IWe",     "cmb1MeYour",
                             "cmb1PI",    "cmbYear",         "cmb2PI",      "cmb3aMeYour", "cmb3bMeYour",
                             "cmb3cMeUs", "txtPlace",        "txtDOS"};
    for (const QString &name : blanks)
        set(page, name, {});

    const QList<QPair<QString, QPair<QString, QString>>> steps{
        {"Please select an option I/We from the list.", {"cmb1IWe", "I"}},
        {"Please enter Name of the Assessee", {"txtLName", "Sharma Textiles Private Limited"}},
        {"Please enter Address of Assessee", {"txtAdd1", "Unit 4"}},
        {"Please enter post office", {"txtPO", "Mumbai G.P.O."}},
        {"Please enter area/locality", {"txtArea", "Lower Parel"}},
        {"Please enter district", {"txtDistrict", "Mumbai"}},
        {"Please enter Valid PAN of Assessee", {"txtPAN", "AABCS1234"}},
        {"Please enter Valid PAN of Assessee", {"txtPAN", "AABCS1234K"}},
        {"Please enter the name of the CA/Partnership firm who audited", {"txtCA_FirmName", "Iyer & Co."}},
        {"Please select the Name of the Act.", {"cmbAct", "Others"}},
        {"Please enter the Name of the other Act.", {"txtAct", "Bombay Co-operative Societies Act, 1925"}},
        {"Please enter the valid date of signing of the report", {"txtReportedDate", "15/03/2026"}},
        {"Please select an option from the dropdown.", {"cmb1MeUs", "Me"}},
        {"Please select an option from the dropdown.", {"cmb2IWe", "I"}},
        {"Please select an option from the dropdown.", {"cmb1MeYour", "My"}},
        {"Please select an option from the dropdown.", {"cmb1PI", "Profit and Loss Account"}},
        {"Please select an option from the dropdown.", {"cmbYear", "2026"}},
        {"Please select an option from the dropdown.", {"cmb2PI", "Profit and Loss Account"}},
        {"Please select an option from the dropdown.", {"cmb3aMeYour", "My"}},
        {"Please select an option from the dropdown.", {"cmb3bMeYour", "My"}},
        {"Please select an option from the dropdown.", {"cmb3cMeUs", "Me"}},
        {"Please enter the place of signing the report", {"txtPlace", "Pune"}},
        {"Please enter the  valid date of Signing the report", {"txtDOS", "01/03/2026"}},
        {"Date of Signing the Report can not be Less than Reported Date. [01/03/2026] is before the audit "
         "report of 15/03/2026.",
         {"txtDOS", "31/03/2026"}},
        {"Date should be greater than 31/03/2026", {"txtDOS", "01/04/2026"}},
    };
    for (const auto &[message, fix] : steps) {
        EXPECT_EQ(refusal(page), message);
        set(page, fix.first, fix.second);
    }
    // An audit report dated before the year's end is asked about, once.
    EXPECT_EQ(refusal(page), "The audit report of the accounts is dated 15/03/2026, not after the end of the "
                             "year on 31/03/2026.\nKeep this date?");
    env->prompt().queue(PromptAnswer::Yes);
    EXPECT_EQ(refusal(page), "");
    EXPECT_EQ(stored(1, "3CA1"),
              QStringList{"I|Me|Iyer & Co.|Others|Bombay Co-operative Societies Act, 1925|I|My|"
                          "15/03/2026|Profit and Loss Account|01/04/2025|31/03/2026|2026|"
                          "Profit and Loss Account"});
    EXPECT_EQ(stored(1, "3CA3"), QStringList{"My|My|Me"});
}

TEST_P(ReportPages, SavingTwiceLeavesOneRowOfEachPoint)
{
    ClausePage *page = open(FormKind::F3CA, 1);
    set(page, "txtCA_FirmName", "D'Souza & Co.");
    ASSERT_TRUE(page->SaveData());
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(ClauseStore::readPoint(1, "3CA1").first().col(3), "D'Souza & Co.");
    for (const QString point : {"3CA1", "3CA1A", "3CA3", "3CAOTH", "MasterName"})
        EXPECT_EQ(stored(1, point).size(), 1) << point.toStdString();
    EXPECT_EQ(stored(1, "3CA1A"),
              QStringList{"||Sharma Textiles Private Limited|India|Unit 4, 2nd Floor, "
                          "Kamala Mills Compound|Senapati Bapat Marg|400001|Mumbai G.P.O.|"
                          "Lower Parel|Mumbai|Maharashtra|AABCS1234K||9001|9002|9003"});
    EXPECT_EQ(stored(1, "3CAOTH"), QStringList{"0|||Mumbai|25/09/2026"});
    EXPECT_EQ(stored(1, "MasterName"), QStringList{"0"});
    for (const auto &row : ClauseStore::readPage(1))
        EXPECT_EQ(row.formName, "3CA");
}

TEST_P(ReportPages, SavingWritesThePlaceAndDateOfSigningIntoTheMaster)
{
    ClausePage *page = open(FormKind::F3CA, 1);
    set(page, "txtPlace", "Thane");
    type(page, "txtDOS", "2-10-26");
    EXPECT_EQ(text(page, "txtDOS"), "02/10/2026");
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(masterSigning("C001"), (QStringList{"Thane", "02/10/2026"}));
    // The other year's row of the master is left alone.
    Recordset rs = env->host().DBObj().Execute(
        QStringLiteral("SELECT place FROM master WHERE Code_No='C001' AND s_yr='31032025'"));
    EXPECT_EQ(rs.Fields(0), "Mumbai");
}

TEST_P(ReportPages, AFailedSaveLeavesTheReportAsItWas)
{
    ClausePage *page = open(FormKind::F3CA, 1);
    const QStringList before = stored(1, "3CA1");
    set(page, "cmb1IWe", "I");
    env->host().DBObj().Execute(QStringLiteral("DROP TABLE master"));
    EXPECT_FALSE(page->SaveData());
    EXPECT_EQ(env->prompt().shown().back().icon, PromptIcon::Critical);
    EXPECT_EQ(stored(1, "3CA1"), before);
    EXPECT_EQ(stored(1, "3CA1A").size(), 1);
}

TEST_P(ReportPages, AnInvalidPanIsNamedWhenTheBoxIsLeft)
{
    ClausePage *page = open(FormKind::F3CA, 1);
    type(page, "txtPAN", "abcde123");
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid PAN [ABCDE123]");
    env->prompt().clear();
    type(page, "txtPAN", " aabcs1234k ");
    EXPECT_TRUE(env->prompt().shown().empty());
    EXPECT_EQ(text(page, "txtPAN"), "AABCS1234K");
}

TEST_P(ReportPages, TheNameTickTakesTheNameFromTheMaster)
{
    ClausePage *page = open(FormKind::F3CA, 1, "C003");
    set(page, "txtFName", "R.");
    auto *tick = find<QCheckBox>(page, "chkName");
    tick->click();
    EXPECT_EQ(text(page, "txtFName"), "Ravi");
    EXPECT_FALSE(find<QLineEdit>(page, "txtFName")->isEnabled());
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(1, "MasterName"), QStringList{"1"});
    EXPECT_TRUE(find<QCheckBox>(open(FormKind::F3CA, 1, "C003"), "chkName")->isChecked());
}

TEST_P(ReportPages, ObservationsAreRowsInGridOrder)
{
    ClausePage *page = open(FormKind::F3CA, 1);
    auto *grid = find<ClauseGrid>(page, "grd3CAQual");
    grid->setRowCount(2);
    WidgetValues::setCellText(grid, 0, 0, "Valuation of closing stock is not possible.");
    WidgetValues::setCellText(grid, 0, 1, "Stock was not counted at the year end.");
    WidgetValues::setCellText(grid, 1, 0, "Others");
    WidgetValues::setCellText(grid, 1, 1, "Cash book written up at the year end.");
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(
        stored(1, "3CAQual"),
        (QStringList{"Valuation of closing stock is not possible.|Stock was not counted at the year end.",
                     "Others|Cash book written up at the year end."}));
    EXPECT_EQ(ClauseStore::readPoint(1, "3CAQual").at(1).col(23), "2");
    auto *again = find<ClauseGrid>(open(FormKind::F3CA, 1), "grd3CAQual");
    ASSERT_EQ(again->rowCount(), 2);
    EXPECT_EQ(WidgetValues::cellText(again, 1, 0), "Others");
}

TEST_P(ReportPages, AReceiptAndPaymentAccountIsPointedOutOnce)
{
    env->host().DBObj().Execute(
        QStringLiteral("UPDATE main_info1 SET Type_PL='RECEIPT AND PAYMENT' WHERE Code_No='C001'"));
    auto *page = static_cast<frmPage1 *>(open(FormKind::F3CA, 1));
    page->show();
    page->Form_Activate();
    EXPECT_EQ(
        env->prompt().texts(),
        QStringList{"Type of Profit and loss is 'RECEIPT AND PAYMENT'.\nThis option is not in Form3CA-3CD."});
}

TEST_P(ReportPages, Form3CBRulesComeInTheirOrder)
{
    ClausePage *page = open(FormKind::F3CB, 1, "C002");
    EXPECT_EQ(page->objectName(), "frmPage1CB");
    EXPECT_EQ(page->pageNo(), 101);
    for (const QString name :
         {"txtLName", "txtAdd1", "txtPO", "txtArea", "txtDistrict", "txtCBPAN", "txtPlace", "txtDOS"})
        set(page, name, {});

    const QList<QPair<QString, QPair<QString, QString>>> steps{
        {"Please select an option i/We from the list.", {"cmb1IWe", "We"}},
        {"Please enter Name of the Assessee.", {"txtLName", "Mehta & Sons"}},
        {"Please enter Address of Assessee.", {"txtAdd1", "12, Ganesh Bhavan"}},
        {"Please enter post office.", {"txtPO", "Ahmedabad G.P.O."}},
        {"Please enter area/locality.", {"txtArea", "Navrangpura"}},
        {"Please enter district.", {"txtDistrict", "Ahmedabad"}},
        {"Please enter Valid PAN of Assessee.", {"txtCBPAN", "AAHFM4521L"}},
        {"Please enter head office address.", {"txtFLocation", "Ahmedabad"}},
        {"Please enter number of branches.", {"txtNOB", "0"}},
        {"Please enter place.", {"txtPlace", "Ahmedabad"}},
        {"Please enter date.", {"txtDOS", "31/03/2026"}},
        {"Date should be greater than 31/03/2026", {"txtDOS", "30/09/2026"}},
    };
    for (const auto &[message, fix] : steps) {
        EXPECT_EQ(refusal(page), message);
        set(page, fix.first, fix.second);
    }
    EXPECT_EQ(refusal(page), "");
    EXPECT_EQ(stored(101, "3CBPT1"), QStringList{"We|31/03/2026||01/04/2025|31/03/2026"});
    EXPECT_EQ(stored(101, "3CBPT2"), QStringList{"||Ahmedabad|0"});
    EXPECT_EQ(stored(101, "3CBOTH"), QStringList{"0|||Ahmedabad|30/09/2026"});
    EXPECT_EQ(masterSigning("C002"), (QStringList{"Ahmedabad", "30/09/2026"}));
}

TEST_P(ReportPages, Form3CBKeepsItsParagraphsAndTicks)
{
    ClausePage *page = open(FormKind::F3CB, 1, "C002");
    const QList<QPair<QString, QString>> choices{{"cmb3aIWe", "We"},
                                                 {"txt3aOCDI", "None"},
                                                 {"cmb3bAIWe", "We"},
                                                 {"cmb3bAMyOur", "Our"},
                                                 {"cmb3bBMyOur1", "Our"},
                                                 {"cmb3bBMyOur2", "Our"},
                                                 {"cmb3bCMyOur1", "Our"},
                                                 {"cmb3bCMyOur2", "Our"},
                                                 {"cmb3bCMeUs", "Us"},
                                                 {"cmb3CiBSDate", "31/03/2026"},
                                                 {"cmb3CiiPI", "Profit and Loss Account"},
                                                 {"cmb3CiiPL", "Profit"},
                                                 {"cmb5MyOur1", "Our"},
                                                 {"cmb5MyOur2", "Our"},
                                                 {"cmb5MeUs", "Us"}};
    for (const auto &[name, value] : choices)
        set(page, name, value);
    find<QCheckBox>(page, "chkAdd")->click();
    ASSERT_TRUE(page->SaveData());
    EXPECT_EQ(stored(101, "3CBPT3"),
              QStringList{"We|None|We|Our|Our|Our|Our|Our|Us|31/03/2026|Profit and Loss "
                          "Account|Profit"});
    EXPECT_EQ(stored(101, "3CBPT5"), QStringList{"Our|Our|Us"});
    EXPECT_EQ(stored(101, "3CBPT1A").first().section(u'|', 0, 3), "||Mehta & Sons|India");
    EXPECT_EQ(stored(1, "MasterAdd", "3CB"), QStringList{"1"});
    EXPECT_EQ(stored(1, "MasterName", "3CB"), QStringList{"0"});

    ClausePage *again = open(FormKind::F3CB, 1, "C002");
    EXPECT_EQ(text(again, "cmb3CiiPL"), "Profit");
    EXPECT_TRUE(find<QCheckBox>(again, "chkAdd")->isChecked());
    EXPECT_FALSE(find<QLineEdit>(again, "txtAdd1")->isEnabled());
}

TEST_P(ReportPages, TheEditorHoldsTheOpenFormsOwnPages)
{
    env->openForm(FormKind::F3CB);
    auto editor = std::make_unique<Form3CD>();
    EXPECT_EQ(editor->page(1)->objectName(), "frmPage1CB");
    EXPECT_EQ(editor->page(1)->pageNo(), 101);
    EXPECT_EQ(editor->page(2)->objectName(), "frmPage2");
    EXPECT_EQ(editor->page(21)->objectName(), "frmPage21");
    // Moving on saves the report page as it stands.
    editor->cmdPages_Click(1);
    editor->cmdPages_Click(2);
    EXPECT_EQ(stored(101, "3CBPT1A").size(), 1);
}

TALVEX_BOTH_ENGINES(ReportPages);
