#include "EfilingTestSupport.h"

#include "catalogue/AssesseeRow.h"
#include "dialogs/clsExportJSON.h"
#include "efiling/CsvAttachment.h"
#include "efiling/KestrovaJVUtil.h"
#include "host/HostContext.h"
#include "store/ClauseStore.h"

#include <QFile>

using nlohmann::json;

class ExportDocument : public EfilingTest
{
};

TALVEX_BOTH_ENGINES(ExportDocument);

TEST_P(ExportDocument, TheDemoReportMatchesTheReviewedFile)
{
    const QByteArray expected = readFile(QStringLiteral(TALVEX_EFILING_TEST_DATA "/FORM3CA_C001_2026.json"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(withoutCreationDate(compose()).toStdString(), withoutCreationDate(expected).toStdString());
}

TEST_P(ExportDocument, TheDemoReportPassesOurSchema)
{
    const QString file = tempFile(QStringLiteral("demo.json"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(compose());
    out.close();
    const SchemaCheckResult checked =
        KestrovaJVUtil().Validate(file, clsExportJSON::schemaFolder() + "/FORM3CA3CD_MainSchema.json");
    EXPECT_FALSE(checked.failed());
    EXPECT_TRUE(checked.findings.isEmpty());
}

TEST_P(ExportDocument, AnOptionAnsweredNoLeavesItsBlockOutAndFlagsN)
{
    setValue(4, "Opt12", "Yes");
    setGrid(4, "12", {{"44AD", "", "125000.00"}});
    json f = formKey();
    ASSERT_TRUE(f.contains("Form3cdProfGainsPresum"));
    EXPECT_EQ(f["Form3cdProfGainsPresum"][0]["SectionNo"], "44AD");
    EXPECT_EQ(f["Form3cdProfGainsPresum"][0]["Amount"], 125000.0);
    EXPECT_EQ(f["Form3cdFlags"]["PrftLoassAcnt"], "Y");

    setValue(4, "Opt12", "False");
    f = formKey();
    EXPECT_FALSE(f.contains("Form3cdProfGainsPresum"));
    EXPECT_EQ(f["Form3cdFlags"]["PrftLoassAcnt"], "N");

    setValue(4, "Opt12", "NA");
    EXPECT_EQ(formKey()["Form3cdFlags"]["PrftLoassAcnt"], "X");
}

TEST_P(ExportDocument, ANotApplicableTickLeavesTheBlockOutEvenWithRows)
{
    setGrid(6, "15", {{"Land at Thane", "10/05/2025", "2500000.00", "3100000.00"}});
    setValue(6, "NA15", "1");
    EXPECT_FALSE(formKey().contains("Form3cdCapAsstSit"));

    setValue(6, "NA15", "0");
    const json f = formKey();
    ASSERT_TRUE(f.contains("Form3cdCapAsstSit"));
    EXPECT_EQ(f["Form3cdCapAsstSit"][0]["DateOfAcq"], "2025-05-10");
    EXPECT_EQ(f["Form3cdCapAsstSit"][0]["AmtConvSit"], 3100000.0);
}

TEST_P(ExportDocument, ATableWhoseFirstRowReadsNAIsLeftOut)
{
    removePoint(6, "NA15");
    setGrid(6, "15", {{"NA", "NA", "NA", "NA"}});
    EXPECT_FALSE(formKey().contains("Form3cdCapAsstSit"));
    // The marker is the marker in any letter case, as a user types it.
    setGrid(6, "15", {{" na", "Na", "nA", "na"}});
    EXPECT_FALSE(formKey().contains("Form3cdCapAsstSit"));
    setGrid(6, "15", {{"", "", "1.00", ""}, {"Land", "10/05/2025", "1.00", "2.00"}});
    EXPECT_FALSE(formKey().contains("Form3cdCapAsstSit"));
}

TEST_P(ExportDocument, ABlockWithoutRowsIsAbsentNotAnEmptyArray)
{
    removePoint(8, "20a");
    const QByteArray text = compose();
    EXPECT_FALSE(text.contains("Form3cdEmpBonusComm"));
    EXPECT_FALSE(text.contains("[]"));
}

TEST_P(ExportDocument, ClauseTwentyTwoWithoutRowsStillWritesAmountZero)
{
    removePoint(10, "22");
    removePoint(10, "22b");
    const json f = formKey();
    ASSERT_EQ(f["Form3cdInadm"].size(), 1u);
    EXPECT_EQ(f["Form3cdInadm"][0]["Amount"], 0);
    EXPECT_EQ(f["Form3cdInadm"][0]["ParticularType"], "SEC23");
}

TEST_P(ExportDocument, ClauseTwentyTwoAnsweredNilStillWritesAmountZero)
{
    removePoint(10, "22b");
    setValue(10, "22", "Nil");
    const json f = formKey();
    ASSERT_EQ(f.value("Form3cdInadm", json()).size(), 1u) << f.dump(2);
    EXPECT_EQ(f["Form3cdInadm"][0]["Amount"], 0);
}

TEST_P(ExportDocument, AnEmptyTurnoverIsWrittenAsZero)
{
    setGrid(20, "40a", {{"", ""}});
    EXPECT_EQ(formKey()["Form3cdAccountingRatioCalculations"]["PrevYrProfTurnOvr"]["TotalTurnover"], 0);
}

TEST_P(ExportDocument, WithoutTheConcessionalOptionThereIsNoType)
{
    setValue(2, "Opt8a", "No");
    const json f = formKey();
    EXPECT_EQ(f["assignFlag"], "N");
    EXPECT_FALSE(f.contains("type"));
}

TEST_P(ExportDocument, TheOtherActAndOtherQualificationsGetTheirCodes)
{
    QStringList report = ClauseStore::readPoint(1, "3CA1").first().cols.mid(0, 13);
    report[3] = "Others";
    report[4] = "Punjab Cooperative Societies Act, 1961";
    ClauseStore::deletePoint(1, "3CA1");
    ClauseStore::insertRow(1, "3CA1", report);
    setGrid(1, "3CAQual",
            {{"Others", "Stock not verified"}, {"Valuation of closing stock is not possible.", ""}});
    const json point1 = formKey()["Declaration"]["Point1"];
    EXPECT_EQ(point1["Act"], "67");
    EXPECT_EQ(point1["Other_Act"], "Punjab Cooperative Societies Act, 1961");
    const json observations = formKey()["Declaration"]["Point3"]["Observations"];
    EXPECT_EQ(observations[0]["ObservationsCode"], "17");
    EXPECT_EQ(observations[1]["ObservationsCode"], "05");

    setGrid(1, "3CAQual", {{" ", "only a value"}});
    EXPECT_FALSE(formKey()["Declaration"]["Point3"].contains("Observations"));
}

TEST_P(ExportDocument, AnIndianAddressIsWrittenByTheCodesEnteredWithIt)
{
    const json a = formKey()["Form3cdBooksOfAccLstAddress"][0]["Form3cdBooksOfAccLstPK"]["AddressDetail"];
    EXPECT_EQ(a["CityOrTownOrDistrict"], "9001");
    EXPECT_EQ(a["LocalityOrArea"], "9003");
    EXPECT_EQ(a["LocalityOrAreaName"], "Fort");
    EXPECT_EQ(a["PostOffice"], "9002");
    EXPECT_EQ(a["PostOfficeName"], "Mumbai G.P.O.");
    EXPECT_EQ(a["StateCode"], "19");
    EXPECT_EQ(a["CountryCode"], "91");
    EXPECT_EQ(a["PinCode"], "400001");
}

TEST_P(ExportDocument, AnAddressAbroadKeepsItsNamesWithState99AndTheHostsCountryCode)
{
    setGrid(4, "11b",
            {{"Cash Book", "Singapore", "1 Raffles Place", "#20-01", "048616", "Raffles Place", "Downtown",
              "Singapore", "State outside India"}});
    const json a = formKey()["Form3cdBooksOfAccLstAddress"][0]["Form3cdBooksOfAccLstPK"]["AddressDetail"];
    EXPECT_EQ(a["CityOrTownOrDistrict"], "Singapore");
    EXPECT_EQ(a["LocalityOrArea"], "Downtown");
    EXPECT_EQ(a["PostOffice"], "Raffles Place");
    EXPECT_FALSE(a.contains("LocalityOrAreaName"));
    EXPECT_FALSE(a.contains("PostOfficeName"));
    EXPECT_EQ(a["StateCode"], "99");
    EXPECT_EQ(a["CountryCode"], host().GetCountryCodeNew("Singapore").toStdString());
    EXPECT_EQ(a["CountryCode"], "65");
    EXPECT_EQ(a["PinCode"], "048616");
}

TEST_P(ExportDocument, TheCsvOfATableCarriesTheCountryAndStateCodes)
{
    QList<QStringList> rows;
    for (int i = 0; i < 501; ++i)
        rows << QStringList{"18/08/2025",
                            "1000.00",
                            "Design services",
                            QStringLiteral("Payee %1").arg(i),
                            "",
                            "",
                            "Singapore",
                            "1 Raffles Place",
                            "",
                            "048616",
                            "",
                            "Downtown",
                            "Singapore",
                            ""};
    setGrid(9, "21bia", rows);
    const json info = formKey()["Form3cdAmtInadm40AInfo"];
    const std::string data = info["CsvDtls"]["Attachment"]["encodedData"];
    const QByteArray csv = QByteArray::fromBase64(QByteArray::fromStdString(data.substr(data.find(',') + 1)));
    const QStringList lines = QString::fromUtf8(csv).split("\r\n");
    EXPECT_EQ(lines.at(1),
              "2025-08-18,1000.00,Design services,Payee 0,,,1 Raffles Place,,Singapore,048616,65,99");
}

TEST_P(ExportDocument, FiveHundredRowsTravelWithoutAttachment)
{
    QList<QStringList> rows;
    for (int i = 0; i < 500; ++i)
        rows << QStringList{"Provident Fund", "100.00", "15/05/2025", "100.00", "12/05/2025"};
    setGrid(8, "20b", rows);
    const json info = formKey()["Form3cdEmpPfSuperannInfo"];
    EXPECT_EQ(info["CsvDtls"]["HasMoreThan500"], "false");
    EXPECT_FALSE(info["CsvDtls"]["Attachment"].contains("encodedData"));
    EXPECT_EQ(info["CsvDtls"]["Attachment"]["mimetype"], "text/csv");
    EXPECT_EQ(info["CsvDtls"]["Attachment"]["hash"], "12345");
    EXPECT_EQ(info["Form3cdEmpPfSuperann"].size(), 500u);
}

TEST_P(ExportDocument, FiveHundredAndOneRowsCarryTheWholeTableAsBase64Csv)
{
    QList<QStringList> rows;
    for (int i = 0; i < 501; ++i)
        rows << QStringList{i % 2 ? "Gratuity Fund" : "Provident Fund", QStringLiteral("%1.00").arg(100 + i),
                            "15/05/2025", "100.00", "12/05/2025"};
    setGrid(8, "20b", rows);
    const json info = formKey()["Form3cdEmpPfSuperannInfo"];
    EXPECT_EQ(info["CsvDtls"]["HasMoreThan500"], "true");
    EXPECT_EQ(info["Form3cdEmpPfSuperann"].size(), 501u);

    const std::string data = info["CsvDtls"]["Attachment"]["encodedData"];
    const std::string prefix = CsvAttachment::kDataPrefix.toStdString();
    ASSERT_EQ(data.rfind(prefix, 0), 0u);
    EXPECT_EQ(data.find('\n'), std::string::npos);
    const QString csv =
        QString::fromUtf8(QByteArray::fromBase64(QByteArray::fromStdString(data.substr(prefix.size()))));
    const QStringList lines = csv.split("\r\n");
    ASSERT_EQ(lines.size(), 502);
    EXPECT_EQ(lines.first(),
              "Nature of fund,Sum received from employees,Due date for payment,The actual amount "
              "paid,The actual date of payment to the concerned authorities");
    EXPECT_EQ(lines.at(1), "PROVIDENT,100.00,2025-05-15,100.00,2025-05-12");
    EXPECT_EQ(lines.at(2), "GRATUITY,101.00,2025-05-15,100.00,2025-05-12");
    EXPECT_EQ(lines.last(), "PROVIDENT,600.00,2025-05-15,100.00,2025-05-12");
}

TEST_P(ExportDocument, DepreciationAdditionsOverFiveHundredTravelAsAttachment)
{
    QStringList entries;
    for (int i = 0; i < 501; ++i)
        entries << "10/06/2025#C#20/06/2025#C#10.00#C#0.00#C#0.00#C#0.00#C#10.00";
    QStringList row = ClauseStore::readPoint(7, "18").first().cols.mid(0, 22);
    row[19] = entries.join("#R#");
    setGrid(7, "18", {row});
    const json additions = formKey()["Form3cdDeprAllw"][0]["AdditionsInfo"];
    EXPECT_EQ(additions["CsvDtls"]["HasMoreThan500"], "true");
    EXPECT_EQ(additions["Additions"].size(), 501u);
    EXPECT_EQ(additions["Additions"][0]["DatePutToUse"], "2025-06-20");
}

TEST_P(ExportDocument, AnUnknownBlockTextHasIdentifierZeroAndStraightLine)
{
    QStringList row = ClauseStore::readPoint(7, "18").first().cols.mid(0, 22);
    row[0] = "Plant & Machinery @ 12%";
    setGrid(7, "18", {row});
    const json block = formKey()["Form3cdDeprAllw"][0];
    EXPECT_EQ(block["DescBlockAssets"], "0");
    EXPECT_EQ(block["methodOfDepreciation"], "SLM");
}

class ExportDocument3CB : public EfilingTest
{
protected:
    void SetUp() override
    {
        EfilingTest::SetUp();
        if (!env)
            return;
        env->openForm(FormKind::F3CB);
        ClauseStore::insertRow(101, "3CBPT1",
                               {"We", "31/03/2026", "Profit and Loss Account", "01/04/2025", "31/03/2026"});
        QStringList assessee =
            ClauseStore::readPoint(1, "3CA1A").first().cols.mid(0, AssesseeRow::columnCount());
        ClauseStore::insertRow(101, "3CBPT1A", assessee);
        ClauseStore::insertRow(101, "3CBPT2", {"We", "Profit and Loss Account", "Mumbai", "2"});
        ClauseStore::insertRow(101, "3CBPT3",
                               {"We", "", "We", "our", "our", "our", "our", "our", "us", "Balance Sheet",
                                "Profit and Loss Account", "profit"});
        ClauseStore::insertRow(101, "3CBPT5", {"our", "our", "us"});
        ClauseStore::insertRow(101, "3CBOTH", {"0", "", "", "Mumbai", "25/09/2026"});
    }
};

TALVEX_BOTH_ENGINES(ExportDocument3CB);

TEST_P(ExportDocument3CB, WritesTheForm3CBFrameAndDeclaration)
{
    const json doc = document();
    ASSERT_TRUE(doc.contains("FORM3CB"));
    const json f = doc["FORM3CB"]["F3CB"];
    EXPECT_EQ(f["Form_Details"]["FormName"], "FORM3CB");
    const json point1 = f["Declaration"]["Point1"];
    EXPECT_EQ(point1["Year"], 2026);
    EXPECT_EQ(point1["StartDate"], "2025-04-01");
    EXPECT_EQ(point1["PAN"], "AABCS1234K");
    EXPECT_EQ(f["Declaration"]["Point2"]["NumberOfBrances"], 2);
    EXPECT_EQ(f["Declaration"]["Point3"]["PointSecond"]["PLSD"], "Profit");
    EXPECT_EQ(f["OtherInformation1"]["Place"], "Mumbai");
}

TEST_P(ExportDocument3CB, TheSigningDateIsWrittenOnlyWhenThereIsOne)
{
    EXPECT_EQ(formKey()["Declaration"]["Point1"]["DateofsigningTaxAuditReport"], "2026-09-25");
    setValue(21, "DSIGN", "");
    EXPECT_FALSE(formKey()["Declaration"]["Point1"].contains("DateofsigningTaxAuditReport"));

    // Form 3CA always writes it, empty when there is none.
    env->openForm(FormKind::F3CA);
    EXPECT_EQ(formKey()["Declaration"]["Point1"]["DateofsigningTaxAuditReport"], "");
}

TEST_P(ExportDocument3CB, PassesTheForm3CBSchema)
{
    const QString file = tempFile(QStringLiteral("3cb.json"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(compose());
    out.close();
    const SchemaCheckResult checked =
        KestrovaJVUtil().Validate(file, clsExportJSON::schemaFolder() + "/FORM3CB3CD_MainSchema.json");
    EXPECT_FALSE(checked.failed());
    EXPECT_TRUE(checked.findings.isEmpty());
}
