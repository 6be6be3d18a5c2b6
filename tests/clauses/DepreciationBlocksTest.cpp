#include "catalogue/DepreciationBlocks.h"

#include <gtest/gtest.h>

TEST(DepreciationBlocks, ListsEveryBlockInDropDownOrder)
{
    const auto &blocks = DepreciationBlocks::all();
    ASSERT_EQ(blocks.size(), 48);
    EXPECT_EQ(blocks.at(0).id, 1);
    EXPECT_EQ(blocks.at(3).id, 48); // 45% sits between 40% and 50%
    EXPECT_EQ(blocks.at(3).description, "(18av) Plant & Machinery @ 45%");
    EXPECT_EQ(blocks.at(13).id, 47);
    EXPECT_EQ(blocks.last().description, "(18at) Any other assets not covered above @ 7.69%-Sec 32(1)(i)");
    QList<int> ids;
    for (const auto &b : blocks)
        ids << b.id;
    std::sort(ids.begin(), ids.end());
    for (int i = 0; i < ids.size(); ++i)
        EXPECT_EQ(ids.at(i), i + 1);
}

TEST(DepreciationBlocks, KeepTheTextsAsTheWriterKnowsThem)
{
    EXPECT_EQ(DepreciationBlocks::byId(17)->description,
              "(18n) Building and civil engineering works of permanent character @ 3.02%-Sec 32(1)(i))");
    EXPECT_EQ(DepreciationBlocks::byId(11)->description, "(18r) Furnitures & Fittings @ 10%- Sec 32(1)(ii)");
    EXPECT_EQ(DepreciationBlocks::byId(31)->rate, "5.27%-");
    EXPECT_EQ(DepreciationBlocks::byId(24)->rate, "7.81%");
    EXPECT_EQ(DepreciationBlocks::byDescription("(18b) Plant & Machinery @ 30%- Sec 32(1)(ii)")->id, 2);
    EXPECT_EQ(DepreciationBlocks::byDescription("(18b) Plant & Machinery @ 30%"), nullptr);
    EXPECT_EQ(DepreciationBlocks::byId(0), nullptr);
}

TEST(DepreciationBlocks, RewriteLegacyDescriptions)
{
    EXPECT_EQ(DepreciationBlocks::currentDescription("Building 10%"), "(18l) Building @ 10%- Sec 32(1)(ii)");
    EXPECT_EQ(DepreciationBlocks::currentDescription("Plant & Machinery 100%"),
              "(18g) Plant & Machinery @ 100%- Sec 32(1)(ii)");
    EXPECT_EQ(DepreciationBlocks::currentDescription("Furnitures & Fittings 10%"),
              "(18r) Furnitures & Fittings @ 10%- Sec 32(1)(ii)");
    EXPECT_EQ(DepreciationBlocks::currentDescription("Ships 20%"), "(18t) Ships @ 20%- Sec 32(1)(ii)");
    EXPECT_EQ(DepreciationBlocks::currentDescription("Plant & Machinery 45%"), "Plant & Machinery 45%");
    EXPECT_EQ(DepreciationBlocks::currentDescription("(18s) Intangible Assets @ 25%- Sec 32(1)(ii)"),
              "(18s) Intangible Assets @ 25%- Sec 32(1)(ii)");
}
