#include "efiling/json/cStringBuilder.h"

#include <gtest/gtest.h>

TEST(StringBuilder, CapacityGrowsInWholeChunks)
{
    cStringBuilder builder;
    EXPECT_EQ(builder.ChunkSize(), 8192);
    EXPECT_EQ(builder.Capacity(), 0);
    builder.ChunkSize(10);
    builder.Append(u"abc");
    EXPECT_EQ(builder.Capacity(), 10);
    builder.Append(u"defghijk");
    EXPECT_EQ(builder.Capacity(), 20);
    builder.Append(QString(25, u'x'));
    EXPECT_EQ(builder.Length(), 36);
    EXPECT_EQ(builder.Capacity(), 40);
    builder.Remove(0, 30);
    builder.HeapMinimize();
    EXPECT_EQ(builder.Capacity(), 10);
    builder.Clear();
    EXPECT_EQ(builder.Capacity(), 0);
    EXPECT_EQ(builder.toString(), "");
}

TEST(StringBuilder, Editing)
{
    cStringBuilder builder;
    builder.TheString(u"ace");
    EXPECT_TRUE(builder.Insert(1, u"b"));
    EXPECT_TRUE(builder.InsertByVal(3, u"d"));
    EXPECT_TRUE(builder.Insert(5, u"f"));
    EXPECT_TRUE(builder.Remove(4, 100));
    builder.AppendNL(u"!");
    builder.AppendByVal(u"end");
    builder.Append(QChar(u'.'));
    EXPECT_EQ(builder.toString(), "abcd!\r\nend.");
    builder.TheString(u"");
    EXPECT_EQ(builder.Length(), 0);
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
    EXPECT_EQ(builder.Find(u"a", 100), 0);
}

TEST(StringBuilder, ResultsDoNotHoldTheWholeChunk)
{
    cStringBuilder builder;
    builder.Append(u"ab");
    EXPECT_LT(builder.toString().capacity(), 100);
}
