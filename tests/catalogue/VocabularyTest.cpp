#include "catalogue/Vocabulary.h"
#include "catalogue/DepreciationBlocks.h"

#include <gtest/gtest.h>

using namespace Vocabulary;

TEST(Vocabulary, MarkersAreReadInAnyCaseAndWithBlanks)
{
    for (const char *nil : {"Nil", "NIL", "nil", " Nil ", "nIL\t"})
        EXPECT_TRUE(isNil(QString::fromLatin1(nil)) && isMarker(QString::fromLatin1(nil))) << nil;
    for (const char *na : {"NA", "na", "Na ", " nA"})
        EXPECT_TRUE(isNA(QString::fromLatin1(na)) && isMarker(QString::fromLatin1(na))) << na;
    for (const char *other : {"", "N", "Nill", "N A", "None", "0", "Nil."})
        EXPECT_FALSE(isMarker(QString::fromLatin1(other))) << other;
}

TEST(Vocabulary, AnswersAsEveryPageStoresThem)
{
    EXPECT_EQ(answerOf(QStringLiteral("Yes")), Answer::Yes);
    EXPECT_EQ(answerOf(QStringLiteral("TRUE")), Answer::Yes);
    EXPECT_EQ(answerOf(QStringLiteral(" no ")), Answer::No);
    EXPECT_EQ(answerOf(QStringLiteral("False")), Answer::No);
    EXPECT_EQ(answerOf(QStringLiteral("na")), Answer::NA);
    EXPECT_EQ(answerOf(QStringLiteral("")), Answer::None);
    EXPECT_EQ(answerOf(QStringLiteral("Y")), Answer::None);
    EXPECT_TRUE(isYes(QStringLiteral("true")));
    EXPECT_FALSE(isYes(QStringLiteral("1")));
    EXPECT_TRUE(isTicked(QStringLiteral("1")));
    EXPECT_TRUE(isTicked(QStringLiteral("True")));
    EXPECT_FALSE(isTicked(QStringLiteral("0")));
    EXPECT_FALSE(isTicked(QString()));
}

TEST(Vocabulary, AnAnswerIsSpeltAsItsQuestionStoresItAndAsTheFilesCarryIt)
{
    EXPECT_EQ(respelt(QStringLiteral("true"), Spelling::YesNo), "Yes");
    EXPECT_EQ(respelt(QStringLiteral("No"), Spelling::TrueFalse), "False");
    EXPECT_EQ(respelt(QStringLiteral(" na "), Spelling::TrueFalse), "NA");
    EXPECT_EQ(respelt(QStringLiteral("Not Due"), Spelling::YesNo), "Not Due");
    EXPECT_EQ(spelt(true, Spelling::TrueFalse), "True");
    EXPECT_EQ(spelt(Answer::None), "");

    // Each answer goes into the department's letter and comes back as it was spelt.
    for (const Spelling spelling : {Spelling::YesNo, Spelling::TrueFalse}) {
        for (const Answer answer : {Answer::Yes, Answer::No, Answer::NA}) {
            const QString stored = spelt(answer, spelling);
            EXPECT_EQ(storedOfLetter(letterOf(answerOf(stored)), spelling), stored);
        }
    }
    EXPECT_EQ(letterOf(Answer::NA), "X");
    EXPECT_EQ(answerOfLetter(QStringLiteral(" y")), Answer::Yes);
    EXPECT_EQ(storedOfLetter(QStringLiteral("Q")), "Q");
    EXPECT_EQ(letterOf(Answer::None), "");
}

TEST(Vocabulary, CellListsSplitAndJoinAsTheyAreStored)
{
    const QString cell = QStringLiteral("15/06/2025#C#01/07/2025#C#1000#R##R#  #R#20/12/2025#C##C#500");
    const QList<QStringList> entries = splitList(cell);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries.at(0), (QStringList{"15/06/2025", "01/07/2025", "1000"}));
    EXPECT_EQ(entries.at(1), (QStringList{"20/12/2025", "", "500"}));
    EXPECT_EQ(joinList(entries), QStringLiteral("15/06/2025#C#01/07/2025#C#1000#R#20/12/2025#C##C#500"));
    EXPECT_TRUE(splitList(QString()).isEmpty());
    EXPECT_EQ(joinList({}), QString());
}

TEST(DepreciationBlocks, OldTextsAreTheCataloguesAliases)
{
    EXPECT_EQ(DepreciationBlocks::currentDescription(QStringLiteral(" Building 10% ")),
              QStringLiteral("(18l) Building @ 10%- Sec 32(1)(ii)"));
    EXPECT_EQ(DepreciationBlocks::all().size(), 48);
    EXPECT_EQ(DepreciationBlocks::byId(48)->rate, QStringLiteral("45%"));
}
