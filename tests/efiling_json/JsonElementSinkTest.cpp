#include "efiling/json/Json.h"

#include <gtest/gtest.h>

using JSON::JsonToText;
using JSON::ParseJsonUtf8;
using JSON::ParserErrors;

namespace
{

// Takes the arrays at one path and keeps what it was handed as text.
class Collector : public JSON::ElementSink
{
public:
    explicit Collector(QStringList path) : m_path(std::move(path)) {}
    bool takes(const QStringList &path) override
    {
        offered << path.join(u'/');
        return path == m_path;
    }
    void element(const QStringList &path, JsonValue element) override
    {
        taken << path.join(u'/') + u'=' + JsonToText(element);
    }
    QStringList offered;
    QStringList taken;

private:
    QStringList m_path;
};

} // namespace

TEST(JsonElementSink, TheChosenArrayIsHandedOverAnItemAtATimeAndStaysEmpty)
{
    Collector sink({"F", "T"});
    const std::optional<JsonValue> root = ParseJsonUtf8(
        R"({"F": {"A": [1, 2], "T": [{"x": "é", "in": [[3]]}, [4, 5], 'six'], "B": {"T": [7]}}})", &sink);
    ASSERT_TRUE(root);
    EXPECT_EQ(ParserErrors(), "");
    EXPECT_EQ(sink.taken, (QStringList{R"(F/T={"x":"\u00E9","in":[[3]]})", "F/T=[4,5]", R"(F/T="six")"}));
    // Arrays inside an item are part of the item: they are not offered on their own.
    EXPECT_EQ(sink.offered, (QStringList{"F/A", "F/T", "F/B/T"}));
    EXPECT_EQ(JsonToText(*root), R"({"F":{"A":[1,2],"T":[],"B":{"T":[7]}}})");
}

TEST(JsonElementSink, AnItemCutShortIsHandedOverAsFarAsItWasRead)
{
    Collector sink({"T"});
    const std::optional<JsonValue> root = ParseJsonUtf8(R"({"T": [{"a": 1}, {"b": "open)", &sink);
    ASSERT_TRUE(root);
    EXPECT_NE(ParserErrors(), "");
    EXPECT_EQ(sink.taken, (QStringList{R"(T={"a":1})", R"(T={"b":"open"})"}));
}
