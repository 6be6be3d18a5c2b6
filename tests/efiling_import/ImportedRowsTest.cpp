#include "efiling/import/ImportedRows.h"

#include <gtest/gtest.h>

TEST(ImportedRows, PackedRowsComeBackAsTheyWereSet)
{
    ImportedRows rows;
    const QString long1 = QString("x").repeated(200);    // a length of two bytes
    const QString huge = QString("€").repeated(1 << 20); // larger than a block of rows
    const int first = rows.append(9, "21a");
    rows.set(first, 1, "Müller & Söhne");
    rows.set(first, 3, long1);
    const int second = rows.append(9, "21a");
    rows.set(second, 22, huge);
    rows.set(second, 23, "ignored");
    const int third = rows.append(9, "21a");

    const ImportedRows::Row a = rows.row(first);
    EXPECT_EQ(a.page, 9);
    EXPECT_EQ(a.point, "21a");
    EXPECT_EQ(a.cols, (QStringList{"Müller & Söhne", "", long1}));
    EXPECT_EQ(a.sequence, "1");
    const ImportedRows::Row b = rows.row(second);
    ASSERT_EQ(b.cols.size(), 22);
    EXPECT_EQ(b.cols.at(21), huge);
    EXPECT_EQ(b.sequence, "2");
    EXPECT_TRUE(rows.row(third).cols.isEmpty());
    EXPECT_EQ(rows.row(third).sequence, "3");
}

TEST(ImportedRows, ASingleRowSetAgainAfterOtherRowsKeepsAllItsValues)
{
    ImportedRows rows;
    const int single = rows.single(2, "8a");
    rows.set(single, 1, "Y");
    for (int i = 0; i < 3; ++i)
        rows.set(rows.append(7, "18"), 1, QString::number(i));
    EXPECT_EQ(rows.single(2, "8a"), single);
    rows.set(single, 2, "115BAA");
    rows.set(rows.append(7, "18"), 1, "3");

    EXPECT_EQ(rows.row(single).cols, (QStringList{"Y", "115BAA"}));
    EXPECT_EQ(rows.row(single).sequence, "");
    EXPECT_EQ(rows.row(4).cols, QStringList{"3"});
    EXPECT_EQ(rows.row(4).sequence, "4");
    EXPECT_TRUE(rows.has(7, "18"));
    EXPECT_FALSE(rows.has(7, "19"));
    EXPECT_EQ(rows.count(), 5);
}
