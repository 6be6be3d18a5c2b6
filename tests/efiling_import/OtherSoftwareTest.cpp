#include "ImportTestSupport.h"

#include "commands/clsImportJSON.h"
#include "host/DemoClauses.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

using nlohmann::json;

namespace
{

// Files of the department's own layout, as other software writes them, are made here from
// the program's file of the filled demo report by the layout's rules, so that every block is
// in. The department's current layout: its own software id, "FORM3CA" without the blank, and
// a fund the program's own list names in words.
json currentLayout(const QByteArray &ours)
{
    json doc = json::parse(ours.toStdString());
    json &key = doc["FORM3CA"]["F3CA"];
    key["CreationInfo"]["SWCreatedBy"] = "SW92000123";
    key["CreationInfo"]["JSONCreatedBy"] = "SW92000123";
    key["Form_Details"]["FormName"] = "FORM3CA";
    key["Form3cdEmpPfSuperannInfo"]["Form3cdEmpPfSuperann"].push_back({{"NatureOfFund", "PROV1948"},
                                                                       {"Amount", 1250},
                                                                       {"DueDate", "2025-05-15"},
                                                                       {"ActualAmount", 1250},
                                                                       {"ActualDate", "2025-05-10"}});
    return doc;
}

// The same file in the department's earlier layout and with the liberties other software
// takes: attachment arrays beside their "…Info" objects, the year of the accounts directly in
// "Point1", one object where an array is expected and the reverse, amounts as text, numbers
// where text is expected, the total of clause 13(e) in the form key, and members the program
// does not know.
json earlierLayout(const json &current)
{
    json doc = current;
    json &key = doc["FORM3CA"]["F3CA"];
    listsBesideTheirInfo(key);
    json &pointOne = key["Declaration"]["Point1"];
    pointOne["AuditYearDate"] = pointOne["PointA"]["AuditYearDate"];
    pointOne["PointA"].erase("AuditYearDate");

    key["Form3cdChngMethAccDtl"] = json::array({key["Form3cdChngMethAccDtl"]});
    key["Form3cdPl"] = key["Form3cdPl"][0];
    for (json &row : key["Form3cdChngMethAccVal"])
        row["Form3cdChngMethAccValPK"] = row["Form3cdChngMethAccValPK"][0];
    json &change = key["Form3cdChngMethAccValChange"];
    key["Form3cdChngMethAccValTotal"] = change["Form3cdChngMethAccValTotal"][0];
    change.erase("Form3cdChngMethAccValTotal");
    // Stock items wholly inside their key object.
    for (json &item : key["Form3cdTradeRawProdDet"]) {
        json whole = item["Form3cdTradeRawProdDetPK"];
        for (auto it = item.begin(); it != item.end(); ++it) {
            if (it.key() != "Form3cdTradeRawProdDetPK")
                whole[it.key()] = it.value();
        }
        item = json{{"Form3cdTradeRawProdDetPK", whole}};
    }
    for (json &block : key["Form3cdDeprAllw"]) {
        block["OpeningWDV"] = block["OpeningWDV"].dump();
        block["RateOfDep"] = block["RateOfDep"].dump() + "%";
    }
    key["Form3cdOfficeUse"] = {{"Remarks", "for the department"}};
    key["Form3cdPl"]["Remarks"] = "checked";
    return doc;
}

// The paths where two documents differ, leaving out what each software writes of its own:
// the creation block and the spelling of the form's name.
QStringList differences(const json &a, const json &b)
{
    QStringList paths;
    for (const json &op : json::diff(a, b)) {
        const QString path = QString::fromStdString(op["path"].get<std::string>());
        if (!path.startsWith("/FORM3CA/F3CA/CreationInfo") && path != "/FORM3CA/F3CA/Form_Details/FormName")
            paths << path;
    }
    return paths;
}

} // namespace

class OtherSoftware : public ImportTest
{
protected:
    // The program's file of the demo report, with the clause 13 tables the demo leaves empty.
    QByteArray demoFile()
    {
        open("C001");
        Transaction tx(env->host().DBObj());
        for (const char *tick : {"NA13c", "NA13f"}) {
            ClauseStore::deletePoint(5, tick);
            ClauseStore::insertRow(5, tick, {"0"});
        }
        DemoData::insertGrid(5, "13c",
                             {{"Change in the method of valuing closing stock", "15000.00", "0.00"}});
        DemoData::insertGrid(
            5, "13f", {{"ICDS II - Valuation of Inventories", "Valued at cost or net realisable value"}});
        tx.commit();
        return documentOf("C001");
    }
};

TALVEX_BOTH_ENGINES(OtherSoftware);

TEST_P(OtherSoftware, OurSchemaAcceptsTheDepartmentsLayout)
{
    const json file = currentLayout(demoFile());
    for (const ValidationFinding &f : schemaFindings(file))
        ADD_FAILURE() << f.root.toStdString() << " " << f.message.toStdString();
}

TEST_P(OtherSoftware, AFileInTheDepartmentsLayoutComesBackWithEveryValue)
{
    const json file = currentLayout(demoFile());
    const json written = importedAndWritten(file);
    EXPECT_EQ(env->prompt().lastText(), "Imported Successfully.");
    // The declaration too: the assessee, the paragraphs, the qualifications, place and date.
    EXPECT_EQ(differences(file, written), QStringList());
    EXPECT_TRUE(schemaFindings(written).isEmpty());
    // The fund the department names by its code is kept in the words of the program's list.
    bool found = false;
    for (const QString &row : rowsOf("C004"))
        found = found || row.contains("|20b|Any Fund set up under the provisions of ESI Act , 1948|");
    EXPECT_TRUE(found);
}

TEST_P(OtherSoftware, TheEarlierLayoutAndOtherSoftwaresLibertiesAreReadWhole)
{
    const json current = currentLayout(demoFile());
    const json written = importedAndWritten(earlierLayout(current));
    EXPECT_EQ(differences(current, written), QStringList());
    // What the program does not know is said, once, after the import.
    const QString notice = env->prompt().lastText();
    EXPECT_TRUE(notice.contains("Form3cdOfficeUse")) << notice.toStdString();
    EXPECT_TRUE(notice.contains("Form3cdPl/Remarks")) << notice.toStdString();
}
