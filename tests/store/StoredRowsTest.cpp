#include "TestHost.h"

#include "host/HostContext.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/InListChunks.h"
#include "store/ReportKey.h"

using ClauseStore::ClauseRow;

namespace
{

// Row r of a grid whose rows fill 1 to 22 columns (a server gets them in statements of
// several rows, so their widths differ within a statement).
ClauseRow gridRow(int r)
{
    QStringList cols;
    const int width = 1 + r % 22;
    for (int c = 1; c <= width; ++c)
        cols << QStringLiteral("r%1c%2 'ऋण'").arg(r).arg(c);
    cols.resize(22);
    cols << QString::number(r + 1);
    return {9, QString(), QStringLiteral("21bia"), cols};
}

} // namespace

class StoredRows : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (env)
            env->openForm(FormKind::F3CA);
    }
    void write(const QList<ClauseRow> &rows)
    {
        Transaction tx(env->host().DBObj());
        ClauseStore::deletePage(9);
        ClauseStore::insertStoredRows(ReportKey::current(), rows);
        tx.commit();
    }
};

TEST_P(StoredRows, RowsOfEveryWidthComeBackWholeAndInOrder)
{
    QList<ClauseRow> rows;
    for (int r = 0; r < 75; ++r)
        rows << gridRow(r);
    // A single answer without a sequence between the grid rows, and a row with nothing
    // but its number, which is not written.
    rows.insert(40, ClauseRow{9, QString(), QStringLiteral("Opt21b"), {QStringLiteral("Yes")}});
    ClauseRow empty = gridRow(75);
    for (int c = 0; c < 22; ++c)
        empty.cols[c].clear();
    rows << empty;
    write(rows);

    const auto loaded = ClauseStore::readPoint(9, QStringLiteral("21bia"));
    ASSERT_EQ(loaded.size(), 75);
    for (int r = 0; r < 75; ++r) {
        EXPECT_EQ(loaded.at(r).cols, gridRow(r).cols) << r;
        EXPECT_EQ(loaded.at(r).formName, "3CD");
    }
    EXPECT_EQ(ClauseStore::readPoint(9, QStringLiteral("Opt21b"), false).value(0).col(1), "Yes");
    EXPECT_EQ(ClauseStore::readPoint(9, QStringLiteral("Opt21b"), false).value(0).col(23), "");
}

// Rows of several points in runs of every length, so that a place in a statement holds a
// row of another point than the row before it there: each row keeps its own point.
TEST_P(StoredRows, RowsOfInterleavedPointsKeepTheirPoints)
{
    const QStringList points{QStringLiteral("21bia"), QStringLiteral("21bib"), QStringLiteral("21bic")};
    QList<ClauseRow> rows;
    QHash<QString, QList<QStringList>> expected;
    for (int r = 0; r < 70; ++r) {
        ClauseRow row = gridRow(r);
        row.point = points.at(r % 7 < 3 ? 0 : (r % 5 == 0 ? 1 : 2));
        if (r % 4 == 0)
            row.formName = QStringLiteral("3CD");
        row.cols[22] = QString::number(expected[row.point].size() + 1);
        expected[row.point] << row.cols;
        rows << row;
    }
    write(rows);
    for (const QString &point : points) {
        const auto loaded = ClauseStore::readPoint(9, point);
        ASSERT_EQ(loaded.size(), expected.value(point).size()) << point.toStdString();
        for (int r = 0; r < loaded.size(); ++r) {
            EXPECT_EQ(loaded.at(r).cols, expected.value(point).at(r)) << point.toStdString() << r;
            EXPECT_EQ(loaded.at(r).formName, "3CD");
        }
    }
}

// Values larger than a quarter of the server's packet go one row a statement; nothing is
// lost or cut on either engine.
TEST_P(StoredRows, LargeValuesGoInStatementsThatFit)
{
    const QString large(3 * 1024 * 1024 + 7, QChar(u'₹'));
    QList<ClauseRow> rows;
    for (int r = 0; r < 3; ++r) {
        ClauseRow row = gridRow(r);
        row.cols[0] = large + QString::number(r);
        rows << row;
    }
    write(rows);
    const auto loaded = ClauseStore::readPoint(9, QStringLiteral("21bia"));
    ASSERT_EQ(loaded.size(), 3);
    for (int r = 0; r < 3; ++r)
        EXPECT_TRUE(loaded.at(r).col(1) == large + QString::number(r)) << r;
}

// The list of tables is kept between questions, yet a table made on this connection or by
// another workstation is seen at once, and one dropped here is gone.
TEST_P(StoredRows, TheKnownTablesFollowWhatIsMadeAndDropped)
{
    Database &db = env->host().DBObj();
    EXPECT_TRUE(db.tableExists(QStringLiteral("main_info1")));
    EXPECT_FALSE(db.tableExists(QStringLiteral("bench_extra")));
    db.Execute(QStringLiteral("CREATE TABLE bench_extra (Code_No VARCHAR(20))"));
    EXPECT_TRUE(db.tableExists(QStringLiteral("BENCH_EXTRA")));
    EXPECT_TRUE(db.tableNames().contains(QStringLiteral("bench_extra")));

    auto other = Database::open(db.url());
    other->Execute(QStringLiteral("CREATE TABLE other_station (Code_No VARCHAR(20))"));
    EXPECT_TRUE(db.tableExists(QStringLiteral("other_station")));

    db.Execute(QStringLiteral("DROP TABLE bench_extra"));
    EXPECT_FALSE(db.tableExists(QStringLiteral("bench_extra")));
    EXPECT_FALSE(db.tableNames().contains(QStringLiteral("bench_extra")));
}

// A statement kept prepared on this connection still reads the table as it is after another
// workstation altered it: the engine prepares it again with the new columns.
TEST_P(StoredRows, AKeptStatementSeesATableAnotherStationAltered)
{
    Database &db = env->host().DBObj();
    db.Execute(QStringLiteral("CREATE TABLE altered (Code_No VARCHAR(20))"));
    db.Execute(QStringLiteral("INSERT INTO altered (Code_No) VALUES (?)"), {QStringLiteral("C1")});
    const QString select = QStringLiteral("SELECT * FROM altered WHERE Code_No=?");
    const QString named = QStringLiteral("SELECT Code_No FROM altered WHERE Code_No=?");
    const QString counted = QStringLiteral("SELECT COUNT( * ) FROM altered WHERE Code_No<>?");
    EXPECT_EQ(db.Execute(select, {QStringLiteral("C1")}).fieldCount(), 1);
    EXPECT_EQ(db.Execute(named, {QStringLiteral("C1")}).Fields(0), QStringLiteral("C1"));
    EXPECT_EQ(db.Execute(counted, {QStringLiteral("C0")}).Fields(0), QStringLiteral("1"));

    auto other = Database::open(db.url());
    other->Execute(QStringLiteral("ALTER TABLE altered ADD Remark VARCHAR(20)"));
    other->Execute(QStringLiteral("INSERT INTO altered (Code_No, Remark) VALUES (?, ?)"),
                   {QStringLiteral("C2"), QStringLiteral("added")});

    Recordset rs = db.Execute(select, {QStringLiteral("C2")});
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.fieldCount(), 2);
    EXPECT_EQ(rs.Fields(1), QStringLiteral("added"));
    db.Execute(QStringLiteral("INSERT INTO altered (Code_No) VALUES (?)"), {QStringLiteral("C3")});
    EXPECT_FALSE(db.Execute(select, {QStringLiteral("C3")}).Eof());
    EXPECT_EQ(db.Execute(named, {QStringLiteral("C2")}).Fields(0), QStringLiteral("C2"));
    EXPECT_EQ(db.Execute(counted, {QStringLiteral("C0")}).Fields(0), QStringLiteral("3"));

    other->Execute(QStringLiteral("ALTER TABLE altered ADD Place VARCHAR(20)"));
    EXPECT_EQ(db.Execute(QStringLiteral("SELECT * FROM altered")).fieldCount(), 3);
}

// A look-up of more values than one statement takes finds every one of them, each once.
TEST_P(StoredRows, ALongInListIsAskedInChunksAndFindsEveryValue)
{
    Database &db = env->host().DBObj();
    db.Execute(QStringLiteral("CREATE TABLE in_list (Code_No VARCHAR(20))"));
    QStringList wanted;
    {
        Transaction tx(db);
        for (int i = 0; i < 450; ++i) {
            db.Execute(QStringLiteral("INSERT INTO in_list (Code_No) VALUES (?)"),
                       {QStringLiteral("K%1").arg(i)});
            if (i % 3 == 0)
                wanted << QStringLiteral("K%1").arg(i);
        }
        tx.commit();
    }
    wanted << QStringLiteral("absent");
    QStringList found;
    int statements = 0;
    InListChunks::forEach(
        wanted,
        [&](const QString &marks, const QVariantList &binds) {
            ++statements;
            for (Recordset rs = db.Execute(
                     QStringLiteral("SELECT Code_No FROM in_list WHERE Code_No IN (%1)").arg(marks), binds);
                 !rs.Eof(); rs.MoveNext())
                found << rs.Fields(0);
        },
        70);
    EXPECT_EQ(statements, 3);
    found.sort();
    wanted.removeLast();
    wanted.sort();
    EXPECT_EQ(found, wanted);
}

TALVEX_BOTH_ENGINES(StoredRows);
