#include "TestHost.h"

#include "store/Database.h"
#include "store/DbError.h"
#include "store/MariadbClient.h"

#include <algorithm>

namespace
{

// Text of every kind a report holds: rupee signs, Devanagari, quotes, and a value far longer
// than any page of the driver's buffers.
QStringList storedTexts()
{
    return {QStringLiteral("₹ 1,00,000.00"), QStringLiteral("ऋण पुस्तिका — खाता संख्या ४२"),
            QStringLiteral("O'Brien \"Trading\"\\ Co."), QStringLiteral("ऋण ₹ loan; ").repeated(20000)};
}

} // namespace

class TextRowsRead : public EngineTest
{
protected:
    bool withDemo() const override { return false; }
    void SetUp() override
    {
        EngineTest::SetUp();
        if (!env)
            return;
        Database &db = env->host().DBObj();
        db.Execute(QStringLiteral("DROP TABLE IF EXISTS text_rows_probe"));
        for (const QString &statement :
             db.dialect().createTable(QStringLiteral("text_rows_probe"),
                                      {QStringLiteral("n ") + db.dialect().intType(),
                                       QStringLiteral("t ") + db.dialect().textType()},
                                      {}))
            db.Execute(statement);
        const QStringList texts = storedTexts();
        // Written out of order, read back by number: a NULL, an empty text, then the texts.
        for (int n = int(texts.size()) + 1; n >= 0; --n) {
            const QVariant value = n == 0   ? QVariant(QMetaType(QMetaType::QString))
                                   : n == 1 ? QVariant(QString(""))
                                            : QVariant(texts.at(n - 2));
            db.Execute(QStringLiteral("INSERT INTO text_rows_probe (n, t) VALUES (?, ?)"), {n, value});
        }
    }
};

TEST_P(TextRowsRead, ValuesComeBackAsStoredAndInOrder)
{
    const auto rows = env->host().DBObj().readText(
        QStringLiteral("SELECT n, t FROM text_rows_probe WHERE n >= ? ORDER BY n"), {0});
    ASSERT_TRUE(rows->next());
    EXPECT_EQ(rows->number(0), 0);
    EXPECT_TRUE(rows->text(1).isNull());
    ASSERT_TRUE(rows->next());
    EXPECT_EQ(rows->number(0), 1);
    EXPECT_TRUE(rows->text(1).isEmpty());
    const QStringList texts = storedTexts();
    for (int i = 0; i < texts.size(); ++i) {
        ASSERT_TRUE(rows->next()) << i;
        EXPECT_EQ(rows->number(0), i + 2);
        EXPECT_EQ(rows->text(1), texts.at(i)) << i;
        EXPECT_EQ(rows->text(0), QString::number(i + 2));
    }
    EXPECT_FALSE(rows->next());
}

TEST_P(TextRowsRead, ValuesAfterALongOneComeBackWhole)
{
    // Read longest first: whatever room the long value made, the shorter ones after it keep
    // their own lengths.
    const auto rows = env->host().DBObj().readText(
        QStringLiteral("SELECT n, t FROM text_rows_probe WHERE n >= ? ORDER BY n DESC"), {2});
    QStringList expected = storedTexts();
    std::reverse(expected.begin(), expected.end());
    for (const QString &text : expected) {
        ASSERT_TRUE(rows->next());
        EXPECT_EQ(rows->text(1), text);
    }
    EXPECT_FALSE(rows->next());
}

TEST_P(TextRowsRead, RowsLeftUnreadDoNotHoldUpTheConnection)
{
    Database &db = env->host().DBObj();
    {
        const auto rows = db.readText(QStringLiteral("SELECT n, t FROM text_rows_probe ORDER BY n"), {});
        ASSERT_TRUE(rows->next());
    }
    db.Execute(QStringLiteral("UPDATE text_rows_probe SET t = ? WHERE n = ?"),
               {QStringLiteral("changed"), 1});
    const auto rows = db.readText(QStringLiteral("SELECT t FROM text_rows_probe WHERE n = ?"), {1});
    ASSERT_TRUE(rows->next());
    EXPECT_EQ(rows->text(0), QStringLiteral("changed"));
}

TEST_P(TextRowsRead, ARepeatedValueSharesTheTextItRepeats)
{
    const QString rupees = storedTexts().at(0);
    const auto rows = env->host().DBObj().readText(
        QStringLiteral("SELECT t FROM text_rows_probe WHERE n IN (?, ?) ORDER BY n"), {0, 2});
    ASSERT_TRUE(rows->next());
    EXPECT_TRUE(rows->text(0, rupees).isNull());
    ASSERT_TRUE(rows->next());
    const QString same = rows->text(0, rupees);
    EXPECT_EQ(same.constData(), rupees.constData());
    const QString other = rows->text(0, QStringLiteral("₹ 1,00,000.01"));
    EXPECT_EQ(other, rupees);
    EXPECT_FALSE(rows->next());
}

TEST_P(TextRowsRead, ValuesOfEveryTypeAreBound)
{
    const auto rows = env->host().DBObj().readText(
        QStringLiteral(
            "SELECT n FROM text_rows_probe WHERE t = ? OR n = ? OR n = ? OR n = ? OR t = ? ORDER BY n"),
        {storedTexts().at(1), qint64(4), true, 5.0, QVariant(QMetaType(QMetaType::QString))});
    QList<qint64> found;
    while (rows->next())
        found << rows->number(0);
    // 1 is true; a NULL equals nothing.
    EXPECT_EQ(found, (QList<qint64>{1, 3, 4, 5}));
}

TEST_P(TextRowsRead, AStatementThatCannotRunRaisesTheDatabaseError)
{
    Database &db = env->host().DBObj();
    try {
        db.readText(QStringLiteral("SELECT t FROM no_such_table WHERE n = ?"), {1});
        FAIL() << "no error raised";
    } catch (const DbError &error) {
        EXPECT_TRUE(error.message().contains(QLatin1String("no_such_table"))) << qPrintable(error.message());
    }
    // The connection reads on after the error.
    const auto rows = db.readText(QStringLiteral("SELECT n FROM text_rows_probe WHERE n = ?"), {3});
    ASSERT_TRUE(rows->next());
    EXPECT_EQ(rows->number(0), 3);
}

TALVEX_BOTH_ENGINES(TextRowsRead);

// The client library is loaded only once a server's rows are read; one that cannot be found
// is a message, not a fault.
TEST(MariadbClientLibrary, AMissingLibraryIsAMessage)
{
    const MariadbClient missing = MariadbClient::load(QStringLiteral("talvex-no-such-client"), 3);
    EXPECT_TRUE(missing.failure.startsWith(QLatin1String("The MariaDB client library could not be loaded: ")))
        << qPrintable(missing.failure);
    EXPECT_EQ(missing.stmtInit, nullptr);
    const MariadbClient present = MariadbClient::load(QStringLiteral("mariadb"), 3);
    EXPECT_TRUE(present.failure.isEmpty()) << qPrintable(present.failure);
    EXPECT_NE(present.stmtFetchColumn, nullptr);
}
