#include "EfilingTestSupport.h"

#include "SourceDataDir.h"
#include "efiling/JsonSchemaCheck.h"
#include "store/ClauseStore.h"

using nlohmann::json;

// What the writer gives where the department's portal has its own ways: amounts never null,
// digit grouping dropped, marker rows never written, and the layouts of the department's files.
class PortalLayout : public EfilingTest
{
protected:
    QStringList depreciationRow() const { return ClauseStore::readPoint(7, "18").first().cols.mid(0, 22); }
};

TALVEX_BOTH_ENGINES(PortalLayout);

TEST_P(PortalLayout, BlankClause18AdjustmentsAreNoughtAndMinusSignsStay)
{
    QStringList row = depreciationRow();
    row[7] = ""; // CENVAT
    row[8] = ""; // change in rate of exchange
    row[9] = ""; // subsidy
    row[3] = ""; // adjustment for section 115BAC: the department leaves it out
    row[19] = "10/06/2025#C#20/06/2025#C#1000.00#C##C#-50.00#C##C#950.00";
    setGrid(7, "18", {row});
    const QByteArray text = compose();
    EXPECT_FALSE(text.contains("null")) << text.toStdString();
    const json block = formKey()["Form3cdDeprAllw"][0];
    // The department leaves these totals out when they are blank; the additions' cells are 0.
    for (const char *member : {"TotalModvat", "TotalChangeExchangeRate", "TotalSubsidyGrant", "adjustment"})
        EXPECT_FALSE(block.contains(member)) << member;
    const json addition = block["AdditionsInfo"]["Additions"][0];
    EXPECT_EQ(addition["Modvat"], 0);
    EXPECT_EQ(addition["ExchangeRateChange"], -50);
    EXPECT_EQ(addition["subsidyGrant"], 0);
    EXPECT_TRUE(block["RateOfDep"].is_number());
}

TEST_P(PortalLayout, AmountsTypedWithIndianDigitGroupingAreWrittenBare)
{
    setValue(4, "Opt12", "Yes");
    setGrid(4, "12", {{"44AD", "", "1,25,000.50"}});
    EXPECT_EQ(formKey()["Form3cdProfGainsPresum"][0]["Amount"], 125000.5);
}

TEST_P(PortalLayout, ClausesAnsweredNoWriteNoMarkerWords)
{
    for (const char *clause : {"37", "38", "39"}) {
        setValue(19, QStringLiteral("Opt") + clause, "No");
        setValue(19, clause, "Nil");
    }
    const json f = formKey();
    EXPECT_EQ(f["CostAudit"], json({{"CostAuditFlag", "N"}}));
    EXPECT_EQ(f["AuditExcise"], json({{"AuditExciseFlag", "N"}}));
    EXPECT_EQ(f["AuditSec72"], json({{"AuditSec72Flag", "N"}}));
    EXPECT_FALSE(compose().contains("\"Nil\""));
}

TEST_P(PortalLayout, BlocksTakeTheDepartmentsLayout)
{
    setValue(12, "Opt27a", "Yes");
    setValue(5, "NA13c", "0");
    setValue(5, "NA13f", "0");
    setGrid(5, "13c", {{"Change in the method of valuing closing stock", "15000.00", "0.00"}});
    setGrid(5, "13f", {{"ICDS II - Valuation of Inventories", "Valued at cost or net realisable value"}});
    const json f = formKey();
    EXPECT_TRUE(f["Form3cdChngMethAccDtl"].is_object());
    EXPECT_TRUE(f["Form3cdChngMethAccVal"][0]["Form3cdChngMethAccValPK"].is_array());
    EXPECT_TRUE(f["Form3cdDisclVal"][0]["Form3cdDisclValPK"].is_array());
    EXPECT_TRUE(f["Form3cdChngMethAccValChange"]["Form3cdChngMethAccValTotal"].is_array());
    EXPECT_FALSE(f.contains("Form3cdChngMethAccValTotal"));
    EXPECT_TRUE(f["Form3cdPl"].is_array());
    const json item = f["Form3cdTradeRawProdDet"][0];
    EXPECT_EQ(item["Form3cdTradeRawProdDetPK"], json({{"ConcernType", "TRADE"}}));
    EXPECT_TRUE(item.contains("ItemName"));
}

namespace
{

QList<ValidationFinding> checked(const json &doc)
{
    const QByteArray schema = readFile(
        QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/JSONSchema/FORM3CA3CD/FORM3CA3CD_MainSchema.json"));
    return JsonSchemaCheck(schema.toStdString()).run(doc.dump(2));
}

} // namespace

TEST_P(PortalLayout, OurSchemaTakesOnlyRealCalendarDates)
{
    json doc = document();
    json &point1 = doc["FORM3CA"]["F3CA"]["Declaration"]["Point1"];
    for (const char *date : {"2024-02-29", "2025-04-30", "2025-12-31", "2000-02-29"}) {
        point1["AuditDated"] = date;
        EXPECT_TRUE(checked(doc).isEmpty()) << date;
    }
    for (const char *date : {"2025-02-30", "2025-02-29", "2025-04-31", "1900-02-29", "2025-00-10"}) {
        point1["AuditDated"] = date;
        EXPECT_EQ(checked(doc).size(), 1) << date;
    }
}

TEST_P(PortalLayout, OurSchemaTakesAnySoftwaresIdAndOptionalMembersLeftOut)
{
    json doc = document();
    json &key = doc["FORM3CA"]["F3CA"];
    key["CreationInfo"]["SWCreatedBy"] = "SW92000123";
    key["CreationInfo"]["JSONCreatedBy"] = "SW92000123";
    key["Form_Details"]["FormName"] = "FORM3CA";
    key["Declaration"]["Point1"]["AssesseeName"].erase("FirstName");
    key["Declaration"]["Point1"]["AssesseeName"].erase("MiddleName");
    key["Declaration"]["Point1"].erase("Other_Act");
    for (json &block : key["Form3cdDeprAllw"]) {
        for (const char *member : {"adjustment", "methodOfDepreciation", "Intangibledjustmentwrittendown",
                                   "OtherAdjustmentsifAny", "Puttouseforlessthan180days", "morethan180",
                                   "TotalModvat", "TotalChangeExchangeRate", "TotalSubsidyGrant"})
            block.erase(member);
    }
    key["Form3cdFlags"].erase("ChangeInPartner");
    key["Form3cdFlags"].erase("SharesOfMem");
    key["OtherInformation1"].erase("IpAddress");
    key["OtherInformation1"].erase("LocalityOrArea");
    key["OtherInformation1"].erase("PostOffice");
    for (const ValidationFinding &f : checked(doc))
        ADD_FAILURE() << f.root.toStdString() << " " << f.message.toStdString();
}
