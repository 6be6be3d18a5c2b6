#include "ImportTestSupport.h"
#include "ToolRun.h"

#include "commands/clsImportJSON.h"
#include "efiling/CodeLookups.h"
#include "efiling/EditorPlace.h"
#include "efiling/EfilingExport.h"
#include "efiling/FileFindings.h"
#include "efiling/JsonFileCheck.h"
#include "host/DemoClauses.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QTemporaryDir>
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

namespace
{

// The file in the department's AY 2022-23 layout: the lists of the attachments beside their
// "…Info" objects, AuditYearDate beside PointA, no BooksOfAccType in 11(b), clause 21(c)'s
// section as "40b" and clause 18's additions and deductions directly in the block.
json ofThatYearsLayout(const json &current)
{
    json older = current;
    json &key = formKey(older);
    key["Form_Details"]["AssessmentYear"] = "2022";
    key["Form_Details"]["SchemaVer"] = "Ver1.4";
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
    return older;
}

} // namespace

TEST_P(EarlierLayout, AFileOfThatYearsLayoutComesBackWhole)
{
    json current = demoFile();
    forEachIndianAddress(current, [](json &a) {
        a["CityOrTownOrDistrict"] = "602";
        a["PostOffice"] = "611";
        a["LocalityOrArea"] = "6110";
    });
    const json older = ofThatYearsLayout(current);
    const json written = importedAndWritten(older);
    EXPECT_EQ(missing(current, written), QStringList());
    EXPECT_EQ(messagesOf(schemaFindings(written)), QStringList());
}

TEST_P(EarlierLayout, ThatYearsLayoutIsToldOnceAndThenTheRealFaults)
{
    const json older = ofThatYearsLayout(demoFile());
    json faulty = older;
    formKey(faulty)["PartA"]["PAN"] = "ABC";
    QTemporaryDir home;
    const QString path = writeFile("3CA_2022.json", QByteArray::fromStdString(faulty.dump(2)));
    const ToolRun run = runTaxaudit(home.path(), {"validate", path});
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    const QStringList lines = run.out.trimmed().split(u'\n');
    ASSERT_EQ(lines.size(), 2) << run.out.toStdString();
    EXPECT_TRUE(
        lines[0].startsWith("This file uses the layout of AY 2022-23 (schema Ver1.4); it differs from "
                            "the current one in "))
        << lines[0].toStdString();
    for (const char *difference :
         {"Form3cdAmtInadm40A stands beside Form3cdAmtInadm40AInfo", "AuditYearDate stands beside PointA",
          "Form3cdBooksOfAccLstAddress has no BooksOfAccType",
          "Form3cdAmtInadm40AAmtDebit writes Section \"40b\" for \"40(b)\"",
          "Form3cdDeprAllw holds Additions without AdditionsInfo"})
        EXPECT_TRUE(lines[0].contains(difference)) << difference << "\n" << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains("PAN")) << lines[1].toStdString();

    // The desktop program's check of a file says the same.
    const FileCheckResult desktop = JsonFileCheck::check(path, EfilingExport::schemaFile(FormKind::F3CA));
    EXPECT_EQ(desktop.layout, lines[0]);
    ASSERT_EQ(desktop.findings.size(), 1);
    EXPECT_TRUE((desktop.findings[0].member + desktop.findings[0].message).contains("PAN"));
    EXPECT_EQ(desktop.viewerLines.size(), desktop.findings.size());

    // The import says it once too.
    importedAndWritten(older);
    const QString notice = env->prompt().texts().join(u'\n');
    EXPECT_TRUE(notice.contains("This file uses the layout of AY 2022-23")) << notice.toStdString();
}

TEST_P(EarlierLayout, TheDesktopCheckAndTaxauditValidateTellTheSameFindings)
{
    // A file of that layout as filed, and one with a fault of its own besides.
    const json older = ofThatYearsLayout(demoFile());
    json faulty = older;
    formKey(faulty)["PartA"]["PAN"] = "ABC";
    QTemporaryDir home;
    for (const auto &[name, document] :
         {std::pair{"3CA_filed.json", older}, std::pair{"3CA_faulty.json", faulty}}) {
        const QString path = writeFile(name, QByteArray::fromStdString(document.dump(2)));
        const ToolRun run = runTaxaudit(home.path(), {"validate", path});
        const FileCheckResult desktop =
            JsonFileCheck::check(path, EfilingExport::schemaFile(FormKind::F3CA), JsonFileCheck::Heed::All);
        ASSERT_FALSE(desktop.layout.isEmpty()) << name;
        QString told = desktop.layout + u'\n';
        for (const ValidationFinding &f : desktop.findings)
            told += FileFindings::line(f) + u'\n';
        EXPECT_EQ(run.out, told) << name;
        EXPECT_EQ(run.status, desktop.findings.isEmpty() ? 0 : 1) << name << run.err.toStdString();
    }
}

TEST_P(EarlierLayout, WhatTheRowsDoNotGiveAgainComesBackAsFiled)
{
    json file = demoFile();
    json &key = formKey(file);
    // Attachment blocks without rows, as the department's utility writes them.
    const json csv = {{"Attachment", {{"mimetype", "text/csv"}, {"hash", "12345"}}},
                      {"HasMoreThan500", "false"}};
    for (const std::string list : {"Form3cdAmtInadm40A1", "Form3cdAmtInadm40A3", "Form3cdAmtInadm40A5"}) {
        key.erase(list);
        key[list + "Info"] = {{"CsvDtls", csv}, {list, json::array()}};
    }
    // Clause 37 answered No, its words "NA".
    key["CostAudit"] = {{"CostAuditFlag", "N"}, {"CostAuditDetail", "NA"}};
    // Clause 10(b) answered No, with the entry the utility writes all the same.
    const json sector = key["F3cdFirmAopDtlNatOfBusiness"]["Form3cdFirmAopDetailPK"][0]["Sector"];
    key["F3cdFirmAopDtlChangeInNature"] = {
        {"Form3cdFirmAopDetailPK", json::array({{{"ChangeType", "CHNG_NATURE_BUSNS"},
                                                 {"FirmAopBuss", "NA"},
                                                 {"Sector", sector},
                                                 {"FirmAopDesc", "NA"}}})}};
    key["Form3cdFlags"]["ChangeNaturBuisnes"] = "N";
    // The type of account as the accountant wrote it.
    key["Declaration"]["Point1"]["PointA"]["TypeOfAccount"] = "Profit and loss account";
    key["Declaration"]["Point1"]["PointC"] = "Profit and loss account";

    const json written = importedAndWritten(file);
    const json &writtenKey = written.at("FORM3CA").at("F3CA");
    EXPECT_EQ(missing(file, written), QStringList());
    for (const char *block : {"Form3cdAmtInadm40A1Info", "Form3cdAmtInadm40A3Info", "Form3cdAmtInadm40A5Info",
                              "CostAudit", "F3cdFirmAopDtlChangeInNature"})
        EXPECT_EQ(writtenKey.value(block, json()), key[block]) << block;
    EXPECT_EQ(messagesOf(schemaFindings(written)), QStringList());

    // Written again from the report, without another import, they stay.
    const json again = json::parse(documentOf("C004").toStdString());
    EXPECT_EQ(missing(file, again), QStringList());
}

TEST_P(EarlierLayout, WhatTheAccountantAnswersAfterwardsIsNotWrittenTwice)
{
    json file = demoFile();
    formKey(file)["CostAudit"] = {{"CostAuditFlag", "N"}, {"CostAuditDetail", "NA"}};
    importedAndWritten(file);
    {
        Transaction tx(env->host().DBObj());
        ClauseStore::deletePoint(19, "Opt37");
        ClauseStore::insertRow(19, "Opt37", {"Yes"});
        ClauseStore::deletePoint(19, "37");
        ClauseStore::insertRow(19, "37", {"Cost audit by M/s Rao & Co."});
        tx.commit();
    }
    const QByteArray text = documentOf("C004");
    EXPECT_EQ(text.count("\"CostAuditDetail\""), 1);
    EXPECT_EQ(json::parse(text.toStdString())["FORM3CA"]["F3CA"]["CostAudit"]["CostAuditDetail"],
              "Cost audit by M/s Rao & Co.");
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
