#include "ChangedCatalogue.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Form3cebCatalogue.h"
#include "catalogue/SigningPoints.h"

#include <gtest/gtest.h>

// A misspelt kind, shape or spelling would have the writer put the stored text into the file
// as it stands, or store an answer the pages do not read: the catalogue refuses to load.
TEST(KindNames, AnUnknownNameStopsTheCatalogueThatUsesIt)
{
    const QString form3cd = ClauseCatalogue::defaultPath();
    EXPECT_EQ(loadedWith<ClauseCatalogue>(form3cd, "\"as\": \"yesNo\"", "\"as\": \"yesNo\""), "");
    EXPECT_EQ(loadedWith<ClauseCatalogue>(form3cd, "\"as\": \"yesNo\"", "\"as\": \"yesno\""),
              "unknown member kind \"yesno\"");
    EXPECT_EQ(loadedWith<ClauseCatalogue>(form3cd, "\"shape\": \"csv\"", "\"shape\": \"CSV\""),
              "unknown block shape \"CSV\"");
    EXPECT_NE(
        loadedWith<ClauseCatalogue>(form3cd, "\"spelling\": \"TrueFalse\"", "\"spelling\": \"truefalse\"")
            .find("unknown spelling"),
        std::string::npos);
    EXPECT_EQ(loadedWith<Form3cebCatalogue>(Form3cebCatalogue::defaultPath(), "\"as\": \"hasBeen\"",
                                            "\"as\": \"hasbeen\""),
              "unknown member kind \"hasbeen\"");
}

// The questions whose pages store their answers as "True"/"False" are named by the catalogue,
// so the save, the import and the default filling spell them alike.
TEST(KindNames, TheQuestionsStoredAsTrueOrFalseAreTheCataloguesOwn)
{
    QStringList trueFalse;
    for (const Catalogue::Page &page : ClauseCatalogue::instance().pages()) {
        for (const Catalogue::Clause &clause : page.clauses) {
            if (clause.spelling == Vocabulary::Spelling::TrueFalse)
                trueFalse << clause.option;
        }
    }
    EXPECT_EQ(trueFalse, (QStringList{"Opt8a", "Opt13b", "Opt32b", "Opt43"}));
    for (const Catalogue::Page &page : Form3cebCatalogue::instance().pages()) {
        for (const Catalogue::Clause &clause : page.clauses) {
            if (!clause.option.isEmpty())
                EXPECT_EQ(clause.spelling, Vocabulary::Spelling::TrueFalse) << clause.option.toStdString();
        }
    }
}

// The signing particulars' points, named once for the rules, the pages and the print, are
// the points the catalogue's signing page holds.
TEST(KindNames, TheSigningPointsAreTheSigningPagesOwn)
{
    const ClauseCatalogue &cat = ClauseCatalogue::instance();
    for (const QString &point : {SigningPoints::AuditorType, SigningPoints::Udin, SigningPoints::SignedOn})
        EXPECT_NE(cat.controlOf(SigningPoints::Page, point), nullptr) << point.toStdString();
}
