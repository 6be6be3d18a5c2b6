#include "efiling/CodeLookups.h"
#include "TestHost.h"
#include "store/Database.h"

#include <tuple>

class CodeLookup : public EngineTest
{
};

TALVEX_BOTH_ENGINES(CodeLookup);

TEST_P(CodeLookup, OldStateNamesAreReadAsTodaysBeforeTheLookUp)
{
    EXPECT_EQ(CodeLookups::normalisedStateName("ORISSA"), "Odisha");
    EXPECT_EQ(CodeLookups::normalisedStateName("tamilnadu"), "Tamil Nadu");
    EXPECT_EQ(CodeLookups::normalisedStateName("Chhatisgarh"), "Chhattisgarh");
    EXPECT_EQ(CodeLookups::stateCode("ORISSA"), "24");
    EXPECT_EQ(CodeLookups::stateCode("TamilNadu"), "29");
    EXPECT_EQ(CodeLookups::stateCode("MAHARASHTRA"), "19");
    EXPECT_EQ(CodeLookups::stateCode("Atlantis"), "");
    EXPECT_EQ(CodeLookups::stateCode(""), "");
}

TEST_P(CodeLookup, PostalCodesAreThoseOfTheNameAmongThePinsOwn)
{
    // No list of the department's postal codes ships; one loaded from its source is used.
    EXPECT_EQ(CodeLookups::districtCode("400001", "Mumbai"), "");
    Database &db = env->host().DBObj();
    for (const auto &[pin, postOffice, locality, district] :
         {std::tuple{"400001", "300001", "20001", "501"}, std::tuple{"600001", "300040", "20040", "520"}})
        db.Execute("INSERT INTO po_pincode (pin_cd, post_office_cd, locality_cd, district_cd, state_cd) "
                   "VALUES (?, ?, ?, ?, '19')",
                   {QString::fromLatin1(pin), QString::fromLatin1(postOffice), QString::fromLatin1(locality),
                    QString::fromLatin1(district)});
    db.Execute("INSERT INTO po_postof (post_office_cd, post_office_name) VALUES ('300001', 'Mumbai G.P.O.')");
    db.Execute("INSERT INTO po_locality (locality_cd, locality_name) VALUES ('20001', 'Fort')");
    db.Execute(
        "INSERT INTO po_district (district_cd, district_desc, state_cd) VALUES ('501', 'Mumbai', '19')");
    EXPECT_EQ(CodeLookups::postOfficeCode("400001", "Mumbai G.P.O."), "300001");
    EXPECT_EQ(CodeLookups::localityCode("400001", "fort"), "20001");
    EXPECT_EQ(CodeLookups::districtCode("400001", "Mumbai"), "501");
    // A name that exists, but not at this PIN, has no code here.
    EXPECT_EQ(CodeLookups::postOfficeCode("600001", "Mumbai G.P.O."), "");
    EXPECT_EQ(CodeLookups::districtCode("", "Mumbai"), "");
}

TEST_P(CodeLookup, SectorsAndActsHaveTheirCodes)
{
    EXPECT_EQ(CodeLookups::sectorCode("MANUFACTURING"), "04");
    EXPECT_EQ(CodeLookups::sectorCode("Manufacture of textiles (other than by handloom)"), "");
    EXPECT_EQ(CodeLookups::actCode("Companies Act, 2013"), "14");
    EXPECT_EQ(CodeLookups::actCode("Others"), "67");
    EXPECT_EQ(CodeLookups::actCode("companies act, 2013"), "");
}

TEST_P(CodeLookup, AScopedCacheAnswersRepeatedLookUpsFromMemory)
{
    const CodeLookups::ScopedCache cache;
    EXPECT_EQ(CodeLookups::stateCode("Gujarat"), "11");
    env->host().DBObj().Execute("UPDATE po_state SET state_cd='99' WHERE state_desc='Gujarat'");
    EXPECT_EQ(CodeLookups::stateCode("Gujarat"), "11");
    {
        const CodeLookups::ScopedCache inner;
        EXPECT_EQ(CodeLookups::stateCode("Gujarat"), "11");
    }
    EXPECT_EQ(CodeLookups::stateCode("Gujarat"), "11");
}
