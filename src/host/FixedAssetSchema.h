#pragma once

class Database;

// The host's two fixed-asset charts. The block-wise chart keeps, per client and year,
// the groups of assets (mast_fix_grp), their parts (MAST_FIX_PART, joined by REF_ID) and
// the parts' additions and deductions (fix_ad_ded, AD_DED_ID 1 for additions); the
// standard groups map to the clause 18 blocks through blockgroup. The asset-wise chart
// keeps an asset register per client (fa_asset) and each block's opening written-down
// value per year (fa_block_open).
namespace FixedAssetSchema
{

// The group that holds land: not depreciable, never imported.
constexpr int LandGroup = 9999999;

void ensureTables(Database &db);

} // namespace FixedAssetSchema
