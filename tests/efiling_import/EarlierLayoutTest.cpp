#include "ImportTestSupport.h"

#include "efiling/CodeLookups.h"
#include "efiling/EditorPlace.h"
#include "commands/clsImportJSON.h"
#include "host/DemoClauses.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <algorithm>
#include <functional>
#include <map>
#include <tuple>

using nlohmann::json;

namespace
{

// Files of the department's AY 2022-23 layout are made here from the program's file of the
// filled demo report, each with one of the ways that layout differs from today's.

json &formKey(json &doc)
{
    return doc["FORM3CA"]["F3CA"];
}

// Every Indian address of a report's clauses, wherever it stands (the signing accountant's
// comes from the auditors' master, not from the report).
void forEachIndianAddress(json &value, const std::function<void(json &)> &visit)
{
    if (value.is_object()) {
        if (value.value("CountryCode", json()) == "91") {
            visit(value);
            return;
        }
        for (auto it = value.begin(); it != value.end(); ++it) {
            if (it.key() != "OtherInformation1")
                forEachIndianAddress(it.value(), visit);
        }
    } else if (value.is_array()) {
        for (json &item : value)
            forEachIndianAddress(item, visit);
    }
}

// The places of a document's values: the chain of member names (list positions aside), each
// with the values found there.
using Places = std::multimap<std::string, std::string>;

void collect(const json &value, const std::string &path, Places &places)
{
    if (value.is_object()) {
        for (auto it = value.begin(); it != value.end(); ++it)
            collect(it.value(), path + "/" + it.key(), places);
    } else if (value.is_array()) {
        for (const json &item : value)
            collect(item, path, places);
    } else {
        places.emplace(path, value.is_string() ? value.get<std::string>() : value.dump());
    }
}

Places placesOf(const json &doc)
{
    Places places;
    collect(doc, "", places);
    // What each software writes of its own.
    for (auto it = places.begin(); it != places.end();) {
        if (it->first.rfind("/FORM3CA/F3CA/CreationInfo", 0) == 0 ||
            it->first == "/FORM3CA/F3CA/Form_Details/FormName")
            it = places.erase(it);
        else
            ++it;
    }
    return places;
}

// The values of `expected` that `actual` does not have at their place, as "place = value".
QStringList missing(const json &expected, const json &actual)
{
    Places left = placesOf(actual);
    QStringList out;
    for (const auto &[place, value] : placesOf(expected)) {
        auto range = left.equal_range(place);
        auto found =
            std::find_if(range.first, range.second, [&](const auto &p) { return p.second == value; });
        if (found == range.second)
            out << QString::fromStdString(place + " = " + value);
        else
            left.erase(found);
    }
    return out;
}

QStringList messagesOf(const QList<ValidationFinding> &findings)
{
    QStringList out;
    for (const ValidationFinding &f : findings)
        out << f.root + u' ' + f.message;
    return out;
}

} // namespace

class EarlierLayout : public ImportTest
{
protected:
    // The program's file of the filled demo report, with an address in every clause that has
    // one and the clause 21(c) and 26 tables that carry section codes.
    json demoFile()
    {
        open("C001");
        Transaction tx(env->host().DBObj());
        const QStringList codes{"9001", "9002", "9003"};
        const QStringList mumbai{"India",         "Shop 4", "Market Road", "400001",
                                 "Mumbai G.P.O.", "Fort",   "Mumbai",      "Maharashtra"};
        const QList<std::tuple<int, QString, QList<QStringList>>> grids{
            {7,
             "17",
             {QStringList{"Godown"} + mumbai + QStringList{"2500000.00", "2600000.00", "Yes"} + codes}},
            {9,
             "21bia",
             {QStringList{"15/05/2025", "45000.00", "Freight", "Ramesh Transport", "ABCPR1234K", ""} +
              mumbai + codes}},
            {9, "21c", {{"Interest", "40(b)", "120000.00", "90000.00", "30000.00", "Above 12%"}}},
            {11,
             "26iAa",
             {{"(a) Any sum payable by way of tax, duty, cess or fee, by whatever name called, under any law",
               "Professional tax", "2500.00"}}},
            {14,
             "30",
             {QStringList{"Suresh Traders", "ABCPS1234K", ""} + mumbai +
              QStringList{"50000.00", "10/06/2025", "52000.00", "52000.00", "10/12/2025"} + codes}}};
        for (const auto &[page, point, rows] : grids) {
            ClauseStore::deletePoint(page, point);
            DemoData::insertGrid(page, point, rows);
        }
        for (const auto &[page, tick, answer] :
             {std::tuple{7, "NA17", "0"}, std::tuple{9, "NA21bia", "0"}, std::tuple{9, "NA21c", "0"},
              std::tuple{11, "NA26Aa", "0"}, std::tuple{14, "Opt30", "Yes"}}) {
            ClauseStore::deletePoint(page, tick);
            ClauseStore::insertRow(page, tick, {answer});
        }
        tx.commit();
        return json::parse(documentOf("C001").toStdString());
    }
};

TALVEX_BOTH_ENGINES(EarlierLayout);

TEST_P(EarlierLayout, AddressCodesOfAFileAreWrittenBackAsTheyCame)
{
    json file = demoFile();
    int addresses = 0;
    forEachIndianAddress(file, [&](json &a) {
        a["CityOrTownOrDistrict"] = "602";
        a["PostOffice"] = "611";
        a["LocalityOrArea"] = "6110";
        ++addresses;
    });
    // The declaration, Part A, 11(b), 17, 21(b) and 30.
    EXPECT_GE(addresses, 6);
    const json written = importedAndWritten(file);
    EXPECT_EQ(missing(file, written), QStringList());
    EXPECT_EQ(messagesOf(schemaFindings(written)), QStringList());
}

TEST_P(EarlierLayout, TheProgramInventsNoAddressCode)
{
    EXPECT_EQ(CodeLookups::districtCode("400001", "Mumbai"), "");
    EXPECT_EQ(CodeLookups::postOfficeCode("400001", "Mumbai G.P.O."), "");
    EXPECT_EQ(CodeLookups::localityCode("400001", "Fort"), "");
    // A report whose addresses carry no codes is written without any.
    demoFile();
    const QString table = QStringLiteral("anx_j3cd_2026");
    for (int col = 1; col <= 22; ++col)
        env->host().DBObj().Execute(
            QStringLiteral("UPDATE %1 SET Col%2='' WHERE Col%2 IN ('9001','9002','9003')")
                .arg(table)
                .arg(col));
    json file = json::parse(documentOf("C001").toStdString());
    int addresses = 0;
    forEachIndianAddress(file, [&](json &a) {
        ++addresses;
        EXPECT_EQ(a["CityOrTownOrDistrict"], "") << a.dump();
        EXPECT_EQ(a["PostOffice"], "") << a.dump();
        EXPECT_EQ(a["LocalityOrArea"], "") << a.dump();
    });
    EXPECT_GE(addresses, 6);
}

TEST_P(EarlierLayout, PrimaryAdjustmentAnswersAreYesOrNo)
{
    json file = demoFile();
    json &key = formKey(file);
    key["Form3cdSec92CE"] = json::array({{{"UnderSec92CE", "(i)"},
                                          {"PrimaryAdjAmt", 150000},
                                          {"ExcessRepatriatedAmt", "Y"},
                                          {"ImputedRepatriatedAmt", "N"},
                                          {"ImputedInterestIncome", 4500}}});
    key["Form3cdFlags"]["TransferPriceSection92CE"] = "Y";
    EXPECT_EQ(messagesOf(schemaFindings(file)), QStringList());
    const json written = importedAndWritten(file);
    EXPECT_EQ(written.at("FORM3CA").at("F3CA").at("Form3cdSec92CE"), key["Form3cdSec92CE"]);
    EXPECT_EQ(messagesOf(schemaFindings(written)), QStringList());
    bool stored = false;
    for (const QString &row : rowsOf("C004"))
        stored = stored || (row.contains("|30A|(i)|") && row.contains("|Yes|No|"));
    EXPECT_TRUE(stored) << rowsOf("C004").join(u'\n').toStdString();
}

TEST_P(EarlierLayout, EarlierSectionCodesAreReadAsTodays)
{
    json file = demoFile();
    json &key = formKey(file);
    ASSERT_FALSE(key["Form3cdAmtInadm40AAmtDebit"].empty());
    ASSERT_FALSE(key["Form3cdUnpaidStrySec43bInfo"]["Form3cdUnpaidStrySec43b"].empty());
    json older = file;
    for (json &row : formKey(older)["Form3cdAmtInadm40AAmtDebit"])
        row["Section"] = "40b";
    for (json &row : formKey(older)["Form3cdUnpaidStrySec43bInfo"]["Form3cdUnpaidStrySec43b"])
        row["Section"] = "43B";
    for (json &row : key["Form3cdAmtInadm40AAmtDebit"])
        row["Section"] = "40(b)";
    for (json &row : key["Form3cdUnpaidStrySec43bInfo"]["Form3cdUnpaidStrySec43b"])
        row["Section"] = "43Ba";
    const json written = importedAndWritten(older);
    const json &writtenKey = written.at("FORM3CA").at("F3CA");
    EXPECT_EQ(writtenKey.at("Form3cdAmtInadm40AAmtDebit"), key["Form3cdAmtInadm40AAmtDebit"]);
    EXPECT_EQ(writtenKey.at("Form3cdUnpaidStrySec43bInfo").at("Form3cdUnpaidStrySec43b"),
              key["Form3cdUnpaidStrySec43bInfo"]["Form3cdUnpaidStrySec43b"]);
}

TEST_P(EarlierLayout, DepreciationAdditionsAndDeductionsDirectlyInTheBlockAreRead)
{
    const json file = demoFile();
    json older = file;
    int lists = 0;
    for (json &block : formKey(older)["Form3cdDeprAllw"]) {
        for (const char *info : {"AdditionsInfo", "DeductionsInfo"}) {
            if (!block.contains(info))
                continue;
            const std::string list = std::string(info).substr(0, std::string(info).size() - 4);
            block[list] = block[info][list];
            block.erase(info);
            ++lists;
        }
    }
    ASSERT_GE(lists, 2);
    const json written = importedAndWritten(older);
    EXPECT_EQ(missing(file, written), QStringList());
    EXPECT_FALSE(env->prompt().texts().join(u'\n').contains("Form3cdDeprAllw"))
        << env->prompt().texts().join(u'\n').toStdString();
}

TEST_P(EarlierLayout, AFileOfThatYearsLayoutComesBackWhole)
{
    json current = demoFile();
    forEachIndianAddress(current, [](json &a) {
        a["CityOrTownOrDistrict"] = "602";
        a["PostOffice"] = "611";
        a["LocalityOrArea"] = "6110";
    });
    json older = current;
    json &key = formKey(older);
    key["Form_Details"]["AssessmentYear"] = "2023";
    listsBesideTheirInfo(key);
    json &pointOne = key["Declaration"]["Point1"];
    pointOne["AuditYearDate"] = pointOne["PointA"]["AuditYearDate"];
    pointOne["PointA"].erase("AuditYearDate");
    for (json &item : key["Form3cdBooksOfAccLstAddress"])
        item["Form3cdBooksOfAccLstPK"].erase("BooksOfAccType");
    for (json &row : key["Form3cdAmtInadm40AAmtDebit"]) {
        if (row["Section"] == "40(b)")
            row["Section"] = "40b";
    }
    for (json &block : key["Form3cdDeprAllw"]) {
        for (const std::string list : {"Additions", "Deductions"}) {
            if (block.contains(list + "Info")) {
                block[list] = block[list + "Info"][list];
                block.erase(list + "Info");
            }
        }
    }
    const json written = importedAndWritten(older);
    EXPECT_EQ(missing(current, written), QStringList());
    EXPECT_EQ(messagesOf(schemaFindings(written)), QStringList());
}

TEST_P(EarlierLayout, EveryUnknownMemberOfAnObjectIsNamed)
{
    json file = demoFile();
    for (const char *name : {"Form3cdOfficeUse", "Remarks", "LegacyTotals"})
        formKey(file)[name] = "x";
    QStringList named;
    for (const ValidationFinding &f : schemaFindings(file))
        named << f.member;
    named.sort();
    EXPECT_EQ(named, QStringList({"Form3cdOfficeUse", "LegacyTotals", "Remarks"}));
}

TEST_P(EarlierLayout, TheSigningAccountantsMembersBelongToTheSigningPage)
{
    for (const char *member : {"FirstName", "MembershipNo", "CityOrTownOrDistrict", "FirmRegNum"}) {
        const EditorPlace::Place place =
            EditorPlace::locate(QStringLiteral("/FORM3CA/F3CA/OtherInformation1/") + member);
        EXPECT_EQ(place.page, 21) << member;
    }
}

TEST_P(EarlierLayout, WhatIsNotKeptIsSaidWithItsClause)
{
    json file = demoFile();
    ASSERT_FALSE(formKey(file)["Form3cdDeprAllw"].empty());
    formKey(file)["Form3cdDeprAllw"][0]["BlockRemarks"] = "as per books";
    formKey(file)["PartA"]["OfficeNote"] = "none";
    importedAndWritten(file);
    const QString notice = env->prompt().texts().join(u'\n');
    EXPECT_TRUE(notice.contains("Form3cdDeprAllw/BlockRemarks (clause 18)")) << notice.toStdString();
    EXPECT_TRUE(notice.contains("PartA/OfficeNote (Part A)")) << notice.toStdString();
}

TEST_P(EarlierLayout, AMissingAddressCodeIsFoundWhereTheAccountantTypesIt)
{
    const EditorPlace::Place place =
        EditorPlace::locate("/FORM3CA/F3CA/Form3cdBooksOfAccLstAddress/0/Form3cdBooksOfAccLstPK/"
                            "AddressDetail/CityOrTownOrDistrict");
    EXPECT_EQ(place.page, 4);
    EXPECT_EQ(place.row, 1);
    EXPECT_EQ(place.item, "District code");
    EXPECT_EQ(place.column, 9);
}
