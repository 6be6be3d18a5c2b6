#include "efiling/json/Json.h"

#include <gtest/gtest.h>

using JSON::JsonToText;
using JSON::ParseJson;
using JSON::ParserErrors;

namespace
{
int depthOf(const JsonValue &value)
{
    int depth = 0;
    const JsonValue *node = &value;
    while (node->isArray() || node->isObject()) {
        ++depth;
        if (node->Count() == 0)
            break;
        node = node->isArray() ? &node->Item(1) : &node->Item(node->Keys().first());
    }
    return depth;
}
} // namespace

TEST(JsonNesting, TwoHundredFiftySixLevelsAreRead)
{
    const QString text = QString("[").repeated(256) + QString("]").repeated(256);
    const std::optional<JsonValue> root = ParseJson(text);
    ASSERT_TRUE(root);
    EXPECT_EQ(ParserErrors(), "");
    EXPECT_EQ(depthOf(*root), 256);
    EXPECT_EQ(JsonToText(*root), text);
}

TEST(JsonNesting, DeeperNestingEndsTheParseWithAnError)
{
    const QString text = QString("{\"a\":[").repeated(200) + QString("]}").repeated(200);
    const std::optional<JsonValue> root = ParseJson(text);
    ASSERT_TRUE(root);
    EXPECT_EQ(depthOf(*root), 256);
    // Level 257 opens at character 6 * 128 + 1.
    EXPECT_EQ(ParserErrors(), "Nesting too deep at position 769\r\n");
}

TEST(JsonNesting, AMillionOpeningBracketsDoNotOverflowTheStack)
{
    for (const QString opener : {"[", "{\"k\":", "{'k' : ( [ "}) {
        const std::optional<JsonValue> root = ParseJson(opener.repeated(1000000));
        ASSERT_TRUE(root);
        EXPECT_EQ(depthOf(*root), 256);
        EXPECT_TRUE(ParserErrors().startsWith("Nesting too deep at position ")) << opener.toStdString();
    }
}
