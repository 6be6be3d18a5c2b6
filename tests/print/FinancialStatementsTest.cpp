#include "PdfText.h"
#include "TestHost.h"
#include "ToolRun.h"

#include "dialogs/frmSignPDF.h"
#include "host/AccountsYear.h"
#include "host/HostAccounts.h"
#include "print/FinancialStatements.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

namespace
{

using FinancialStatements::Statement;

class Statements : public EngineTest
{
protected:
    // The statement of a client and year printed to PDF and read back.
    QString printed(Statement statement, const QString &client = QStringLiteral("C001"),
                    const QString &year = QStringLiteral("2026"))
    {
        const QString pdf = env->dir() + QStringLiteral("/statement.pdf");
        QString reason;
        EXPECT_TRUE(
            FinancialStatements::printToPdf(env->host().DBObj(), statement, client, year, pdf, &reason))
            << reason.toStdString();
        return pdfText(pdf);
    }
};

} // namespace

// Every demo client's books balance in every year they are kept, and the profit the
// statements show is the one clause 40 and the host's profit-and-loss members read.
TEST_P(Statements, TheDemoBooksBalanceAndCarryTheirProfitToTheBalanceSheet)
{
    Database &db = env->host().DBObj();
    for (const auto &[client, year] : QList<QPair<QString, QString>>{
             {"C001", "2025"}, {"C001", "2026"}, {"C002", "2025"}, {"C002", "2026"}, {"C004", "2026"}}) {
        const AccountsYear books = AccountsYear::read(db, client, year);
        ASSERT_FALSE(books.isEmpty()) << client.toStdString() << year.toStdString();
        EXPECT_DOUBLE_EQ(books.totalOfLiabilities(), books.totalOfAssets())
            << client.toStdString() << year.toStdString();
    }
    const AccountsYear c001 = AccountsYear::read(db, "C001", "2026");
    EXPECT_DOUBLE_EQ(c001.grossProfit(), 37580000);
    EXPECT_DOUBLE_EQ(c001.profitBeforeTax(), 12450000);
    EXPECT_DOUBLE_EQ(c001.profitAfterTax(), 9320000);
    EXPECT_DOUBLE_EQ(c001.surplusCarried(), 23920000);
    EXPECT_DOUBLE_EQ(HostAccounts::netp_l("C001", "2026"), 23920000);
    EXPECT_DOUBLE_EQ(HostAccounts::GetPLBF("C001", "2026"), 15600000);
    EXPECT_DOUBLE_EQ(HostAccounts::GetDefTaxAmt("C001", "2026"), 180000);
    // Last year's surplus carried is this year's brought forward.
    EXPECT_DOUBLE_EQ(AccountsYear::read(db, "C001", "2025").surplusCarried(), c001.broughtForward());
    // The firm's partners take the whole profit into their capital accounts.
    const AccountsYear c002 = AccountsYear::read(db, "C002", "2026");
    EXPECT_DOUBLE_EQ(c002.appropriations(), c002.profitAfterTax());
    EXPECT_DOUBLE_EQ(c002.surplusCarried(), 0);
    EXPECT_TRUE(AccountsYear::read(db, "C003", "2026").isEmpty());
}

// The two sides of the horizontal balance sheet agree, and the profit and loss account
// carries its gross profit, net profit and balance down to the balance sheet.
TEST_P(Statements, HorizontalStatementsAgreeSideBySide)
{
    const QString bs = printed(Statement::BalanceSheetHorizontal);
    EXPECT_TRUE(bs.contains("Sharma Textiles Private Limited"));
    EXPECT_TRUE(bs.contains("Balance Sheet as at 31st March, 2026"));
    for (const char *text : {"Liabilities", "Assets", "Share Capital", "Reserves and Surplus", "Fixed Assets",
                             "Current Assets, Loans and Advances", "Profit and Loss Account"})
        EXPECT_TRUE(bs.contains(QLatin1String(text))) << text;
    EXPECT_EQ(bs.count("9,92,30,000.00"), 2);   // both totals
    EXPECT_TRUE(bs.contains("2,39,20,000.00")); // the surplus carried

    const QString pl = printed(Statement::ProfitLossHorizontal);
    EXPECT_TRUE(pl.contains("Trading and Profit and Loss Account for the year ended 31st March, 2026"));
    EXPECT_TRUE(pl.contains("To Gross Profit c/d"));
    EXPECT_TRUE(pl.contains("By Gross Profit b/d"));
    EXPECT_EQ(pl.count("3,75,80,000.00"), 2); // carried down and brought down
    EXPECT_EQ(pl.count("93,20,000.00"), 2);   // net profit carried down and brought down
    EXPECT_TRUE(pl.contains("To Balance carried to Balance Sheet"));
    EXPECT_TRUE(pl.contains("(16,50,000.00)"));  // returns taken off the sales
    EXPECT_FALSE(pl.contains("(86,00,000.00)")); // raw materials are stock, not a contra head
    EXPECT_EQ(pl.count("21,39,80,000.00"), 2);   // the trading account's two sides
}

// The vertical layouts give both years: sources equal application of funds, and the
// profit before tax is the one clause 40 reads.
TEST_P(Statements, VerticalStatementsShowBothYears)
{
    const QString bs = printed(Statement::BalanceSheetVertical);
    EXPECT_TRUE(bs.contains("I. SOURCES OF FUNDS"));
    EXPECT_TRUE(bs.contains("II. APPLICATION OF FUNDS"));
    EXPECT_TRUE(bs.contains("As at 31st March, 2025"));
    EXPECT_EQ(bs.count("7,19,00,000.00"), 2); // sources and application, this year
    EXPECT_EQ(bs.count("6,37,00,000.00"), 2); // and last year

    const QString pl = printed(Statement::ProfitLossVertical);
    EXPECT_TRUE(pl.contains("Profit before tax (A - B)"));
    EXPECT_TRUE(pl.contains("1,24,50,000.00"));
    EXPECT_TRUE(pl.contains("1,08,50,000.00"));
    EXPECT_TRUE(pl.contains("2,39,20,000.00"));
}

// Schedule III: the face with its note numbers, the notes after it, the profit and loss
// account's notes numbered on from the balance sheet's; a firm shows owners' funds.
TEST_P(Statements, ScheduleThreeFaceAndNotes)
{
    const QString bs = printed(Statement::BalanceSheetSchVi);
    for (const char *text :
         {"I. EQUITY AND LIABILITIES", "(1) Shareholders' funds", "(a) Share capital", "II. ASSETS",
          "Note 1: Share capital", "Note 2: Reserves and surplus",
          "Surplus in the Statement of Profit and Loss", "Note 13: Short-term loans and advances"})
        EXPECT_TRUE(bs.contains(QLatin1String(text))) << text;
    EXPECT_EQ(bs.count("9,92,30,000.00"), 2);
    EXPECT_EQ(bs.count("8,80,10,000.00"), 2);
    // The surplus moves from last year's balance by the year's profit and the transfer.
    const QString surplus = bs.mid(bs.indexOf("Balance brought forward"));
    EXPECT_TRUE(surplus.contains("1,56,00,000.00"));
    EXPECT_TRUE(surplus.contains("(10,00,000.00)"));
    EXPECT_TRUE(surplus.contains("Balance carried forward"));

    const QString pl = printed(Statement::ProfitLossSchVi);
    for (const char *text :
         {"Statement of Profit and Loss for the year ended 31st March, 2026", "I. Revenue from operations",
          "Cost of materials consumed", "Note 14: Revenue from operations", "Duty drawback",
          "V. Profit before tax (III - IV)", "VII. Profit for the year (V - VI)"})
        EXPECT_TRUE(pl.contains(QLatin1String(text))) << text;
    EXPECT_TRUE(pl.contains("93,20,000.00"));
    EXPECT_TRUE(pl.contains("81,00,000.00"));
    EXPECT_TRUE(pl.contains("18,96,30,000.00")); // revenue: net sales and other operating revenue

    const QString firm = printed(Statement::BalanceSheetSchVi, "C002");
    EXPECT_TRUE(firm.contains("(1) Owners' funds"));
    EXPECT_TRUE(firm.contains("Partners' capital accounts"));
    EXPECT_EQ(firm.count("1,52,20,000.00"), 2);
}

// A client without books for the year, or no client at all, prints nothing and says why.
TEST_P(Statements, NothingToPrintIsSaid)
{
    const QString pdf = env->dir() + QStringLiteral("/none.pdf");
    QString reason;
    EXPECT_FALSE(FinancialStatements::printToPdf(env->host().DBObj(), Statement::BalanceSheetVertical, "C003",
                                                 "2026", pdf, &reason));
    EXPECT_EQ(reason, "The accounts of Ravi Kumar Iyer hold no balances for the year ending 31/03/2026.");
    EXPECT_FALSE(FinancialStatements::printToPdf(env->host().DBObj(), Statement::BalanceSheetVertical, "C404",
                                                 "2026", pdf, &reason));
    EXPECT_EQ(reason, "There is no client C404.");
    EXPECT_FALSE(QFile::exists(pdf));
}

// The signing window's From Software entries print the current client's statements into
// the file chosen and put it in the balance sheet's or the profit and loss account's row.
TEST_P(Statements, SigningWindowPrintsFromTheAccounts)
{
    env->openForm(FormKind::F3CA, "C001");
    frmSignPDF window;
    const QList<QAction *> entries = window.fromSoftwareMenu()->actions();
    QStringList texts;
    for (QAction *a : entries)
        texts << a->text();
    EXPECT_EQ(texts, FinancialStatements::captions());
    EXPECT_EQ(texts.at(3), "Profit && Loss (Horinzontal)");

    const QString bsPdf = env->dir() + QStringLiteral("/bs.pdf");
    env->prompt().queueText(bsPdf);
    window.findChild<QAction *>("mnuFromSoftware3")->trigger();
    EXPECT_EQ(env->prompt().shown().front().title, "Select File");
    EXPECT_EQ(env->prompt().lastText(), "PDF Created Successfully.");
    EXPECT_EQ(window.findChild<QLineEdit *>("txtFile2")->text(), bsPdf);
    EXPECT_TRUE(pdfText(bsPdf).contains("Note 1: Share capital"));

    const QString plPdf = env->dir() + QStringLiteral("/pl.pdf");
    env->prompt().queueText(plPdf);
    window.findChild<QAction *>("mnuFromSoftware5")->trigger();
    EXPECT_EQ(window.findChild<QLineEdit *>("txtFile3")->text(), plPdf);
    EXPECT_TRUE(pdfText(plPdf).contains("Profit before tax (A - B)"));

    // Cancelling the file choice prints nothing.
    env->prompt().clear();
    window.findChild<QAction *>("mnuFromSoftware1")->trigger();
    EXPECT_EQ(env->prompt().shown().size(), 1u);
    EXPECT_EQ(window.findChild<QLineEdit *>("txtFile2")->text(), bsPdf);
}

TALVEX_BOTH_ENGINES(Statements);

// taxaudit prints each statement by name and refuses what it cannot print.
TEST(AccountsCommand, PrintsAStatementByName)
{
    QTemporaryDir home;
    const QString db = QStringLiteral("sqlite:") + home.filePath(QStringLiteral("t.db"));
    auto taxaudit = [&](const QStringList &args) {
        return runTaxaudit(home.path(), QStringList{"--db", db} + args);
    };
    ASSERT_EQ(taxaudit({"demo"}).status, 0);
    const QString pdf = home.filePath("pl.pdf");
    const ToolRun ok = taxaudit(
        {"accounts", "--client", "C004", "--year", "2026", "--statement", "pl-horizontal", "--pdf", pdf});
    ASSERT_EQ(ok.status, 0) << ok.err.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Sanjay O'Brien Trading Co."));
    EXPECT_TRUE(text.contains("37,32,500.00")); // gross profit
    EXPECT_TRUE(text.contains("17,57,000.00")); // balance carried to the balance sheet
    EXPECT_EQ(
        taxaudit({"accounts", "--client", "C004", "--year", "2026", "--statement", "cash-flow", "--pdf", pdf})
            .status,
        2);
    const ToolRun none = taxaudit(
        {"accounts", "--client", "C003", "--year", "2026", "--statement", "bs-schvi", "--pdf", pdf, "--yes"});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.contains("hold no balances"));
}
