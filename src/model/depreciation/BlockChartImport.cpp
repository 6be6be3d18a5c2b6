#include "ChartBlockRow.h"
#include "DepreciationCutOff.h"
#include "DepreciationImports.h"
#include "base/DateService.h"
#include "host/FixedAssetSchema.h"
#include "host/HostContext.h"
#include "model/amounts/Amounts.h"
#include "store/Database.h"

#include <QMap>
#include <algorithm>

namespace DepreciationImports
{

namespace
{

const QString blockNilWarning = QStringLiteral("You have selected Block Nil in Depreciation chart in some "
                                               "assets. If any block ceases to exist then please "
                                               "select appropriate checkmark of Block Nil In 3CD.");
const QString prepareAssetWiseChart = QStringLiteral("You may prepare New Assets wise Depreciation Chart.");
const QString assetWiseEntries = QStringLiteral(
    "You have done assets wise entry in Block wise chart so in case of Sale/Deduction you may get incorrect "
    "calculation of depreciation so you are suggested to do Block wise entry");

struct Part {
    bool additionalApplies;
    double additionalRate;
};

// Adds one chart group's additions and deductions to its block.
// Returns whether the group had deductions.
bool addMovements(Database &db, int refId, const QMap<int, Part> &parts, ChartBlock &block,
                  const QDate &cutOff)
{
    bool deductions = false;
    Recordset rs =
        db.Execute(QStringLiteral("SELECT PartSr, AD_DED_ID, TrDate, UseDate, Amt, ExCr, CurDiff, GrSub, "
                                  "Less180 FROM fix_ad_ded WHERE REF_ID=? order by ad_ded_id,srno"),
                   QVariantList{refId});
    for (; !rs.Eof(); rs.MoveNext()) {
        if (rs.Fields(1).toInt() == 1) {
            AdditionEntry e{DateService::ConvertDate(rs.Fields(2)),
                            DateService::ConvertDate(rs.Fields(3)),
                            Amounts::format2(rs.Fields(4).toDouble()),
                            Amounts::format2(rs.Fields(5).toDouble()),
                            Amounts::format2(rs.Fields(6).toDouble()),
                            Amounts::format2(rs.Fields(7).toDouble()),
                            QString()};
            e.total = Clause18Lists::totalOf(e);
            const Part part = parts.value(rs.Fields(0).toInt());
            if (part.additionalApplies)
                block.additionalDepreciation +=
                    ChartBlockRow::additionalDepreciation(e, part.additionalRate, cutOff);
            block.additions << e;
        } else {
            deductions = true;
            block.deductions << DeductionEntry{DateService::ConvertDate(rs.Fields(2)),
                                               Amounts::format2(rs.Fields(4).toDouble()),
                                               rs.Fields(8).toInt() == 1};
        }
    }
    return deductions;
}

} // namespace

Result fromBlockChart(bool withDepreciation, bool allowAdditional)
{
    HostContext &h = host();
    Database &db = h.DBObj();
    const QDate cutOff = DepreciationCutOff::importCutOff(h.FirstDate(), h.SecondDate());
    Result result;

    Recordset groups = db.Execute(
        QStringLiteral(
            "SELECT g.REF_ID, g.Compit_Rate, b.BlockId FROM mast_fix_grp g LEFT JOIN blockgroup b ON "
            "b.IGrpId=g.IGrpId WHERE g.Code_No=? AND g.FYr=? AND g.IGrpId<>? ORDER BY g.IGrpId, g.REF_ID"),
        {h.Temp_Code(), h.yearKey(), FixedAssetSchema::LandGroup});
    // A client without a block-wise chart for the year is pointed to the asset-wise one.
    if (groups.Eof()) {
        result.messages << prepareAssetWiseChart;
        return result;
    }

    QList<ChartBlock> blocks; // in chart order; groups of the same block share one
    bool anyBlockNil = false;
    bool assetWiseWithDeductions = false;
    for (; !groups.Eof(); groups.MoveNext()) {
        const DepreciationBlock *block = DepreciationBlocks::byId(groups.Fields(2).toInt());
        if (!block)
            continue;
        auto it = std::find_if(blocks.begin(), blocks.end(),
                               [block](const ChartBlock &b) { return b.block == block; });
        if (it == blocks.end()) {
            blocks << ChartBlock{block, groups.Fields(1).toDouble(), 0, {}, {}, 0};
            it = blocks.end() - 1;
        }
        const int refId = groups.Fields(0).toInt();
        QMap<int, Part> parts;
        Recordset rs =
            db.Execute(QStringLiteral("SELECT p.SrNo, p.OpWdv, p.BlockNil, p.AddDepApp, p.AddDepRt FROM "
                                      "MAST_FIX_PART p WHERE p.REF_ID=? ORDER BY p.SrNo"),
                       QVariantList{refId});
        for (; !rs.Eof(); rs.MoveNext()) {
            it->opening += rs.Fields(1).toDouble();
            anyBlockNil = anyBlockNil || rs.Fields(2).toInt() == 1;
            parts.insert(rs.Fields(0).toInt(), Part{rs.Fields(3).toInt() == 1, rs.Fields(4).toDouble()});
        }
        const bool deductions = addMovements(db, refId, parts, *it, cutOff);
        assetWiseWithDeductions = assetWiseWithDeductions || (deductions && parts.size() > 1);
    }

    const bool wholeRupees = ChartBlockRow::depreciationInWholeRupees();
    for (ChartBlock &b : blocks) {
        if (!allowAdditional)
            b.additionalDepreciation = 0;
        result.rows << ChartBlockRow::build(b, cutOff, withDepreciation, wholeRupees);
    }
    if (anyBlockNil)
        result.messages << blockNilWarning;
    if (assetWiseWithDeductions)
        result.messages << assetWiseEntries;
    return result;
}

} // namespace DepreciationImports
