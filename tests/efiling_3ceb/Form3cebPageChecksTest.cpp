#include "Form3cebTestSupport.h"

#include "base/IdentityChecks.h"
#include "catalogue/Form3cebCatalogue.h"
#include "dialogs/PendingWindow.h"
#include "model/ReportModel.h"
#include "model/form3ceb/Form3cebChecks.h"
#include "pages/ClauseGrid.h"
#include "pages/PageFactory.h"
#include "pages/form3ceb/Form3cebPage.h"
#include "store/ClauseStore.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

// What a Form 3CEB page asks before it keeps a clause: complete transactions in the
// clause's check columns, the identification of an enterprise unless it is "Others", the
// accountant the host knows and, for the UDIN, his own membership number.
class Form3cebPageChecks : public Form3cebTest
{
protected:
    std::unique_ptr<Form3cebPage> page(int slot, const QString &client = kDemoClient)
    {
        open(client);
        std::unique_ptr<Form3cebPage> window(
            qobject_cast<Form3cebPage *>(PageFactory::create(FormKind::F3CEB, slot)));
        EXPECT_TRUE(window);
        window->show();
        env->prompt().clear();
        return window;
    }
    QPushButton *button(const Form3cebPage &window, const QString &name)
    {
        return window.findChild<QPushButton *>(name);
    }
};

TALVEX_BOTH_ENGINES(Form3cebPageChecks);

TEST_P(Form3cebPageChecks, TheCatalogueKeepsEachClausesCheckColumnsAndTheIdentityColumns)
{
    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    const QList<std::pair<QString, std::pair<int, int>>> expected{
        {"11A", {3, 13}}, {"11B", {3, 12}}, {"11C", {3, 13}}, {"12", {3, 11}},
        {"13", {3, 11}},  {"14", {3, 13}},  {"15", {3, 10}},  {"16", {3, 10}},
        {"17", {3, 10}},  {"18", {3, 10}},  {"19", {3, 10}},  {"20", {3, 10}}};
    for (const auto &[clause, range] : expected) {
        EXPECT_EQ(cat.checkColumns(clause).first, range.first) << clause.toStdString();
        EXPECT_EQ(cat.checkColumns(clause).last, range.second) << clause.toStdString();
    }
    EXPECT_EQ(cat.checkColumns("22A").first, 0);
    EXPECT_EQ(cat.identityException(), "OTHERS");
    // The identification follows the department's columns and ends inside each check range.
    for (const Catalogue::TransactionType &t : cat.transactionTypes()) {
        const bool withEnterprise = t.page <= 9 && !t.flag.isEmpty();
        EXPECT_EQ(t.identityColumn > 0, withEnterprise) << t.type.toStdString();
        if (!withEnterprise)
            continue;
        EXPECT_EQ(t.columns.size(), t.identityColumn + 1) << t.type.toStdString();
        EXPECT_LE(t.identityColumn + 1, cat.checkColumns(t.point).last) << t.type.toStdString();
        EXPECT_EQ(t.columns.at(t.identityColumn - 1).list, "identityType");
    }
    for (int p = 1; p <= 12; ++p)
        EXPECT_EQ(cat.importsRows(p), p >= 7) << p;
}

TEST_P(Form3cebPageChecks, AYesClauseNeedsRowsCompleteInItsCheckColumns)
{
    auto window = page(3);
    ClauseGrid *grid = window->grid("11A");
    const Catalogue::TransactionType *type = Form3cebCatalogue::instance().transactionType("01");
    const int number = type->identityColumn; // 0-based column of the identification number
    EXPECT_TRUE(window->validateForm());
    EXPECT_TRUE(env->prompt().shown().empty());

    // The address lies before the check columns and the remark is optional.
    grid->setCellText(0, 1, "");
    grid->setCellText(0, 9, "");
    EXPECT_TRUE(window->validateForm());

    grid->setCellText(0, 2, "");
    EXPECT_FALSE(window->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Clause 11A is incomplete. Please fill data in clause 11A");
    grid->setCellText(0, 2, "Purchased");

    // An enterprise identified as "Others" gives no number; any other identification does.
    ASSERT_EQ(grid->cellText(0, number - 1), "Others");
    EXPECT_TRUE(grid->cellText(0, number).isEmpty());
    EXPECT_TRUE(window->validateForm());
    grid->setCellText(0, number - 1, "Tax Identification Number");
    EXPECT_FALSE(window->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Clause 11A is incomplete. Please fill data in clause 11A");

    window->grid("11A")->setRows({});
    env->prompt().clear();
    EXPECT_FALSE(window->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Please fill data in clause 11A");
}

TEST_P(Form3cebPageChecks, AnUnansweredQuestionIsFoundInTheReport)
{
    open(kDemoClient);
    auto model = ReportModel::load();
    const Catalogue::Page *tenth = Form3cebCatalogue::instance().page(10);
    ASSERT_TRUE(tenth);
    const Catalogue::Clause &clause22A = tenth->clauses.first();
    model->removePoint(10, "Opt22A");
    const std::optional<ReportFinding> found = Form3cebChecks::unanswered(*model, 10, clause22A);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->message, "Select either Yes or No in clause 22A");
    EXPECT_EQ(found->page, 10);
    EXPECT_EQ(found->point, "Opt22A");
    model->setValue(10, "Opt22A", "False");
    EXPECT_FALSE(Form3cebChecks::unanswered(*model, 10, clause22A));

    // Clause 21 lists enterprises without a question to answer.
    const Catalogue::Clause &clause21 = Form3cebCatalogue::instance().page(9)->clauses.last();
    EXPECT_EQ(clause21.key, "21");
    EXPECT_FALSE(Form3cebChecks::unanswered(*model, 9, clause21));
}

TEST_P(Form3cebPageChecks, ExceptedColumnsFollowTheIdentificationTypeInAnyLetterCase)
{
    const Catalogue::TransactionType *type = Form3cebCatalogue::instance().transactionType("06");
    QStringList row(type->columns.size());
    EXPECT_TRUE(Form3cebChecks::exceptedColumns(*type, row).isEmpty());
    row[type->identityColumn - 1] = "OTHERS";
    EXPECT_EQ(Form3cebChecks::exceptedColumns(*type, row), QSet<int>{type->identityColumn});
    row[type->identityColumn - 1] = " others ";
    EXPECT_EQ(Form3cebChecks::exceptedColumns(*type, row), QSet<int>{type->identityColumn});
    row[type->identityColumn - 1] = "Permanent Account Number";
    EXPECT_TRUE(Form3cebChecks::exceptedColumns(*type, row).isEmpty());
    // Domestic lists carry no identification and so no exception.
    EXPECT_TRUE(
        Form3cebChecks::exceptedColumns(*Form3cebCatalogue::instance().transactionType("17"), {"Others"})
            .isEmpty());
}

TEST_P(Form3cebPageChecks, AnAnswerOfNoDisablesTheGridAndEveryButtonOfIt)
{
    auto window = page(7);
    for (const QString &point : {QStringLiteral("16"), QStringLiteral("17")}) {
        QPushButton *remove = button(*window, "cmdRemove" + point);
        ASSERT_TRUE(remove);
        EXPECT_EQ(remove->text(), "Remove Row");
        window->noButton(point)->click();
        for (const QString &name : {"cmdAdd", "cmdRemove", "cmdExport", "cmdImport"})
            EXPECT_FALSE(button(*window, name + point)->isEnabled()) << name.toStdString();
        window->yesButton(point)->click();
        for (const QString &name : {"cmdAdd", "cmdRemove", "cmdExport", "cmdImport"})
            EXPECT_TRUE(button(*window, name + point)->isEnabled()) << name.toStdString();
    }
    // Pages before 7 keep their rows by hand only.
    auto earlier = page(3);
    EXPECT_FALSE(button(*earlier, "cmdImport11A"));
    EXPECT_TRUE(button(*earlier, "cmdAdd11A"));
}

TEST_P(Form3cebPageChecks, TheAccountantComesFromTheHost)
{
    // A report without the accountant's row takes the client's auditor when shown.
    open("C003");
    ClauseStore::deletePage(1);
    auto window = page(1, "C003");
    EXPECT_EQ(window->field("txtAccName")->text(), "Anil Deshpande");
    EXPECT_EQ(window->field("txtMembership")->text(), "112233");
    EXPECT_EQ(window->field("txtFirmReg")->text(), "104512W");
    EXPECT_EQ(window->field("txtAccAddress")->text(), "301, Sai Chambers, Fort, Mumbai, 400001");
    EXPECT_TRUE(env->prompt().shown().empty());

    // The stored particulars are shown as kept; the command takes the host's again.
    auto demo = page(1);
    demo->field("txtAccName")->setText("Someone Else");
    demo->field("txtMembership")->clear();
    button(*demo, "cmdAuditor")->click();
    EXPECT_EQ(demo->field("txtAccName")->text(), "Priya Raghavan");
    EXPECT_EQ(demo->field("txtMembership")->text(), "204060");
    EXPECT_TRUE(env->prompt().shown().empty());
}

TEST_P(Form3cebPageChecks, TheUdinIsAskedForTheAccountantsOwnMembershipNumber)
{
    EXPECT_EQ(Form3cebChecks::membershipMessage("20406", "204060"), "Invalid Membership No. !");
    EXPECT_EQ(Form3cebChecks::membershipMessage("2040601", "204060"), "Invalid Membership No. !");
    EXPECT_EQ(Form3cebChecks::membershipMessage("20406A", "204060"), "Invalid Membership No. !");
    EXPECT_EQ(Form3cebChecks::membershipMessage(" 204060 ", "204060"), "");

    auto window = page(1);
    QPushButton *udin = button(*window, "cmdUDIN");
    ASSERT_TRUE(udin);
    window->field("txtMembership")->setText("20406");
    udin->click();
    EXPECT_EQ(env->prompt().lastText(), "Invalid Membership No. !");
    window->field("txtMembership")->setText("112233");
    udin->click();
    EXPECT_EQ(env->prompt().lastText(), "Mismatch Membership No. !");
    EXPECT_TRUE(QApplication::topLevelWidgets().count() > 0);
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<PendingWindow *>(w) && w->isVisible());

    window->field("txtMembership")->setText("204060");
    env->prompt().clear();
    udin->click();
    EXPECT_TRUE(env->prompt().shown().empty());
    PendingWindow *online = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *p = qobject_cast<PendingWindow *>(w); p && p->isVisible())
            online = p;
    }
    ASSERT_TRUE(online);
    EXPECT_EQ(online->windowTitle(), "Generate UDIN");
    online->close();
}

TEST_P(Form3cebPageChecks, TheEnterprisesOfPage9AreCheckedByPanAndAadhaar)
{
    auto window = page(9);
    ClauseGrid *grid = window->grid("21");
    ASSERT_TRUE(grid);
    EXPECT_TRUE(window->validateForm());
    grid->setCellText(0, 2, "AAKFS2468");
    EXPECT_FALSE(window->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid PAN [AAKFS2468]");
    grid->setCellText(0, 2, "AAKFS2468M");
    ASSERT_FALSE(IdentityChecks::ValidAadhaar("234567890123"));
    grid->setCellText(0, 6, "234567890123");
    EXPECT_FALSE(window->validateForm());
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid AADHAAR [234567890123]");
}

TEST_P(Form3cebPageChecks, EveryPageOfTheDemoReportPassesItsChecks)
{
    for (int slot = 1; slot <= PageFactory::lastPage(FormKind::F3CEB); ++slot) {
        auto window = page(slot);
        EXPECT_TRUE(window->validateForm()) << slot << " " << env->prompt().lastText().toStdString();
        EXPECT_TRUE(env->prompt().shown().empty()) << slot;
    }
}
