#pragma once

class TalvexBase;

// The demo clients' accounts, fixed-asset charts and income-tax computation for the two
// demo years, so that the turnover, depreciation and clause 21(c) imports and the printed
// balance sheet and profit and loss account have data (books that balance):
// C001 keeps an asset-wise chart and accounts for both years; C002, a partnership firm,
// keeps the block-wise chart and has partners' remuneration and interest; C004 keeps
// accounts for the current year only and last year's report carries its ratios.
namespace DemoAccounts
{

// Adds the data unless the first demo client already has accounts.
void create(TalvexBase &host);

} // namespace DemoAccounts
