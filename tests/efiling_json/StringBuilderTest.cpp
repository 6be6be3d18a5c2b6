#include "efiling/json/cStringBuilder.h"

#include <gtest/gtest.h>

TEST(StringBuilder, StartsEmptyWithTheDefaultChunk)
{
    cStringBuilder builder;
    EXPECT_EQ(builder.Length(), 0);
    EXPECT_EQ(builder.Capacity(), 0);
    EXPECT_EQ(builder.ChunkSize(), 8192);
    EXPECT_EQ(builder.toString(), "");
}

TEST(StringBuilder, CapacityGrowsInWholeChunks)
{
    cStringBuilder builder;
    builder.ChunkSize(10);
    builder.Append(u"abc");
    EXPECT_EQ(builder.Capacity(), 10);
    builder.Append(u"defghijk");
    EXPECT_EQ(builder.Length(), 11);
    EXPECT_EQ(builder.Capacity(), 20);
    builder.Append(QString(25, u'x'));
    EXPECT_EQ(builder.Capacity(), 40);
    EXPECT_EQ(builder.Capacity() % builder.ChunkSize(), 0);
}

TEST(StringBuilder, HeapMinimizeKeepsTheFewestChunks)
{
    cStringBuilder builder;
    builder.ChunkSize(10);
    builder.Append(QString(35, u'x'));
    builder.Remove(0, 30);
    builder.HeapMinimize();
    EXPECT_EQ(builder.Capacity(), 10);
    EXPECT_EQ(builder.toString(), "xxxxx");
}

TEST(StringBuilder, AppendAndTheNewLineForm)
{
    cStringBuilder builder;
    builder.Append(u"one");
    builder.AppendNL(u" two");
    builder.AppendByVal(u"three");
    builder.Append(QChar(u'!'));
    EXPECT_EQ(builder.toString(), "one two\r\nthree!");
}

TEST(StringBuilder, TheStringReplacesTheContent)
{
    cStringBuilder builder;
    builder.Append(u"old");
    builder.TheString(u"new text");
    EXPECT_EQ(builder.toString(), "new text");
    builder.TheString(u"");
    EXPECT_EQ(builder.Length(), 0);
    EXPECT_EQ(builder.Capacity(), 0);
}

TEST(StringBuilder, InsertAndRemoveCountFromZero)
{
    cStringBuilder builder;
    builder.TheString(u"ace");
    EXPECT_TRUE(builder.Insert(1, u"b"));
    EXPECT_TRUE(builder.InsertByVal(3, u"d"));
    EXPECT_TRUE(builder.Insert(5, u"f"));
    EXPECT_EQ(builder.toString(), "abcdef");
    EXPECT_TRUE(builder.Remove(1, 2));
    EXPECT_EQ(builder.toString(), "adef");
    EXPECT_TRUE(builder.Remove(2, 100));
    EXPECT_EQ(builder.toString(), "ad");
}

TEST(StringBuilder, PositionsOutsideTheTextChangeNothing)
{
    cStringBuilder builder;
    builder.TheString(u"abc");
    EXPECT_FALSE(builder.Insert(-1, u"x"));
    EXPECT_FALSE(builder.Insert(4, u"x"));
    EXPECT_FALSE(builder.Remove(3, 1));
    EXPECT_FALSE(builder.Remove(0, -1));
    EXPECT_EQ(builder.toString(), "abc");
}

TEST(StringBuilder, FindCountsFromOneAndIgnoresCaseByDefault)
{
    cStringBuilder builder;
    builder.TheString(u"Alpha beta ALPHA");
    EXPECT_EQ(builder.Find(u"alpha"), 1);
    EXPECT_EQ(builder.Find(u"alpha", 2), 12);
    EXPECT_EQ(builder.Find(u"alpha", 2, Qt::CaseSensitive), 0);
    EXPECT_EQ(builder.Find(u"gamma"), 0);
    EXPECT_EQ(builder.Find(u"a", 100), 0);
}

TEST(StringBuilder, ClearEmptiesAndReleases)
{
    cStringBuilder builder;
    builder.Append(u"text");
    builder.Clear();
    EXPECT_EQ(builder.Length(), 0);
    EXPECT_EQ(builder.Capacity(), 0);
    EXPECT_EQ(builder.toString(), "");
}

TEST(StringBuilder, ResultsDoNotHoldTheWholeChunk)
{
    cStringBuilder builder;
    builder.Append(u"ab");
    const QString result = builder.toString();
    EXPECT_LT(result.capacity(), 100);
}
