#include "StatementLayouts.h"

#include "ControlCodes.h"
#include "PrintedWords.h"
#include "ReportWriter.h"
#include "host/AccountsSchema.h"
#include "host/ChartOfAccounts.h"

using namespace ChartOfAccounts;
using FinancialStatements::Books;
using StatementText::amount;
using StatementText::Figure;
using StatementText::Note;

namespace StatementLayouts
{

namespace
{

QString title(const Books &books, const QString &what)
{
    return what + QStringLiteral(" for the year ended ") + PrintedWords::yearEnd(books.current.yearKey());
}

// A figure of both years computed the same way from each year's books.
template <typename Compute> Figure both(const Books &books, const QString &label, Compute compute)
{
    return {label, compute(books.current), compute(books.previous)};
}

Books currentOnly(const Books &books)
{
    return Books{books.client, books.clientName, books.company, books.current, {}};
}

QList<Figure> tradeFigures(const Books &books)
{
    QList<Figure> figures;
    for (const AccountsYear::Entry &e : books.current.tradeEntries())
        figures << Figure{e.particulars, e.amount};
    return figures;
}

} // namespace

void profitLossHorizontal(ReportWriter &w, const Books &books)
{
    StatementText::heading(w, books, title(books, QStringLiteral("Trading and Profit and Loss Account")));
    const Books year = currentOnly(books);
    const AccountsYear &a = books.current;
    const auto heads = [&](int gid) { return StatementText::headFigures(year, gid, true); };
    const QString rs = PrintedWords::AmountHeading;
    const QStringList headings{QStringLiteral("Dr. Particulars"), rs, rs,
                               QStringLiteral("Cr. Particulars"), rs, rs};

    StatementText::Side debit, credit;
    debit.group(QStringLiteral("To Opening Stock"), heads(AccountsSchema::OpeningStock));
    debit.group(QStringLiteral("To Purchases"), heads(AccountsSchema::Purchases));
    debit.group(QStringLiteral("To Direct Expenses"), heads(AccountsSchema::DirectExpenses));
    credit.group(QStringLiteral("By Sales"), heads(AccountsSchema::Sales));
    credit.group(QStringLiteral("By Other Operating Income"), tradeFigures(books));
    credit.group(QStringLiteral("By Closing Stock"), heads(AccountsSchema::ClosingStock));
    const double gross = a.grossProfit();
    if (gross >= 0)
        debit.single(QStringLiteral("To Gross Profit c/d"), gross);
    else
        credit.single(QStringLiteral("By Gross Loss c/d"), -gross);
    StatementText::writeTwoSided(w, headings, debit, credit);
    w.blank();

    StatementText::Side expenses, income;
    if (gross >= 0)
        income.single(QStringLiteral("By Gross Profit b/d"), gross);
    else
        expenses.single(QStringLiteral("To Gross Loss b/d"), -gross);
    income.group(QStringLiteral("By Other Income"), heads(OtherIncome));
    expenses.group(QStringLiteral("To Employee Benefits Expense"), heads(EmployeeBenefits));
    expenses.group(QStringLiteral("To Finance Costs"), heads(FinanceCosts));
    expenses.group(QStringLiteral("To Depreciation"), heads(Depreciation));
    expenses.group(QStringLiteral("To Other Expenses"), heads(OtherExpenses));
    expenses.group(QStringLiteral("To Provision for Tax"), heads(TaxExpense));
    const double net = a.profitAfterTax();
    if (net >= 0)
        expenses.single(QStringLiteral("To Net Profit c/d"), net);
    else
        income.single(QStringLiteral("By Net Loss c/d"), -net);
    StatementText::writeTwoSided(w, headings, expenses, income);
    w.blank();

    StatementText::Side applied, available;
    if (net >= 0)
        available.single(QStringLiteral("By Net Profit b/d"), net);
    else
        applied.single(QStringLiteral("To Net Loss b/d"), -net);
    available.single(QStringLiteral("By Balance brought forward"), a.broughtForward());
    applied.group(QStringLiteral("To Appropriations"), heads(Appropriations));
    const double carried = a.surplusCarried();
    if (carried >= 0)
        applied.single(QStringLiteral("To Balance carried to Balance Sheet"), carried);
    else
        available.single(QStringLiteral("By Balance carried to Balance Sheet"), -carried);
    StatementText::writeTwoSided(w, headings, applied, available);
}

void profitLossVertical(ReportWriter &w, const Books &books)
{
    StatementText::heading(w, books, title(books, PrintedWords::ProfitAndLossAccount));
    w.columns(QStringLiteral("60,20,20"), {ReportRow::Left, ReportRow::Right, ReportRow::Right});
    w.heading(StatementText::yearsHeading(books, false, QStringLiteral("Year ended ")));
    const auto caption = [&](const QString &text) {
        w.boxed({ControlCodes::bold(text), QString(), QString()});
    };
    using A = const AccountsYear &;

    caption(QStringLiteral("INCOME"));
    StatementText::twoYearRow(w, both(books, QStringLiteral("    Sales"), [](A a) {
                                  return a.sum(AccountsSchema::Sales, AccountsSchema::Main);
                              }));
    StatementText::twoYearRow(w, both(books, QStringLiteral("    Less: Returns and discounts"), [](A a) {
                                  return a.sum(AccountsSchema::Sales, AccountsSchema::Contra);
                              }));
    StatementText::twoYearRow(w,
                              both(books, QStringLiteral("    Net Sales"), [](A a) { return a.turnover(); }));
    twoYearRow(
        w, both(books, QStringLiteral("    Other operating income"), [](A a) { return a.tradeIncome(); }));
    StatementText::twoYearRow(
        w, both(books, QStringLiteral("    Other income"), [](A a) { return a.sum(OtherIncome); }));
    const auto income = [](A a) { return a.turnover() + a.tradeIncome() + a.sum(OtherIncome); };
    StatementText::twoYearRow(w, both(books, QStringLiteral("Total Income (A)"), income), true);

    caption(QStringLiteral("EXPENDITURE"));
    StatementText::twoYearRow(
        w, both(books, QStringLiteral("    Opening stock"), [](A a) { return a.openingStock(); }));
    StatementText::twoYearRow(w, both(books, QStringLiteral("    Add: Purchases (net)"),
                                      [](A a) { return a.net(AccountsSchema::Purchases); }));
    StatementText::twoYearRow(w, both(books, QStringLiteral("    Add: Direct expenses"),
                                      [](A a) { return a.net(AccountsSchema::DirectExpenses); }));
    StatementText::twoYearRow(
        w, both(books, QStringLiteral("    Less: Closing stock"), [](A a) { return a.closingStock(); }));
    const auto costOfSales = [](A a) {
        return a.openingStock() + a.net(AccountsSchema::Purchases) + a.net(AccountsSchema::DirectExpenses) -
               a.closingStock();
    };
    StatementText::twoYearRow(w, both(books, QStringLiteral("    Cost of goods sold"), costOfSales));
    StatementText::twoYearRow(w, both(books, QStringLiteral("    Employee benefits expense"),
                                      [](A a) { return a.sum(EmployeeBenefits); }));
    StatementText::twoYearRow(
        w, both(books, QStringLiteral("    Finance costs"), [](A a) { return a.sum(FinanceCosts); }));
    StatementText::twoYearRow(
        w, both(books, QStringLiteral("    Depreciation"), [](A a) { return a.sum(Depreciation); }));
    StatementText::twoYearRow(
        w, both(books, QStringLiteral("    Other expenses"), [](A a) { return a.sum(OtherExpenses); }));
    StatementText::twoYearRow(w,
                              both(books, QStringLiteral("Total Expenditure (B)"),
                                   [&](A a) { return costOfSales(a) + a.indirectExpenses(); }),
                              true);
    StatementText::twoYearRow(
        w, both(books, QStringLiteral("Gross Profit"), [](A a) { return a.grossProfit(); }));
    twoYearRow(
        w, both(books, QStringLiteral("Profit before tax (A - B)"), [](A a) { return a.profitBeforeTax(); }),
        true);
    StatementText::twoYearRow(
        w, both(books, QStringLiteral("    Less: Current tax"), [](A a) { return a.currentTax(); }));
    StatementText::twoYearRow(
        w, both(books, QStringLiteral("    Less: Deferred tax"), [](A a) { return a.deferredTax(); }));
    StatementText::twoYearRow(
        w, both(books, QStringLiteral("Profit after tax"), [](A a) { return a.profitAfterTax(); }), true);
    StatementText::twoYearRow(w, both(books, QStringLiteral("    Add: Balance brought forward"),
                                      [](A a) { return a.broughtForward(); }));
    for (const Figure &f : StatementText::headFigures(books, Appropriations))
        StatementText::twoYearRow(w, {QStringLiteral("    Less: ") + f.label, f.current, f.previous});
    StatementText::twoYearRow(w,
                              both(books, QStringLiteral("Balance carried to Balance Sheet"),
                                   [](A a) { return a.surplusCarried(); }),
                              true);
}

void profitLossSchVi(ReportWriter &w, const Books &books)
{
    StatementText::heading(w, books, title(books, QStringLiteral("Statement of Profit and Loss")));
    using A = const AccountsYear &;
    QList<Note> notes;
    QList<Figure> revenue = StatementText::headFigures(books, AccountsSchema::Sales, true);
    for (const AccountsYear::Entry &e : books.current.tradeEntries())
        revenue << Figure{e.particulars, e.amount};
    for (const AccountsYear::Entry &e : books.previous.tradeEntries()) {
        auto found = std::find_if(revenue.begin(), revenue.end(),
                                  [&](const Figure &f) { return f.label == e.particulars; });
        if (found == revenue.end())
            revenue << Figure{e.particulars, 0, e.amount};
        else
            found->previous += e.amount;
    }
    const int first = int(balanceSheetNotes(books).size()) + 1;
    const auto noted = [&](const QString &caption, const QList<Figure> &lines) {
        if (lines.isEmpty())
            return QString();
        notes << Note{caption, lines};
        return QString::number(first + notes.size() - 1);
    };
    const QString revenueNote = noted(QStringLiteral("Revenue from operations"), revenue);
    const QString otherIncomeNote =
        noted(QStringLiteral("Other income"), StatementText::headFigures(books, OtherIncome));
    const QString materialsNote =
        noted(QStringLiteral("Cost of materials consumed"),
              {both(books, QStringLiteral("Opening stock of raw materials and work in progress"),
                    [](A a) { return a.sumOfMaterials(AccountsSchema::OpeningStock, true); }),
               both(books, QStringLiteral("Add: Purchases of raw materials"),
                    [](A a) { return a.sumOfMaterials(AccountsSchema::Purchases, true); }),
               both(books, QStringLiteral("Less: Closing stock of raw materials and work in progress"),
                    [](A a) { return -a.sumOfMaterials(AccountsSchema::ClosingStock, true); })});
    const QString inventoriesNote =
        noted(QStringLiteral("Changes in inventories of finished goods, work-in-progress and stock-in-trade"),
              {both(books, QStringLiteral("Inventories at the beginning of the year"),
                    [](A a) { return a.sumOfMaterials(AccountsSchema::OpeningStock, false); }),
               both(books, QStringLiteral("Less: Inventories at the end of the year"),
                    [](A a) { return -a.sumOfMaterials(AccountsSchema::ClosingStock, false); })});
    const QString employeeNote = noted(QStringLiteral("Employee benefits expense"),
                                       StatementText::headFigures(books, EmployeeBenefits));
    const QString financeNote =
        noted(QStringLiteral("Finance costs"), StatementText::headFigures(books, FinanceCosts));
    const QString otherNote = noted(QStringLiteral("Other expenses"),
                                    StatementText::headFigures(books, AccountsSchema::DirectExpenses, true) +
                                        StatementText::headFigures(books, OtherExpenses));

    w.columns(QStringLiteral("50,10,20,20"),
              {ReportRow::Left, ReportRow::Centre, ReportRow::Right, ReportRow::Right});
    w.heading(StatementText::yearsHeading(books, true, QStringLiteral("Year ended ")));
    const auto row = [&](const QString &label, const QString &note, const Figure &f, bool bold = false) {
        auto b = [bold](const QString &t) { return bold ? ControlCodes::bold(t) : t; };
        w.boxed({b(label), note, b(amount(f.current)), b(amount(f.previous))});
    };
    const auto revenueOf = [](A a) { return a.turnover() + a.tradeIncome(); };
    const auto materials = [](A a) {
        return a.sumOfMaterials(AccountsSchema::OpeningStock, true) +
               a.sumOfMaterials(AccountsSchema::Purchases, true) -
               a.sumOfMaterials(AccountsSchema::ClosingStock, true);
    };
    const auto inventories = [](A a) {
        return a.sumOfMaterials(AccountsSchema::OpeningStock, false) -
               a.sumOfMaterials(AccountsSchema::ClosingStock, false);
    };
    const auto otherExpenses = [](A a) {
        return a.net(AccountsSchema::DirectExpenses) + a.sum(OtherExpenses);
    };
    row(QStringLiteral("I. Revenue from operations"), revenueNote, both(books, {}, revenueOf));
    row(QStringLiteral("II. Other income"), otherIncomeNote,
        both(books, {}, [](A a) { return a.sum(OtherIncome); }));
    row(QStringLiteral("III. Total income (I + II)"), {},
        both(books, {}, [&](A a) { return revenueOf(a) + a.sum(OtherIncome); }), true);
    const auto caption = [&](const QString &label) { w.boxed({ControlCodes::bold(label), {}, {}, {}}); };
    caption(QStringLiteral("IV. Expenses"));
    row(QStringLiteral("        Cost of materials consumed"), materialsNote, both(books, {}, materials));
    row(QStringLiteral("        Purchases of stock-in-trade"), {},
        both(books, {}, [](A a) { return a.sumOfMaterials(AccountsSchema::Purchases, false); }));
    row(QStringLiteral(
            "        Changes in inventories of finished goods, work-in-progress and stock-in-trade"),
        inventoriesNote, both(books, {}, inventories));
    row(QStringLiteral("        Employee benefits expense"), employeeNote,
        both(books, {}, [](A a) { return a.sum(EmployeeBenefits); }));
    row(QStringLiteral("        Finance costs"), financeNote,
        both(books, {}, [](A a) { return a.sum(FinanceCosts); }));
    row(QStringLiteral("        Depreciation and amortization expense"), {},
        both(books, {}, [](A a) { return a.sum(Depreciation); }));
    row(QStringLiteral("        Other expenses"), otherNote, both(books, {}, otherExpenses));
    row(QStringLiteral("        Total expenses (IV)"), {},
        both(books, {},
             [&](A a) {
                 return materials(a) + a.sumOfMaterials(AccountsSchema::Purchases, false) + inventories(a) +
                        a.indirectExpenses() + a.net(AccountsSchema::DirectExpenses);
             }),
        true);
    row(QStringLiteral("V. Profit before tax (III - IV)"), {},
        both(books, {}, [](A a) { return a.profitBeforeTax(); }), true);
    caption(QStringLiteral("VI. Tax expense"));
    row(QStringLiteral("        (1) Current tax"), {}, both(books, {}, [](A a) { return a.currentTax(); }));
    row(QStringLiteral("        (2) Deferred tax"), {}, both(books, {}, [](A a) { return a.deferredTax(); }));
    row(QStringLiteral("VII. Profit for the year (V - VI)"), {},
        both(books, {}, [](A a) { return a.profitAfterTax(); }), true);

    w.blank();
    w.line(PrintedWords::NotesHeading, ReportRow::Left, true);
    StatementText::writeNotes(w, books, notes, first);
}

} // namespace StatementLayouts
