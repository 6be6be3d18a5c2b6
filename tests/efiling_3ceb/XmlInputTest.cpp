#include "efiling/XmlInput.h"

#include <gtest/gtest.h>

// What a written XML document is checked with before it replaces a file: its form, read in
// one pass without a tree.
TEST(XmlInputTest, AWrittenDocumentIsWellFormedOrSaysWhereItIsNot)
{
    EXPECT_EQ(
        XmlInput::notWellFormed("<?xml version=\"1.0\"?>\n<A xmlns=\"urn:a\"><B>1 &amp; 2</B><C/></A>\n"),
        std::nullopt);

    const std::optional<QString> cut = XmlInput::notWellFormed("<A>\n<B>1</B>\n<C>2");
    ASSERT_TRUE(cut);
    EXPECT_TRUE(cut->endsWith("(line 3)")) << cut->toStdString();

    const std::optional<QString> crossed = XmlInput::notWellFormed("<A><B></A></B>");
    ASSERT_TRUE(crossed);
    EXPECT_TRUE(crossed->contains("line 1")) << crossed->toStdString();

    // An entity no document type declares is a fault, not a silent gap in the text.
    EXPECT_TRUE(XmlInput::notWellFormed("<A>&nbsp;</A>"));
    EXPECT_TRUE(XmlInput::notWellFormed("<A/><B/>"));
    EXPECT_TRUE(XmlInput::notWellFormed("plain text"));
    EXPECT_TRUE(XmlInput::notWellFormed(QByteArray()));
}
