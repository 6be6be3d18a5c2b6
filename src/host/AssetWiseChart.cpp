#include "AssetWiseChart.h"

#include "HostContext.h"
#include "base/DateService.h"
#include "store/Database.h"

#include <QDate>
#include <map>

namespace AssetWiseChart
{

namespace
{

using Key = std::pair<QString, double>; // asset class, rate

bool within(const QDate &d, const QDate &from, const QDate &to)
{
    return d.isValid() && d >= from && d <= to;
}

Block &blockOf(std::map<Key, Block> &blocks, const QString &assetClass, double rate)
{
    Block &b = blocks[{assetClass, rate}];
    b.assetClass = assetClass;
    b.rate = rate;
    return b;
}

} // namespace

QList<Block> prepareItList(const QString &client, const QString &yearKey, const QString &firstDate,
                           const QString &secondDate)
{
    Database &db = host().DBObj();
    const QDate from = DateService::parse(firstDate);
    const QDate to = DateService::parse(secondDate);
    std::map<Key, Block> blocks;

    Recordset open = db.Execute(
        QStringLiteral("SELECT AssetClass, ItRate, OpWdv FROM fa_block_open WHERE Code_No=? AND FYr=?"),
        {client, yearKey});
    for (; !open.Eof(); open.MoveNext())
        blockOf(blocks, open.Fields(0), open.Fields(1).toDouble()).opening += open.Fields(2).toDouble();

    Recordset rs =
        db.Execute(QStringLiteral("SELECT AssetName, AssetClass, ItRate, PurDate, UseDate, Cost, ExCr, "
                                  "CurDiff, GrSub, AddDepRt, SaleDate, SaleAmt FROM fa_asset "
                                  "WHERE Code_No=? ORDER BY AssetId"),
                   {client});
    for (; !rs.Eof(); rs.MoveNext()) {
        const QDate bought = DateService::parse(rs.Fields(3));
        const QDate sold = DateService::parse(rs.Fields(10));
        const bool boughtInYear = within(bought, from, to);
        const bool soldInYear = within(sold, from, to);
        if (!boughtInYear && !soldInYear)
            continue;
        Block &b = blockOf(blocks, rs.Fields(1), rs.Fields(2).toDouble());
        if (boughtInYear) {
            b.additions << Addition{rs.Fields(0),
                                    DateService::ConvertDate(rs.Fields(3)),
                                    DateService::ConvertDate(rs.Fields(4)),
                                    rs.Fields(5).toDouble(),
                                    rs.Fields(6).toDouble(),
                                    rs.Fields(7).toDouble(),
                                    rs.Fields(8).toDouble(),
                                    rs.Fields(9).toDouble()};
        }
        if (soldInYear) {
            b.sales << Sale{rs.Fields(0), DateService::ConvertDate(rs.Fields(10)), rs.Fields(11).toDouble(),
                            boughtInYear ? DateService::ConvertDate(rs.Fields(4)) : QString()};
        }
    }

    QList<Block> list;
    for (auto &[key, block] : blocks)
        list << block;
    return list;
}

} // namespace AssetWiseChart
