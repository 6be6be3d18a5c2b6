#include "TestHost.h"

#include "store/Database.h"
#include "store/DbError.h"
#include "store/SqlDialect.h"

TEST(SqlDialect, RewritesMySqlForSQLite)
{
    const SqlDialect lite(SqlDialect::Engine::SQLite);
    EXPECT_EQ(lite.translate("select * from t order by convert(Col23,signed)"),
              "select * from t order by CAST(Col23 AS INTEGER)");
    EXPECT_EQ(lite.translate("select concat(a,'x,y',left(b, 2)) from t"),
              "select (a || 'x,y' || substr(b,1,2)) from t");
    EXPECT_EQ(lite.translate("CREATE TABLE IF NOT EXISTS tmp_import select * from anx_j3cd_2025 where FYr=?"),
              "CREATE TABLE IF NOT EXISTS tmp_import AS select * from anx_j3cd_2025 where FYr=?");
    EXPECT_EQ(lite.translate("Flush Tables"), "");
    EXPECT_EQ(lite.translate("START TRANSACTION"), "BEGIN");
    // Words inside quoted text are data, not calls.
    EXPECT_EQ(lite.translate("select 'left(x,1)' from t"), "select 'left(x,1)' from t");

    const SqlDialect my(SqlDialect::Engine::MySQL);
    EXPECT_EQ(my.translate("select concat(a,b) from t"), "select concat(a,b) from t");
}

class Dialect : public EngineTest
{
};

TEST_P(Dialect, TheMySqlFormsRunOnBothEngines)
{
    Database &db = env->host().DBObj();
    db.Execute("DROP TABLE IF EXISTS tmp_import");
    db.Execute("CREATE TABLE IF NOT EXISTS tmp_import select * from anx_j3cd_2026 where Code_No=?", {"C001"});
    Recordset rs = db.Execute("select count(*) from tmp_import");
    EXPECT_GT(rs.Fields(0).toInt(), 10);

    rs = db.Execute("select concat(PointNo,'-',left(Col1,3)), length(Col1) from tmp_import where PointNo=? ",
                    {"3CA3"});
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields(0), "3CA3-our");
    EXPECT_EQ(rs.Fields(1), "3");

    rs = db.Execute("select Col1 from tmp_import where PointNo='11a' order by convert(Col23,signed) desc");
    EXPECT_EQ(rs.Fields(0), "Stock Register");
    db.Execute("Flush Tables");
    db.Execute("DROP TABLE IF EXISTS tmp_import");
    EXPECT_FALSE(db.tableExists("tmp_import"));
}

TEST_P(Dialect, NestedTransactionsRollBackAsOne)
{
    Database &db = env->host().DBObj();
    const auto count = [&] { return db.Execute("select count(*) from master").Fields(0).toInt(); };
    const int before = count();
    {
        Transaction outer(db);
        db.Execute("DELETE FROM master");
        {
            Transaction inner(db);
            db.Execute("DELETE FROM owner1");
            // leaves without commit: the whole outer transaction must roll back
        }
        EXPECT_THROW(outer.commit(), DbError);
    }
    EXPECT_EQ(count(), before);
    EXPECT_EQ(db.transactionDepth(), 0);
}

TALVEX_BOTH_ENGINES(Dialect);
