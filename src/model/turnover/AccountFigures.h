#pragma once

#include <QMap>
#include <QString>

// The host's accounts figures behind clause 40.
namespace AccountFigures
{

// Sums of the year's balances by account group (gid) and nature (nid), and the sum of
// the trading-account entries.
struct GroupSums {
    QMap<int, QMap<int, double>> byGroup;
    double trade = 0;

    double sum(int gid, int nid) const { return byGroup.value(gid).value(nid); }
    double net(int gid) const; // main heads less contra heads
};

// Reads the groups 18, 19, 20, 15 and 16 of the client's balances table of the year;
// a year without a balances table gives zeros.
GroupSums GetFigs_Ratio(const QString &client, const QString &yearKey);

struct RatioFigures {
    double turnover = 0;
    double grossProfit = 0;
    double netProfit = 0;
    double stockInTrade = 0;
};

// Turnover (net sales), gross profit of the trading account, net profit (before tax
// unless the host setting "ONETWO_AMOUNT" reads "2") and closing stock-in-trade.
RatioFigures figures(const QString &client, const QString &yearKey);

} // namespace AccountFigures
