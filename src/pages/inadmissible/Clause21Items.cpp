#include "Clause21Items.h"

namespace Clause21
{

namespace
{

Item makeItem(const QString &point, const QString &caption, Kind kind, int tab,
              const QStringList &columns = {}, const QString &optionalColumns = {})
{
    Item i;
    i.point = point;
    i.caption = caption;
    i.kind = kind;
    i.tab = tab;
    i.columns = columns;
    i.optionalColumns = optionalColumns;
    return i;
}

// Payee columns of 21(b); the column numbers of the e-filing file follow this order.
QStringList payeeColumns(bool withNature, const QStringList &amounts)
{
    QStringList columns{QStringLiteral("Date of payment"), QStringLiteral("Amount of payment")};
    if (withNature)
        columns << QStringLiteral("Nature of payment");
    columns << QStringLiteral("Name of the payee") << QStringLiteral("PAN of the payee")
            << QStringLiteral("Aadhaar of the payee") << QStringLiteral("Country")
            << QStringLiteral("Address line 1") << QStringLiteral("Address line 2")
            << QStringLiteral("PIN code") << QStringLiteral("Locality or area")
            << QStringLiteral("Post office") << QStringLiteral("City or town or district")
            << QStringLiteral("State") << amounts;
    return columns;
}

Item payeeGrid(const QString &point, const QString &caption, int tab, const QStringList &amounts)
{
    Item i =
        makeItem(point, caption, Kind::Grid, tab, payeeColumns(true, amounts), QStringLiteral("4,5,8,10,11"));
    i.dateColumn = 0;
    i.panColumn = 4;
    i.aadhaarColumn = 5;
    i.amountColumns = {1};
    for (int c = 0; c < amounts.size(); ++c)
        i.amountColumns << 14 + c;
    return i;
}

Item amount(const QString &point, const QString &caption, int tab)
{
    return makeItem(point, caption, Kind::Amount, tab);
}

Item particularsGrid(const QString &point, const QString &caption, int tab, const QString &first)
{
    Item i = makeItem(point, caption, Kind::Grid, tab, {first, QStringLiteral("Amount")});
    i.amountColumns = {1};
    return i;
}

} // namespace

const QStringList &tabs()
{
    static const QStringList list{
        QStringLiteral("21(a)"),          QStringLiteral("21(b)(i)"),         QStringLiteral("21(b)(ii)"),
        QStringLiteral("21(b)(iii)-(v)"), QStringLiteral("21(b)(vi)-(viii)"), QStringLiteral("21(c)"),
        QStringLiteral("21(d)"),          QStringLiteral("21(e)-(i)")};
    return list;
}

const QList<Item> &items()
{
    static const QList<Item> list = [] {
        const QString particulars = QStringLiteral("Particulars");
        const QStringList deducted{QStringLiteral("Amount of tax deducted")};
        const QStringList deposited{QStringLiteral("Amount of tax deducted"),
                                    QStringLiteral("Amount deposited out of amount of tax deducted")};
        const QStringList levy{QStringLiteral("Amount of levy deducted"),
                               QStringLiteral("Amount deposited out of amount of levy deducted")};
        QList<Item> l{
            particularsGrid(QStringLiteral("21a1"), QStringLiteral("Capital expenditure"), 0, particulars),
            particularsGrid(QStringLiteral("21a2"), QStringLiteral("Personal expenditure"), 0, particulars),
            particularsGrid(
                QStringLiteral("21a3"),
                QStringLiteral("Advertisement expenditure in any souvenir, brochure, tract, pamphlet or "
                               "the like published by a political party"),
                0, particulars),
            particularsGrid(
                QStringLiteral("21a4"),
                QStringLiteral("Expenditure incurred at clubs being entrance fees and subscriptions"), 0,
                particulars),
            particularsGrid(QStringLiteral("21a5"),
                            QStringLiteral("Expenditure incurred at clubs being cost for club services and "
                                           "facilities used"),
                            0, particulars),
            particularsGrid(
                QStringLiteral("21a6"),
                QStringLiteral("Expenditure by way of penalty or fine for violation of any law for the "
                               "time being in force"),
                0, particulars),
            particularsGrid(
                QStringLiteral("21a7"),
                QStringLiteral("Expenditure by way of any other penalty or fine not covered above"), 0,
                particulars),
            particularsGrid(
                QStringLiteral("21a9"),
                QStringLiteral("Expenditure incurred to compound an offence under any law for the time "
                               "being in force"),
                0, particulars),
            particularsGrid(
                QStringLiteral("21a8"),
                QStringLiteral("Expenditure incurred for any purpose which is an offence or which is "
                               "prohibited by law"),
                0, particulars),
            payeeGrid(QStringLiteral("21bia"),
                      QStringLiteral(
                          "(i) Payment to non-resident referred in sub-clause (i): (A) Details of payment "
                          "on which tax is not deducted"),
                      1, {}),
            payeeGrid(
                QStringLiteral("21bib"),
                QStringLiteral("(B) Details of payment on which tax has been deducted but has not been paid "
                               "during the previous year or in the subsequent year before the expiry of time "
                               "prescribed under section 200(1)"),
                1, deducted),
            payeeGrid(
                QStringLiteral("21biia"),
                QStringLiteral("(ii) Payment referred to in sub-clause (ia): (A) Details of payment on which "
                               "tax is not deducted"),
                2, {}),
            payeeGrid(QStringLiteral("21biib"),
                      QStringLiteral(
                          "(B) Details of payment on which tax has been deducted but has not been paid on "
                          "or before the due date specified in sub-section (1) of section 139"),
                      2, deposited),
            payeeGrid(QStringLiteral("21biiia"),
                      QStringLiteral(
                          "(iii) Payment referred to in sub-clause (ib): (A) Details of payment on which "
                          "levy is not deducted"),
                      3, {}),
            payeeGrid(QStringLiteral("21biiib"),
                      QStringLiteral(
                          "(B) Details of payment on which levy has been deducted but has not been paid on "
                          "or before the due date specified in sub-section (1) of section 139"),
                      3, levy),
            amount(QStringLiteral("21biii"), QStringLiteral("(iv) Fringe benefit tax under sub-clause (ic)"),
                   3),
            amount(QStringLiteral("21biv"), QStringLiteral("(v) Wealth tax under sub-clause (iia)"), 3),
            amount(QStringLiteral("21bv"),
                   QStringLiteral("(vi) Royalty, licence fee, service fee etc. under sub-clause (iib)"), 3),
        };
        Item salary = makeItem(
            QStringLiteral("21bvi"),
            QStringLiteral("(vii) Salary payable outside India or to a non-resident without tax having been "
                           "deducted under sub-clause (iii)"),
            Kind::Grid, 4, payeeColumns(false, {}), QStringLiteral("3,4,7,9,10"));
        salary.dateColumn = 0;
        salary.panColumn = 3;
        salary.aadhaarColumn = 4;
        salary.amountColumns = {1};
        l << salary
          << amount(
                 QStringLiteral("21bvii"),
                 QStringLiteral("(viii) Payment to provident fund or other fund etc. under sub-clause (iv)"),
                 4)
          << amount(QStringLiteral("21bviii"),
                    QStringLiteral("(ix) Tax paid by the employer for perquisites under sub-clause (v)"), 4);

        Item remuneration = makeItem(
            QStringLiteral("21c"),
            QStringLiteral("Amounts debited to profit and loss account being interest, salary, bonus, "
                           "commission or remuneration inadmissible under section 40(b)/40(ba) and "
                           "computation thereof"),
            Kind::Grid, 5,
            {particulars, QStringLiteral("Section"), QStringLiteral("Amount debited to P/L A/C"),
             QStringLiteral("Amount admissible"), QStringLiteral("Amount inadmissible"),
             QStringLiteral("Remarks")});
        remuneration.amountColumns = {2, 3, 4};
        l << remuneration;

        const QStringList cashColumns{
            QStringLiteral("Date of payment"),  QStringLiteral("Nature of payment"),
            QStringLiteral("Amount"),           QStringLiteral("Name of the payee"),
            QStringLiteral("PAN of the payee"), QStringLiteral("Aadhaar of the payee")};
        for (const auto &[point, caption] :
             {std::pair{
                  QStringLiteral("21da"),
                  QStringLiteral("(A) Expenditure referred to in section 40A(3) not made by account payee "
                                 "cheque drawn on a bank or account payee bank draft or use of electronic "
                                 "clearing system through a bank account or through such other electronic "
                                 "mode as may be prescribed")},
              std::pair{QStringLiteral("21db"),
                        QStringLiteral(
                            "(B) Payment referred to in section 40A(3A) not made by account payee cheque "
                            "drawn on a bank or account payee bank draft or use of electronic clearing "
                            "system through a bank account or through such other electronic mode as may "
                            "be prescribed")}}) {
            Item cash = makeItem(point, caption, Kind::Grid, 6, cashColumns);
            cash.yesNo = true;
            cash.panColumn = 4;
            cash.aadhaarColumn = 5;
            cash.amountColumns = {2};
            l << cash;
        }

        l << amount(QStringLiteral("21e"),
                    QStringLiteral("(e) Provision for payment of gratuity not allowable under "
                                   "section 40A(7)"),
                    7)
          << amount(QStringLiteral("21f"),
                    QStringLiteral("(f) Any sum paid by the assessee as an employer not "
                                   "allowable under section 40A(9)"),
                    7)
          << particularsGrid(QStringLiteral("21g"),
                             QStringLiteral("(g) Particulars of any liability of a contingent "
                                            "nature"),
                             7, QStringLiteral("Nature of liability"))
          << particularsGrid(
                 QStringLiteral("21h"),
                 QStringLiteral("(h) Amount of deduction inadmissible in terms of section 14A in respect "
                                "of the expenditure incurred in relation to income which does not form "
                                "part of the total income"),
                 7, particulars)
          << amount(QStringLiteral("21i"),
                    QStringLiteral("(i) Amount inadmissible under the proviso to section "
                                   "36(1)(iii)"),
                    7);
        return l;
    }();
    return list;
}

const Item *item(const QString &point)
{
    for (const Item &i : items()) {
        if (i.point == point)
            return &i;
    }
    return nullptr;
}

} // namespace Clause21
