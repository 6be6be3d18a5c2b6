#include "PartAFixture.h"

#include "base/ScriptedPrompt.h"
#include "editor/Form3CD.h"
#include "model/ReportModel.h"
#include "model/parta/AuditorDetails.h"
#include "pages/parta/frmPage21.h"
#include "store/Database.h"

#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <utility>

class SigningPage : public PartATest
{
protected:
    frmPage21 *page() { return static_cast<frmPage21 *>(open(FormKind::F3CA, 21)); }
    QStringList auditorBoxes(ClausePage *p)
    {
        QStringList out;
        for (int i = 0; i < 9; ++i)
            out << text(p, QStringLiteral("txtAud%1").arg(i));
        return out;
    }
    void signAs(const QString &client, const QString &type, const QString &auditor)
    {
        env->host().DBObj().Execute(
            QStringLiteral("INSERT INTO client_auditor (Code_No, FYr, AudType, AudCode) VALUES (?,?,?,?)"),
            {client, QStringLiteral("2026"), type, auditor});
    }
};

TEST_P(SigningPage, ShowsTheStoredRowsAndTheHostsAuditor)
{
    frmPage21 *p = page();
    EXPECT_EQ(p->objectName(), "frmPage21");
    EXPECT_TRUE(find<QRadioButton>(p, "optAud1")->isChecked());
    EXPECT_EQ(p->auditorType(), "F");
    EXPECT_EQ(auditorBoxes(p),
              (QStringList{"Priya Raghavan", "204060", "22, Cathedral Road, Chennai", "India", "Tamil Nadu",
                           "600001", "Chennai G.P.O.", "Teynampet", "Chennai"}));
    EXPECT_EQ(text(p, "txtUDIN"), "26204060ABCDE12345");
    EXPECT_EQ(text(p, "txtSignDate"), "25/09/2026");
    EXPECT_EQ(find<QLabel>(p, "lblUDINNotice")->text(),
              "( UDIN is for printing purpose only, not for e-Filing )");
}

TEST_P(SigningPage, AnAuditorTypeWithoutAuditorShowsNoRecord)
{
    frmPage21 *p = page();
    find<QRadioButton>(p, "optAud0")->click();
    EXPECT_EQ(find<QLabel>(p, "lblNoAuditor")->text(), "No Record.");
    EXPECT_EQ(text(p, "txtAud0"), "");
    // The empty boxes stop a save with validation at the first one.
    env->prompt().queue(PromptAnswer::Yes);
    EXPECT_EQ(refusal(p), "Clause Auditor Name is blank or incomplete. Do you want to update the clause?\n"
                          "Select \"Yes\" to update\nSelect \"No\" if no information");
}

TEST_P(SigningPage, BlankAuditorDetailsAnsweredNoShowNilAndAreNotAskedAgain)
{
    frmPage21 *p = page();
    find<QRadioButton>(p, "optAud0")->click();
    env->prompt().clear();
    for (int i = 0; i < 9; ++i)
        env->prompt().queue(PromptAnswer::No);
    EXPECT_EQ(refusal(p), "");
    ASSERT_EQ(env->prompt().shown().size(), 9u);
    EXPECT_TRUE(
        env->prompt().shown().back().text.startsWith("Clause Auditor's District is blank or incomplete."));
    EXPECT_EQ(auditorBoxes(p), QStringList(9, "Nil"));
    // The details stay the host's: the page keeps only its own three points.
    const QStringList points = p->report().points(21);
    EXPECT_EQ(QSet<QString>(points.begin(), points.end()), (QSet<QString>{"AudType", "UDIN", "DSIGN"}));
    env->prompt().clear();
    EXPECT_EQ(refusal(p), "");
    EXPECT_TRUE(env->prompt().shown().empty());
}

TEST_P(SigningPage, StateNamesAreShownInOneForm)
{
    EXPECT_EQ(AuditorDetails::normalisedState("LAKHSWADEEP"), "Lakshadweep");
    for (const QString spelling : {"CHHATISHGARH", "Chhattisgarh", "CHHATTISGARH", "chhatisgarh"})
        EXPECT_EQ(AuditorDetails::normalisedState(spelling), "Chhattisgarh") << spelling.toStdString();
    EXPECT_EQ(AuditorDetails::normalisedState("Tamil Nadu"), "Tamil Nadu");

    env->host().DBObj().Execute(QStringLiteral("UPDATE auditor SET F8='CHHATISGARH' WHERE AudCode='A02'"));
    EXPECT_EQ(text(page(), "txtAud4"), "Chhattisgarh");
}

TEST_P(SigningPage, TheUdinIsKeptTrimmedInUpperCaseWhenItIsValid)
{
    frmPage21 *p = page();
    env->prompt().clear();
    type(p, "txtUDIN", "  26204060abcde99999 ");
    EXPECT_TRUE(env->prompt().shown().empty());
    EXPECT_EQ(text(p, "txtUDIN"), "26204060ABCDE99999");
    ASSERT_TRUE(p->SaveData());
    EXPECT_EQ(stored(21, "UDIN"), QStringList{"26204060ABCDE99999"});

    type(p, "txtUDIN", "26204060ABCDE9999");
    EXPECT_EQ(env->prompt().lastText(), "Please specify Valid 18-Digits 'UDIN' !");
    env->prompt().clear();
    type(p, "txtUDIN", "2620406XABCDE99999");
    EXPECT_EQ(env->prompt().lastText(), "Please specify Valid 18-Digits 'UDIN' !");
    env->prompt().clear();
    type(p, "txtUDIN", "  ");
    EXPECT_TRUE(env->prompt().shown().empty());
    ASSERT_TRUE(p->SaveData());
    EXPECT_EQ(stored(21, "UDIN"), QStringList{""});
}

TEST_P(SigningPage, TheDateOfSigningFallsOnOrAfterTheYearEnd)
{
    frmPage21 *p = page();
    ClauseStore::deletePoint(1, "3CAOTH"); // the report page gives no date of its own here
    p->report().removePoint(1, "3CAOTH");
    p->report().removePoint(1, "3CA1"); // nor the date of an audit report to sign after
    type(p, "txtSignDate", "30.3.2026");
    EXPECT_EQ(text(p, "txtSignDate"), "30/03/2026");
    EXPECT_EQ(refusal(p), "Date of sigining should be greater than '31/03/2026'.");
    EXPECT_EQ(env->prompt().shown().back().icon, PromptIcon::Information);
    EXPECT_EQ(stored(21, "DSIGN"), QStringList{"25/09/2026"});

    type(p, "txtSignDate", "31/03/2026");
    EXPECT_EQ(refusal(p), "");
    EXPECT_EQ(stored(21, "DSIGN"), QStringList{"31/03/2026"});

    // A date is a date: the marker of a clause without information is no date of signing.
    type(p, "txtSignDate", "Nil");
    EXPECT_EQ(refusal(p),
              "Not a Valid Date [Nil]: enter it as DD/MM/YYYY (Date of signing Tax Audit Report)");
    EXPECT_EQ(stored(21, "DSIGN"), QStringList{"31/03/2026"});
}

// A message box takes the focus from the box it names, which then reports being left again
// while the message is open: the date is refused once, not once more for each leaving.
TEST_P(SigningPage, ADateRefusedAsTheBoxIsLeftIsSaidOnce)
{
    struct FocusTakingPrompt : ScriptedPrompt {
        std::function<void()> taken;
        PromptAnswer message(const QString &text, const QString &title, PromptIcon icon,
                             PromptButtons buttons) override
        {
            // The box loses the focus once, to the first message.
            if (const auto leave = std::exchange(taken, {}))
                leave();
            return ScriptedPrompt::message(text, title, icon, buttons);
        }
    } prompt;
    frmPage21 *p = page();
    p->report().removePoint(1, "3CAOTH");
    p->report().removePoint(1, "3CA1");
    auto *date = find<QLineEdit>(p, "txtSignDate");
    prompt.taken = [date] { emit date->editingFinished(); };
    setPrompts(&prompt);
    type(p, "txtSignDate", "30/03/2026");
    setPrompts(&env->prompt());
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.shown().front().text, "Date of sigining should be greater than '31/03/2026'.");
}

// The report is signed once: page 1 and page 21 give the same date, or the user is told.
TEST_P(SigningPage, TheDateOfSigningIsThatOfTheReportPage)
{
    frmPage21 *p = page(); // the demo report's pages both say 25/09/2026
    EXPECT_EQ(refusal(p), "");
    type(p, "txtSignDate", "26/09/2026");
    EXPECT_EQ(refusal(p), "The date of signing on page 21 [26/09/2026] is not the date of signing of the "
                          "report on page 1 [25/09/2026]. Enter the same date on both pages.");
    EXPECT_TRUE(find<QLineEdit>(p, "txtSignDate")->hasFocus() || !p->isVisible());
    EXPECT_EQ(stored(21, "DSIGN"), QStringList{"25/09/2026"});

    // A page 1 without a date leaves page 21's as it is.
    ClauseStore::deletePoint(1, "3CAOTH");
    p->report().removePoint(1, "3CAOTH");
    EXPECT_EQ(refusal(p), "");
    EXPECT_EQ(stored(21, "DSIGN"), QStringList{"26/09/2026"});
}

TEST_P(SigningPage, AnEmptyDateOfSigningMustBeFilledAndIsNeverAnsweredNil)
{
    frmPage21 *p = page();
    type(p, "txtSignDate", "");
    env->prompt().clear();
    EXPECT_EQ(refusal(p), "Please fill data in clause Date of signing Tax Audit Report");
    for (const auto &shown : env->prompt().shown())
        EXPECT_NE(shown.buttons, PromptButtons::YesNo) << shown.text.toStdString();
    EXPECT_EQ(text(p, "txtSignDate"), "");
    EXPECT_EQ(stored(21, "DSIGN"), QStringList{"25/09/2026"});
}

TEST_P(SigningPage, TheAuditorTypeIsStored)
{
    signAs("C001", "I", "A01");
    frmPage21 *p = page();
    find<QRadioButton>(p, "optAud0")->click();
    EXPECT_EQ(text(p, "txtAud0"), "Anil Deshpande");
    ASSERT_TRUE(p->SaveData());
    EXPECT_EQ(stored(21, "AudType"), QStringList{"Yes"});
}

TEST_P(SigningPage, SelectingAnAuditorShowsHim)
{
    frmPage21 *p = page();
    // The host lists its auditors by name: Anil Deshpande (A01, individual) before Priya Raghavan.
    env->prompt().queueChoice(1);
    p->cmdSelectAuditor_Click();
    EXPECT_EQ(text(p, "txtAud0"), "Priya Raghavan");
    find<QRadioButton>(p, "optAud0")->click();
    EXPECT_EQ(find<QLabel>(p, "lblNoAuditor")->text(), "No Record.");
    env->prompt().queueChoice(0);
    p->cmdSelectAuditor_Click();
    EXPECT_EQ(text(p, "txtAud0"), "Anil Deshpande");
    EXPECT_EQ(find<QLabel>(p, "lblNoAuditor")->text(), "");
}

TEST_P(SigningPage, ClearEmptiesTheUdinAndTheDate)
{
    frmPage21 *p = page();
    p->clearAll();
    ASSERT_TRUE(p->SaveData());
    EXPECT_EQ(stored(21, "UDIN"), QStringList{""});
    EXPECT_EQ(stored(21, "DSIGN"), QStringList{""});
    EXPECT_EQ(stored(21, "AudType"), QStringList{"No"});
}

TALVEX_BOTH_ENGINES(SigningPage);
