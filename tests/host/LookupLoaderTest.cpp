#include "TestHost.h"

#include "host/LookupLoader.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QFile>

namespace
{
QString writeFile(const QString &dir, const QString &name, const QByteArray &text)
{
    const QString path = dir + "/" + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}

// The first field of the first record of a query on the test database.
QString firstField(const QString &field, const QString &table, const QString &condition = {},
                   const QVariantList &binds = {})
{
    QString sql = "SELECT " + field + " FROM " + table;
    if (!condition.isEmpty())
        sql += " WHERE " + condition;
    Recordset rs = host().DBObj().Execute(sql, binds);
    return rs.Eof() ? QString() : rs.Fields(0);
}
} // namespace

class LookupLoading : public EngineTest
{
};

TEST_P(LookupLoading, SeedListsArePresent)
{
    EXPECT_EQ(firstField("SName", "annex_state", "Code=?", {"19"}), "Maharashtra");
    EXPECT_EQ(env->host().GetCountryCodeNew("India"), "91");
    EXPECT_EQ(env->host().GetCountryNameNew("91"), "INDIA");
    EXPECT_FALSE(firstField("Code", "annex_sector", "MasterCode=?", {"-1"}).isEmpty());
}

TEST_P(LookupLoading, ACsvFileReplacesTheList)
{
    const QString csv =
        writeFile(env->dir(), "states.csv",
                  "Id,Code,SName\n1,27,\"Maharashtra, West\"\n2,19,\"West \"\"Bengal\"\"\"\n"
                  "3,09,\xe0\xa4\x89\xe0\xa4\xa4\xe0\xa5\x8d\xe0\xa4\xa4\xe0\xa4\xb0 "
                  "\xe0\xa4\xaa\xe0\xa5\x8d\xe0\xa4\xb0\xe0\xa4\xa6\xe0\xa5\x87\xe0\xa4\xb6\n");
    EXPECT_EQ(LookupLoader::load(env->host().DBObj(), "ANNEX_STATE", csv), 3);
    EXPECT_EQ(firstField("count(*)", "annex_state"), "3");
    EXPECT_EQ(firstField("SName", "annex_state", "Code=?", {"27"}), "Maharashtra, West");
    EXPECT_EQ(firstField("SName", "annex_state", "Code=?", {"19"}), "West \"Bengal\"");
    EXPECT_EQ(firstField("SName", "annex_state", "Code=?", {"09"}), "उत्तर प्रदेश");
}

TEST_P(LookupLoading, ABrokenFileChangesNothing)
{
    Database &db = env->host().DBObj();
    const QString before = firstField("count(*)", "annex_state");
    const QStringList broken{"Id,Code,SName\n1,27\n", "Id,Code,SName\n1,27,\"Maharashtra\n",
                             "Id,Code,Nope\n1,27,X\n", "Id,Code,SName; DROP TABLE master\n1,2,3\n", ""};
    for (const QString &text : broken) {
        const QString csv = writeFile(env->dir(), "bad.csv", text.toUtf8());
        EXPECT_THROW(LookupLoader::load(db, "annex_state", csv), DbError) << text.toStdString();
    }
    EXPECT_THROW(LookupLoader::load(db, "master", writeFile(env->dir(), "m.csv", "Code_No\nX\n")), DbError);
    EXPECT_THROW(LookupLoader::load(db, "annex_state", env->dir() + "/missing.csv"), DbError);
    EXPECT_EQ(firstField("count(*)", "annex_state"), before);
    EXPECT_TRUE(db.tableExists("master"));
}

TALVEX_BOTH_ENGINES(LookupLoading);
