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

QString capitalCaption(const Books &books)
{
    return books.company ? QStringLiteral("Share capital") : QStringLiteral("Owners' capital account");
}

Figure groupFigure(const Books &books, const QString &label, int gid)
{
    return {label, books.current.sum(gid), books.previous.sum(gid)};
}

Figure reservesFigure(const Books &books)
{
    return {QStringLiteral("Reserves and surplus"),
            books.current.sum(Reserves) + books.current.surplusCarried(),
            books.previous.sum(Reserves) + books.previous.surplusCarried()};
}

Figure surplusFigure(const Books &books, const QString &label)
{
    return {label, books.current.surplusCarried(), books.previous.surplusCarried()};
}

Figure stockFigure(const Books &books)
{
    return {QStringLiteral("Inventories"), books.current.closingStock(), books.previous.closingStock()};
}

Figure plus(const QString &label, const QList<Figure> &parts)
{
    Figure sum{label};
    for (const Figure &f : parts) {
        sum.current += f.current;
        sum.previous += f.previous;
    }
    return sum;
}

Figure minus(const QString &label, const Figure &a, const Figure &b)
{
    return {label, a.current - b.current, a.previous - b.previous};
}

// A face line of the Schedule III balance sheet and the group its note lists.
struct FaceLine {
    QString label;
    int gid;
};

} // namespace

void balanceSheetHorizontal(ReportWriter &w, const Books &books)
{
    StatementText::heading(
        w, books, QStringLiteral("Balance Sheet as at ") + PrintedWords::yearEnd(books.current.yearKey()));
    const auto heads = [&](int gid) {
        return StatementText::headFigures(
            Books{books.client, books.clientName, books.company, books.current, {}}, gid);
    };
    StatementText::Side left;
    left.group(books.company ? QStringLiteral("Share Capital") : QStringLiteral("Capital Account"),
               heads(Capital));
    QList<Figure> reserves = heads(Reserves);
    reserves << Figure{PrintedWords::ProfitAndLossAccount, books.current.surplusCarried()};
    left.group(QStringLiteral("Reserves and Surplus"), reserves);
    left.group(QStringLiteral("Loans"), heads(LongTermBorrowings) + heads(ShortTermBorrowings));
    left.group(QStringLiteral("Deferred Tax Liability"), heads(DeferredTaxLiability));
    left.group(QStringLiteral("Current Liabilities and Provisions"),
               heads(TradePayables) + heads(OtherCurrentLiabilities) + heads(ShortTermProvisions));
    StatementText::Side right;
    right.group(QStringLiteral("Fixed Assets"), heads(FixedAssets));
    right.group(QStringLiteral("Investments"), heads(Investments));
    right.group(QStringLiteral("Current Assets, Loans and Advances"),
                heads(AccountsSchema::ClosingStock) + heads(TradeReceivables) + heads(CashAndBank) +
                    heads(LoansAndAdvances));
    const QString rs = PrintedWords::AmountHeading;
    StatementText::writeTwoSided(w, {QStringLiteral("Liabilities"), rs, rs, QStringLiteral("Assets"), rs, rs},
                                 left, right);
}

void balanceSheetVertical(ReportWriter &w, const Books &books)
{
    StatementText::heading(
        w, books, QStringLiteral("Balance Sheet as at ") + PrintedWords::yearEnd(books.current.yearKey()));
    w.columns(QStringLiteral("60,20,20"), {ReportRow::Left, ReportRow::Right, ReportRow::Right});
    w.heading(StatementText::yearsHeading(books, false, QStringLiteral("As at ")));
    const auto caption = [&](const QString &text) {
        w.boxed({ControlCodes::bold(text), QString(), QString()});
    };

    caption(QStringLiteral("I. SOURCES OF FUNDS"));
    caption(books.company ? QStringLiteral("Shareholders' Funds") : QStringLiteral("Owners' Funds"));
    const Figure capital = groupFigure(books, QStringLiteral("    Capital"), Capital);
    const Figure reserves = reservesFigure(books);
    StatementText::twoYearRow(w, capital);
    StatementText::twoYearRow(w,
                              {QStringLiteral("    ") + reserves.label, reserves.current, reserves.previous});
    caption(QStringLiteral("Loan Funds"));
    const Figure secured = groupFigure(books, QStringLiteral("    Long-term borrowings"), LongTermBorrowings);
    const Figure working =
        groupFigure(books, QStringLiteral("    Short-term borrowings"), ShortTermBorrowings);
    StatementText::twoYearRow(w, secured);
    StatementText::twoYearRow(w, working);
    const Figure deferred =
        groupFigure(books, QStringLiteral("Deferred Tax Liability (Net)"), DeferredTaxLiability);
    StatementText::twoYearRow(w, deferred);
    StatementText::twoYearRow(
        w, plus(QStringLiteral("TOTAL"), {capital, reserves, secured, working, deferred}), true);

    caption(QStringLiteral("II. APPLICATION OF FUNDS"));
    const Figure fixed = groupFigure(books, QStringLiteral("Fixed Assets (net block)"), FixedAssets);
    const Figure investments = groupFigure(books, QStringLiteral("Investments"), Investments);
    StatementText::twoYearRow(w, fixed);
    StatementText::twoYearRow(w, investments);
    caption(QStringLiteral("Current Assets, Loans and Advances"));
    const QList<Figure> current{
        {QStringLiteral("    Inventories"), books.current.closingStock(), books.previous.closingStock()},
        groupFigure(books, QStringLiteral("    Sundry debtors"), TradeReceivables),
        groupFigure(books, QStringLiteral("    Cash and bank balances"), CashAndBank),
        groupFigure(books, QStringLiteral("    Loans and advances"), LoansAndAdvances)};
    for (const Figure &f : current)
        StatementText::twoYearRow(w, f);
    const Figure currentAssets = plus(QStringLiteral("(A)"), current);
    StatementText::twoYearRow(w, currentAssets, true);
    caption(QStringLiteral("Less: Current Liabilities and Provisions"));
    const Figure liabilities =
        plus(QStringLiteral("    Current liabilities"),
             {groupFigure(books, {}, TradePayables), groupFigure(books, {}, OtherCurrentLiabilities)});
    const Figure provisions = groupFigure(books, QStringLiteral("    Provisions"), ShortTermProvisions);
    StatementText::twoYearRow(w, liabilities);
    StatementText::twoYearRow(w, provisions);
    const Figure currentLiabilities = plus(QStringLiteral("(B)"), {liabilities, provisions});
    StatementText::twoYearRow(w, currentLiabilities, true);
    const Figure net = minus(QStringLiteral("Net Current Assets (A - B)"), currentAssets, currentLiabilities);
    StatementText::twoYearRow(w, net);
    StatementText::twoYearRow(w, plus(QStringLiteral("TOTAL"), {fixed, investments, net}), true);
}

QList<Note> balanceSheetNotes(const Books &books)
{
    QList<Note> notes;
    const auto add = [&](const QString &caption, const QList<Figure> &lines) {
        if (!lines.isEmpty())
            notes << Note{caption, lines};
    };
    add(capitalCaption(books), StatementText::headFigures(books, Capital));
    // The surplus with its movement over the year: brought forward, the year's profit and
    // what was appropriated out of it.
    QList<Figure> reserves = StatementText::headFigures(books, Reserves);
    reserves << Figure{QStringLiteral("Surplus in the Statement of Profit and Loss:"), 0, 0, false}
             << Figure{QStringLiteral("    Balance brought forward"), books.current.broughtForward(),
                       books.previous.broughtForward(), false}
             << Figure{QStringLiteral("    Add: Profit for the year"), books.current.profitAfterTax(),
                       books.previous.profitAfterTax(), false};
    for (const Figure &f : StatementText::headFigures(books, Appropriations))
        reserves << Figure{QStringLiteral("    Less: ") + f.label, -f.current, -f.previous, false};
    reserves << surplusFigure(books, QStringLiteral("    Balance carried forward"));
    add(QStringLiteral("Reserves and surplus"), reserves);
    add(QStringLiteral("Long-term borrowings"), StatementText::headFigures(books, LongTermBorrowings));
    add(QStringLiteral("Short-term borrowings"), StatementText::headFigures(books, ShortTermBorrowings));
    add(QStringLiteral("Trade payables"), StatementText::headFigures(books, TradePayables));
    add(QStringLiteral("Other current liabilities"),
        StatementText::headFigures(books, OtherCurrentLiabilities));
    add(QStringLiteral("Short-term provisions"), StatementText::headFigures(books, ShortTermProvisions));
    add(QStringLiteral("Property, plant and equipment and intangible assets"),
        StatementText::headFigures(books, FixedAssets));
    add(QStringLiteral("Non-current investments"), StatementText::headFigures(books, Investments));
    add(QStringLiteral("Inventories"), StatementText::headFigures(books, AccountsSchema::ClosingStock));
    add(QStringLiteral("Trade receivables"), StatementText::headFigures(books, TradeReceivables));
    add(QStringLiteral("Cash and cash equivalents"), StatementText::headFigures(books, CashAndBank));
    add(QStringLiteral("Short-term loans and advances"), StatementText::headFigures(books, LoansAndAdvances));
    return notes;
}

void balanceSheetSchVi(ReportWriter &w, const Books &books)
{
    StatementText::heading(
        w, books, QStringLiteral("Balance Sheet as at ") + PrintedWords::yearEnd(books.current.yearKey()));
    const QList<Note> notes = balanceSheetNotes(books);
    const auto noteOf = [&](const QString &caption) {
        for (qsizetype i = 0; i < notes.size(); ++i) {
            if (notes.at(i).caption == caption)
                return QString::number(i + 1);
        }
        return QString();
    };
    w.columns(QStringLiteral("50,10,20,20"),
              {ReportRow::Left, ReportRow::Centre, ReportRow::Right, ReportRow::Right});
    w.heading(StatementText::yearsHeading(books, true, QStringLiteral("As at ")));
    const auto caption = [&](const QString &text) { w.boxed({ControlCodes::bold(text), {}, {}, {}}); };
    const auto line = [&](const QString &label, const QString &note, const Figure &f) {
        if (f.current != 0 || f.previous != 0)
            w.boxed(
                {QStringLiteral("        ") + label, noteOf(note), amount(f.current), amount(f.previous)});
    };
    const auto total = [&](const Figure &f) {
        w.boxed({ControlCodes::bold(QStringLiteral("TOTAL")),
                 {},
                 ControlCodes::bold(amount(f.current)),
                 ControlCodes::bold(amount(f.previous))},
                QStringLiteral("0011"));
    };
    const auto faceGroup = [&](const QString &title, const QList<FaceLine> &lines, QList<Figure> &sum) {
        caption(title);
        char letter = 'a';
        for (const FaceLine &l : lines) {
            const Figure f = l.gid == Reserves                       ? reservesFigure(books)
                             : l.gid == AccountsSchema::ClosingStock ? stockFigure(books)
                                                                     : groupFigure(books, l.label, l.gid);
            line(QStringLiteral("(%1) ").arg(QLatin1Char(letter)) + l.label, l.label, f);
            if (f.current != 0 || f.previous != 0)
                ++letter;
            sum << f;
        }
    };

    QList<Figure> equity;
    caption(QStringLiteral("I. EQUITY AND LIABILITIES"));
    faceGroup(books.company ? QStringLiteral("(1) Shareholders' funds") : QStringLiteral("(1) Owners' funds"),
              {{capitalCaption(books), Capital}, {QStringLiteral("Reserves and surplus"), Reserves}}, equity);
    faceGroup(QStringLiteral("(2) Non-current liabilities"),
              {{QStringLiteral("Long-term borrowings"), LongTermBorrowings},
               {QStringLiteral("Deferred tax liabilities (Net)"), DeferredTaxLiability}},
              equity);
    faceGroup(QStringLiteral("(3) Current liabilities"),
              {{QStringLiteral("Short-term borrowings"), ShortTermBorrowings},
               {QStringLiteral("Trade payables"), TradePayables},
               {QStringLiteral("Other current liabilities"), OtherCurrentLiabilities},
               {QStringLiteral("Short-term provisions"), ShortTermProvisions}},
              equity);
    total(plus({}, equity));

    QList<Figure> assets;
    caption(QStringLiteral("II. ASSETS"));
    faceGroup(QStringLiteral("(1) Non-current assets"),
              {{QStringLiteral("Property, plant and equipment and intangible assets"), FixedAssets},
               {QStringLiteral("Non-current investments"), Investments}},
              assets);
    faceGroup(QStringLiteral("(2) Current assets"),
              {{QStringLiteral("Inventories"), AccountsSchema::ClosingStock},
               {QStringLiteral("Trade receivables"), TradeReceivables},
               {QStringLiteral("Cash and cash equivalents"), CashAndBank},
               {QStringLiteral("Short-term loans and advances"), LoansAndAdvances}},
              assets);
    total(plus({}, assets));

    w.blank();
    w.line(PrintedWords::NotesHeading, ReportRow::Left, true);
    StatementText::writeNotes(w, books, notes, 1);
}

} // namespace StatementLayouts
