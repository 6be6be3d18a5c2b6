#pragma once

#include <QList>
#include <QString>

// The host's asset-wise depreciation chart: an asset register per client. For the audit
// report it prepares its income-tax depreciation list, one block per asset class and
// rate of the year, with the block's opening written-down value and the additions and
// sales of the year asset by asset.
namespace AssetWiseChart
{

struct Addition {
    QString assetName;
    QString purchaseDate; // dd/mm/yyyy
    QString useDate;      // dd/mm/yyyy
    double cost = 0;
    double cenvat = 0;
    double exchange = 0;
    double subsidy = 0;
    double additionalRate = 0; // additional depreciation rate, 0 when none
};

struct Sale {
    QString assetName;
    QString saleDate;
    double amount = 0;
    // When the asset sold was itself bought in the year (empty otherwise): the date it
    // was put to use decides whether the sale is out of purchases put to use for less
    // than 180 days.
    QString useDateIfBoughtInYear;
};

struct Block {
    QString assetClass; // the class of the host's chart: "LAND", "BUILDING", ...
    double rate = 0;
    double opening = 0;
    QList<Addition> additions;
    QList<Sale> sales;
};

// The list for a client and the financial year firstDate..secondDate (dd/mm/yyyy),
// ordered by asset class and rate.
QList<Block> prepareItList(const QString &client, const QString &yearKey, const QString &firstDate,
                           const QString &secondDate);

} // namespace AssetWiseChart
