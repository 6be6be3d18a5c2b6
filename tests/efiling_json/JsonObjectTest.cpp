#include "efiling/json/Json.h"

#include <gtest/gtest.h>

using JSON::ParseJson;
using JSON::ParserErrors;

namespace
{
// An object literal of `count` members "k1": 1, "k2": 2, ...
QString objectOf(int count, const QString &extra = {})
{
    QStringList members;
    for (int i = 1; i <= count; ++i)
        members << QStringLiteral("\"k%1\": %1").arg(i);
    if (!extra.isEmpty())
        members << extra;
    return u'{' + members.join(u',') + u'}';
}
} // namespace

// Small objects are searched key by key and large ones through an index: both find every
// key, miss the absent ones and refuse a second member of the same key.
TEST(JsonObjects, EveryKeyIsFoundInSmallAndLargeObjects)
{
    for (int count : {1, 15, 16, 17, 60}) {
        const std::optional<JsonValue> root = ParseJson(objectOf(count));
        ASSERT_TRUE(root) << count;
        EXPECT_EQ(ParserErrors(), "");
        ASSERT_EQ(root->Count(), count);
        for (int i = 1; i <= count; ++i) {
            const QString key = QStringLiteral("k%1").arg(i);
            EXPECT_TRUE(root->Exists(key)) << count << " " << i;
            EXPECT_EQ(root->Item(key).text(), QString::number(i));
            EXPECT_EQ(root->Keys().at(i - 1), key);
        }
        EXPECT_FALSE(root->Exists(QStringLiteral("k0")));
        EXPECT_TRUE(root->Item(QStringLiteral("K1")).isNull()); // keys compare exactly
    }
}

TEST(JsonObjects, ADuplicateKeyIsRefusedAtAnySize)
{
    for (int count : {3, 15, 16, 40}) {
        const std::optional<JsonValue> root = ParseJson(objectOf(count, QStringLiteral("\"k2\": 99")));
        ASSERT_TRUE(root);
        EXPECT_TRUE(ParserErrors().contains("This key is already associated")) << count;
        EXPECT_EQ(root->Item(QStringLiteral("k2")).text(), "2");
    }
    JsonValue built = JsonValue::object();
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(built.Add(QStringLiteral("m%1").arg(i), JsonValue(true)));
    EXPECT_FALSE(built.Add(QStringLiteral("m3"), JsonValue(false)));
    EXPECT_FALSE(built.Add(QStringLiteral("m19"), JsonValue(false)));
    EXPECT_TRUE(built.Item(QStringLiteral("m19")).toBool());
}

// Rows repeat their keys; a long array of them reads back whole and in order.
TEST(JsonObjects, ALongArrayOfRowsKeepsEveryRow)
{
    QStringList rows;
    for (int i = 0; i < 5000; ++i)
        rows << QStringLiteral("{\"Name\": \"Row %1\", \"Amount\": %1}").arg(i);
    const std::optional<JsonValue> root = ParseJson(u'[' + rows.join(u',') + u']');
    ASSERT_TRUE(root);
    ASSERT_EQ(root->Count(), 5000);
    EXPECT_EQ(root->Item(1).Item(QStringLiteral("Name")).text(), "Row 0");
    EXPECT_EQ(root->Item(5000).Item(QStringLiteral("Amount")).text(), "4999");
}

// A file is read from its UTF-8 bytes as they stand: the same tree as from its text, for
// everything the lenient reader takes.
TEST(JsonObjects, Utf8BytesReadAsTheirText)
{
    const QStringList texts{
        u"{\"Name\": \"आयकर विभाग ₹\", \"Amount\": 12.50, \"List\": [true, false, null]}"_qs,
        u"{ bare key : 'single ₹ quoted', /* note */ \"b\": \"esc\\n\\u20B9\\q\\₹\" // end\n}"_qs,
        u"[ ( {\"a\": 1 \"b\": 2} ) , \"unterminated ऋण"_qs,
        u"{\"k\": \"ok\", \"k\": \"again\"}"_qs,
        u"[1, 2, +.5, 7., -0e5, 12"_qs,
    };
    for (const QString &text : texts) {
        const std::optional<JsonValue> fromText = ParseJson(text);
        const QString textErrors = ParserErrors();
        const QByteArray utf8 = text.toUtf8();
        const std::optional<JsonValue> fromBytes = JSON::ParseJsonUtf8(utf8);
        ASSERT_EQ(fromText.has_value(), fromBytes.has_value()) << text.toStdString();
        if (fromText)
            EXPECT_EQ(JSON::JsonToText(*fromBytes), JSON::JsonToText(*fromText)) << text.toStdString();
        EXPECT_EQ(ParserErrors().isEmpty(), textErrors.isEmpty()) << text.toStdString();
    }
}
