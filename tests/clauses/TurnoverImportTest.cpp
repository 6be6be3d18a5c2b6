#include "TestHost.h"

#include "host/HostSchema.h"
#include "model/turnover/AccountFigures.h"
#include "model/turnover/TurnoverImport.h"
#include "store/Database.h"

class TurnoverFromAccounts : public EngineTest
{
};

TEST_P(TurnoverFromAccounts, GroupSumsComeFromTheYearsBalances)
{
    const auto sums = AccountFigures::GetFigs_Ratio("C001", "2026");
    EXPECT_DOUBLE_EQ(sums.sum(18, 1), 189650000);
    EXPECT_DOUBLE_EQ(sums.sum(18, 2), 1650000);
    EXPECT_DOUBLE_EQ(sums.sum(16, 1), 16900000);
    EXPECT_DOUBLE_EQ(sums.trade, 1630000);
    const auto none = AccountFigures::GetFigs_Ratio("C001", "2019"); // no balances table
    EXPECT_TRUE(none.byGroup.isEmpty());
}

TEST_P(TurnoverFromAccounts, BothYearsFromTheAccounts)
{
    env->openForm(FormKind::F3CA, "C001");
    Clause40::Fields f;
    TurnoverImport::ImportTO_Data(f);
    EXPECT_TRUE(env->prompt().shown().empty()); // the master says last year's accounts are here
    EXPECT_EQ(f["txt40a"], "188000000");
    EXPECT_EQ(f["txt40bGP"], "37580000");
    EXPECT_EQ(f["txt40bTO"], "188000000");
    EXPECT_EQ(f["txt40b"], "19.99");
    EXPECT_EQ(f["txt40cNP"], "12450000"); // before tax
    EXPECT_EQ(f["txt40c"], "6.62");
    EXPECT_EQ(f["txt40dSIT"], "16900000");
    EXPECT_EQ(f["txt40d"], "8.99");
    EXPECT_EQ(f["txt40ap"], "169600000");
    EXPECT_EQ(f["txt40bpGP"], "32980000");
    EXPECT_EQ(f["txt40bp"], "19.45");
    EXPECT_EQ(f["txt40cpNP"], "10850000");
    EXPECT_EQ(f["txt40cp"], "6.40");
    EXPECT_EQ(f["txt40dpSIT"], "14200000");
    EXPECT_EQ(f["txt40e"], ""); // not in the accounts
}

TEST_P(TurnoverFromAccounts, NetProfitAfterTaxWhenTheHostSaysSo)
{
    env->openForm(FormKind::F3CA, "C001");
    env->host().SaveSettingINI("Accounts", "ONETWO_AMOUNT", "2");
    Clause40::Fields f;
    TurnoverImport::ImportTO_Data(f);
    EXPECT_EQ(f["txt40cNP"], "9320000");
}

TEST_P(TurnoverFromAccounts, PrecedingYearFromLastYearsReport)
{
    env->openForm(FormKind::F3CA, "C004");
    env->prompt().queue(PromptAnswer::Yes);
    Clause40::Fields f;
    TurnoverImport::ImportTO_Data(f);
    EXPECT_EQ(env->prompt().lastText(), "Dou you want to import data from New Format?.");
    EXPECT_EQ(f["txt40a"], "24600000");
    EXPECT_EQ(f["txt40bGP"], "3732500");
    EXPECT_EQ(f["txt40cNP"], "820000");
    EXPECT_EQ(f["txt40ap"], "21450000");
    EXPECT_EQ(f["txt40bpGP"], "2145000");
    EXPECT_EQ(f["txt40bpTO"], "21450000");
    EXPECT_EQ(f["txt40bp"], "10.00");
    EXPECT_EQ(f["txt40cp"], "3.00");
    EXPECT_EQ(f["txt40dp"], "15.00");
    EXPECT_EQ(f["txt40epFGP"], "NA");
    EXPECT_EQ(f["txt40epMC"], "NA");
    EXPECT_EQ(f["txt40ep"], "NA");
}

TEST_P(TurnoverFromAccounts, TheOlderFormatTableMayHoldNothing)
{
    env->openForm(FormKind::F3CA, "C004");
    env->prompt().queue(PromptAnswer::No);
    Clause40::Fields f;
    TurnoverImport::ImportTO_Data(f);
    EXPECT_EQ(f["txt40a"], "24600000");
    EXPECT_EQ(f["txt40ap"], "");
    EXPECT_EQ(f["txt40bp"], "");
}

TEST_P(TurnoverFromAccounts, YearsUpTo2014ComeFromClause32OfTheOldTable)
{
    env->host().selectYear("2015");
    env->openForm(FormKind::F3CA, "C003", "2015");
    Database &db = env->host().DBObj();
    const QList<QStringList> old{{"32a", "12.50", "125000.40", "1000000"},
                                 {"32b", "5.00", "50000", "1000000"},
                                 {"32c", "10.00", "100000", "1000000"},
                                 {"32d", "60.00", "300000", "500000"}};
    for (const QStringList &r : old) {
        db.Execute("INSERT INTO annex_3cd (Code_No, FYr, FormName, PageNo, PointNo, Col1, Col2, Col3) "
                   "VALUES (?,?,?,?,?,?,?,?)",
                   {"C003", "2014", "3CD", 17, r[0], r[1], r[2], r[3]});
    }
    Clause40::Fields f;
    TurnoverImport::ImportTO_Data(f);
    EXPECT_TRUE(env->prompt().shown().empty());
    EXPECT_EQ(f["txt40ap"], "1000000");
    EXPECT_EQ(f["txt40bpGP"], "125000");
    EXPECT_EQ(f["txt40bp"], "12.50");
    EXPECT_EQ(f["txt40cp"], "5.00");
    EXPECT_EQ(f["txt40dpSIT"], "100000");
    EXPECT_EQ(f["txt40epMC"], "300000");
    EXPECT_EQ(f["txt40epFGP"], "500000");
    EXPECT_EQ(f["txt40ep"], "60.00");
    EXPECT_EQ(f["txt40a"], "0"); // no accounts this year
}

TALVEX_BOTH_ENGINES(TurnoverFromAccounts);
