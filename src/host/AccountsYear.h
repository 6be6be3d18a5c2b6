#pragma once

#include <QList>
#include <QString>

class Database;

// One client's closing balances of a year, head by head of the chart, and what the books
// make of them: the trading account's gross profit, the profit before and after tax, the
// surplus carried to the balance sheet and the two sides of the balance sheet. The
// statements, clause 40 and the host's profit-and-loss members all read them from here.
// Amounts are kept positive on their own side; a contra head (returns, discounts) is kept
// positive and taken off its group.
class AccountsYear
{
public:
    struct Head {
        int allid = 0;
        int gid = 0;
        int nid = 0;
        QString name;
        double amount = 0;
    };
    struct Entry {
        QString particulars;
        double amount = 0;
    };

    // A year without a balances table, or a client without balances, reads empty.
    static AccountsYear read(Database &db, const QString &client, const QString &yearKey);

    bool isEmpty() const { return m_heads.isEmpty() && m_trade.isEmpty(); }
    QString yearKey() const { return m_yearKey; }
    // The heads of a group with a balance, in the order of the chart.
    QList<Head> headsOf(int gid) const;
    // Other trading income kept outside the chart (job work, duty drawback).
    const QList<Entry> &tradeEntries() const { return m_trade; }

    // Sales, purchases and direct expenses keep returns and discounts as contra heads (nid
    // 2); in the other groups nid 2 is a head of its own (raw materials, deferred tax).
    static bool hasContraHeads(int gid);

    double sum(int gid) const;
    double sum(int gid, int nid) const;
    // Main heads less contra heads (sales, purchases, direct expenses).
    double net(int gid) const;
    // The heads of the cost of materials consumed (raw materials and work in progress), or the others.
    double sumOfMaterials(int gid, bool material) const;

    double turnover() const;
    double tradeIncome() const;
    double openingStock() const;
    double closingStock() const;
    double grossProfit() const;
    double indirectExpenses() const;
    double profitBeforeTax() const;
    double currentTax() const;
    double deferredTax() const;
    double profitAfterTax() const;
    double broughtForward() const;
    double appropriations() const;
    // The surplus of the profit and loss account carried to the balance sheet.
    double surplusCarried() const;
    // The two sides of the balance sheet; equal when the books balance.
    double totalOfLiabilities() const;
    double totalOfAssets() const;

private:
    QString m_yearKey;
    QList<Head> m_heads;
    QList<Entry> m_trade;
};
