#include "ImportTestSupport.h"

#include "commands/clsImportJSON.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

using nlohmann::json;

namespace
{

json indianAddress()
{
    // Codes only, as other software may write them: the names come from the host's tables,
    // once the department's lists are loaded there.
    return {{"AddrDetail1", "Flat 7B"},  {"AddrDetail2", "Anna Salai"}, {"CityOrTownOrDistrict", "509"},
            {"LocalityOrArea", "20024"}, {"LocalityOrAreaName", ""},    {"PostOffice", "300028"},
            {"PostOfficeName", ""},      {"StateCode", "29"},           {"CountryCode", "91"},
            {"PinCode", "600001"}};
}

// A Form 3CA file as other software following the schema might write it.
json otherSoftwareFile()
{
    json f;
    f["Declaration"]["Point3"]["Observations"] = {
        {{"ObservationsCode", "04"}, {"ObservationsVal", "No stock register for the godown."}},
        {{"ObservationsCode", "17"}, {"ObservationsVal", "Cash certified by the management."}}};
    f["PartA"] = {{"AssesseeName", {{"FirstName", "Ravi"}, {"MiddleName", "Kumar"}, {"LastName", "Iyer"}}},
                  {"AddressDetail", indianAddress()},
                  {"PAN", "ABCPI6789F"},
                  {"IndirectTaxFlag", "Y"},
                  {"Form3cdIndirectTax",
                   {{{"IndirectTaxType", "SAT"},
                     {"StateCode", "29"},
                     {"OtherIndirectTaxType", ""},
                     {"RegNo", "33ABCPI6789F1Z2"}}}},
                  {"Status", 1},
                  {"PartAStartDate", "2025-04-01"},
                  {"PartAEndDate", "2026-03-31"},
                  {"AssessmentYear", "2026-27"},
                  {"Clause", {{{"ClauseNo", "44ABb"}}}}};
    f["F3cdFirmAopDtlNatOfBusiness"]["Form3cdFirmAopDetailPK"] = {
        {{"ChangeType", "CURR_NATURE_BUSNS"}, {"Sector", "16003"}, {"FirmAopDesc", "Tax practice"}}};
    f["Form3cdCapAsstSit"] = {
        {{"DescCapAsst", "Office at Egmore"}, {"DateOfAcq", "2025-05-10"}, {"CostOfAcq", 2500000}}};
    f["Form3cdDeprAllw"] = {{{"DescBlockAssets", "2"},
                             {"RateOfDep", "30%"},
                             {"OpeningWDV", 100000.00},
                             {"AdditionsInfo",
                              {{"CsvDtls", {{"HasMoreThan500", "false"}}},
                               {"Additions",
                                {{{"PurchaseOrSaleDate", "2025-06-15"},
                                  {"DatePutToUse", "2025-06-20"},
                                  {"PurchaseOrSaleValue", 5000.5},
                                  {"Modvat", 0},
                                  {"ExchangeRateChange", 0},
                                  {"subsidyGrant", 0},
                                  {"TotalPurchaseValue", 5000.5}},
                                 {{"PurchaseOrSaleDate", "2026-01-10"},
                                  {"DatePutToUse", "2026-01-15"},
                                  {"PurchaseOrSaleValue", 700},
                                  {"Modvat", 0},
                                  {"ExchangeRateChange", 0},
                                  {"subsidyGrant", 0},
                                  {"TotalPurchaseValue", 700}}}}}}}};
    f["Form3cdAmtInadm40A6Info"] = {{"CsvDtls", {{"HasMoreThan500", "false"}}},
                                    {"Form3cdAmtInadm40A6",
                                     {{{"ParticularType", "SUBCLAUSEiii"},
                                       {"DateOfPayment", "2025-11-03"},
                                       {"AmtOfPayment", 180000},
                                       {"NameOfPayee", "Harbor Analytics Inc"},
                                       {"AddressDetails",
                                        {{"AddrDetail1", "1 Main Street"},
                                         {"AddrDetail2", ""},
                                         {"CityOrTownOrDistrict", "Boston"},
                                         {"LocalityOrArea", "Back Bay"},
                                         {"PostOffice", ""},
                                         {"StateCode", "99"},
                                         {"CountryCode", "2"},
                                         {"PinCode", "02116"}}}}}}};
    f["Form3cdProfGainsTaxSec41"] = {{{"NameOfParty", "Old creditor"},
                                      {"Amount", 40000},
                                      {"SectionNo", "SEC411a"},
                                      {"Description", "Liability written back"},
                                      {"Computation", "As per books"}}};
    f["Form3cdProfGainsPresum"] = {{{"SectionNo", "44ADA"}, {"OtherSection", ""}, {"Amount", 125000}}};
    f["Form3cdDisclVal"] = {{{"Form3cdDisclValPK",
                              {{"AccType", "DEVIATION_VALUE"},
                               {"Icds", "ICDSVI"},
                               {"Disclosure", "Forward cover premium spread"}}}}};
    f["Form3cdBflDa"] = {
        {{"AssessmentYear", "2023-24"}, {"NatureOfLossAllw", "BUSLOSS"}, {"AmtReturned", 1000}},
        {{"AssessmentYear", "2024-25"}, {"NatureOfLossAllw", "UDLOSS"}, {"AmtReturned", 2000}}};
    f["Form3cdTradeRawProdDet"] = {
        {{"Form3cdTradeRawProdDetPK",
          {{"ConcernType", "RAWMAT"}, {"ItemName", "Cotton yarn"}, {"Unit", "KGS"}}}},
        {{"Form3cdTradeRawProdDetPK",
          {{"ConcernType", "TRADE"}, {"ItemName", "Fabric bales"}, {"Unit", "BAG"}}}}};
    f["CostAudit"] = {{"CostAuditFlag", "Y"}, {"CostAuditDetail", "Cost audit report of 12/09/2026"}};
    f["Form3cdRefundDmdPrevYr"] = {{{"FinYear", "2024-25"},
                                    {"NameOfTaxLaw", "GST"},
                                    {"TypeOfAmount", "DEMAND"},
                                    {"DateOfDemand", "2025-07-15"},
                                    {"Amount", 25000},
                                    {"Remarks", ""},
                                    {"StateCode", "19"},
                                    {"OtherTaxLaw", ""}}};
    f["Form3cdFlags"] = {{"ChngMethodOfAcc", "Y"},
                         {"ChngShareSec79", "N"},
                         {"Sec145", "X"},
                         {"SalesTax", "N"},
                         {"ChangeInPartner", "N"}};
    f["OtherInformation1"] = {{"FirstName", "Anil"}, {"Place", "Chennai"}, {"Date", "2026-09-25"}};
    f["assignFlag"] = "Y";
    f["type"] = "115BAC";
    return json{{"FORM3CA", {{"F3CA", f}}}};
}

} // namespace

class Mapping : public ImportTest
{
protected:
    void SetUp() override
    {
        ImportTest::SetUp();
        if (!env)
            return;
        Database &db = env->host().DBObj();
        db.Execute(
            "INSERT INTO po_postof (post_office_cd, post_office_name) VALUES ('300028', 'Chennai G.P.O.')");
        db.Execute("INSERT INTO po_locality (locality_cd, locality_name) VALUES ('20024', 'Parrys')");
        db.Execute(
            "INSERT INTO po_district (district_cd, district_desc, state_cd) VALUES ('509', 'Chennai', '29')");
        const QString file = writeFile("other.json", QByteArray::fromStdString(otherSoftwareFile().dump(2)));
        open("C004");
        env->prompt().queue(PromptAnswer::Yes); // another client's file, imported on purpose
        ASSERT_TRUE(clsImportJSON().ImportJSON(file));
    }
    static ClauseStore::ClauseRow row(int page, const QString &point, int n = 0)
    {
        const QList<ClauseStore::ClauseRow> rows = ClauseStore::readPoint(page, point);
        return n < rows.size() ? rows.at(n) : ClauseStore::ClauseRow{};
    }
};

TALVEX_BOTH_ENGINES(Mapping);

TEST_P(Mapping, CodeTablesAreReadBackwards)
{
    EXPECT_EQ(row(2, "4").col(1), "Sales Tax/VAT");
    EXPECT_EQ(row(2, "8").col(1), "Clause 44AB(b)- Gross receipts of profession exceeding specified limits");
    EXPECT_EQ(row(10, "25").col(3), "Sec  41(1)(a)");
    EXPECT_EQ(row(5, "13f").col(1), "ICDS VI - Changes in Foreign Exchange Rates");
    EXPECT_EQ(row(16, "32a").col(3),
              "Loss from business other than loss from speculative business and specified "
              "business");
    EXPECT_EQ(row(7, "18").col(1), "(18b) Plant & Machinery @ 30%- Sec 32(1)(ii)");
    // Clause 41 offers the tax laws with its own spelling of the same code.
    EXPECT_EQ(row(20, "41").col(2), "Goods & Services Tax");
    EXPECT_EQ(row(20, "41").col(5), "Demand raised");
    EXPECT_EQ(row(20, "41").col(6), "15/07/2025");
}

TEST_P(Mapping, StatesSectorsAndAddressesComeBackAsNames)
{
    EXPECT_EQ(row(2, "4").col(2), "Tamil Nadu");
    EXPECT_EQ(row(20, "41").col(3), "Maharashtra");
    EXPECT_EQ(row(3, "10a").col(1), "PROFESSIONS");
    EXPECT_EQ(row(3, "10a").col(2), "Tax consultancy");
    EXPECT_EQ(row(3, "10a").col(3), "Tax practice");

    // Part A's assessee, on the report page of Form 3CA.
    const ClauseStore::ClauseRow assessee = row(1, "3CA1A");
    EXPECT_EQ(assessee.formName, "3CA");
    EXPECT_EQ(assessee.cols.mid(0, 13),
              QStringList({"Ravi", "Kumar", "Iyer", "INDIA", "Flat 7B", "Anna Salai", "600001",
                           "Chennai G.P.O.", "Parrys", "Chennai", "Tamil Nadu", "ABCPI6789F", ""}));
    // The codes themselves are kept with the row, to be written back as they came.
    EXPECT_EQ(assessee.cols.mid(13, 3), QStringList({"509", "300028", "20024"}));

    const ClauseStore::ClauseRow abroad = row(9, "21bvi");
    EXPECT_EQ(abroad.cols.mid(5, 8), QStringList({"UNITED STATES OF AMERICA", "1 Main Street", "", "02116",
                                                  "", "Back Bay", "Boston", "State outside India"}));
}

TEST_P(Mapping, TheFlagsBecomeOptionRows)
{
    EXPECT_EQ(row(5, "Opt13b").col(1), "True");
    EXPECT_EQ(row(16, "Opt32b").col(1), "False");
    EXPECT_EQ(row(5, "Opt13dn").col(1), "NA");
    EXPECT_EQ(row(5, "NA13d").col(1), "1");
    EXPECT_EQ(row(11, "Opt26").col(1), "No");
    EXPECT_EQ(row(3, "Opt9b").col(1), "No");
    EXPECT_EQ(row(2, "Opt4").col(1), "Yes");
    EXPECT_EQ(row(19, "Opt37").col(1), "Yes");
    EXPECT_EQ(row(19, "37").col(1), "Cost audit report of 12/09/2026");
    EXPECT_EQ(row(2, "Opt8a").col(1), "True");
    EXPECT_EQ(row(2, "8a").col(1), "115BAC");
    // A block the file has without its question's flag was answered Yes.
    EXPECT_EQ(row(4, "Opt12").col(1), "Yes");
    EXPECT_EQ(row(4, "12").col(1), "44ADA");
}

TEST_P(Mapping, TheQualificationsAndTheSigningPlaceComeBack)
{
    EXPECT_EQ(row(1, "3CAQual", 0).cols.mid(0, 2),
              QStringList({"Proper stock records are not maintained by the assessee.",
                           "No stock register for the godown."}));
    EXPECT_EQ(row(1, "3CAQual", 1).cols.mid(0, 2),
              QStringList({"Others", "Cash certified by the management."}));
    EXPECT_EQ(row(1, "3CAOTH").col(4), "Chennai");
    EXPECT_EQ(row(1, "3CAOTH").col(5), "25/09/2026");
    // A file without paragraph 1 leaves the report page as the page shows it at first:
    // the year's period and balance-sheet year, the words to be chosen.
    EXPECT_EQ(row(1, "3CA1").cols.join(""), "01/04/202531/03/20262026");
}

TEST_P(Mapping, TablesKeepTheirShapeAndNumberTheirRows)
{
    // Clause 35: each element to the table of its concern type; a unit code completed to its entry.
    EXPECT_EQ(row(18, "35Ba").cols.mid(0, 2), QStringList({"Cotton yarn", "KGS-KILOGRAMS"}));
    EXPECT_EQ(row(18, "35a").cols.mid(0, 2), QStringList({"Fabric bales", "BAG-BAGS"}));
    // Clause 32(a) keeps a serial number the file does not carry.
    EXPECT_EQ(row(16, "32a", 0).col(1), "1");
    EXPECT_EQ(row(16, "32a", 1).col(1), "2");
    EXPECT_EQ(row(16, "32a", 1).col(23), "2");
    // Clause 18's additions as one cell, entries "#R#", fields "#C#".
    EXPECT_EQ(row(7, "18").col(20), "15/06/2025#C#20/06/2025#C#5000.5#C#0#C#0#C#0#C#5000.5#R#"
                                    "10/01/2026#C#15/01/2026#C#700#C#0#C#0#C#0#C#700");
    EXPECT_EQ(row(7, "18").col(21), "");
    // A member the file leaves out stores nothing.
    EXPECT_EQ(row(6, "15").cols.mid(0, 4), QStringList({"Office at Egmore", "10/05/2025", "2500000", ""}));
}
