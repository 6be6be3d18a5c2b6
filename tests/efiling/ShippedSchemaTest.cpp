#include "EfilingTestSupport.h"

#include "efiling/JsonSchemaCheck.h"

#include "SourceDataDir.h"
#include <QFile>

namespace
{

// Our Form 3CA-3CD schema checking the reviewed demo file with one fault put in.
QList<ValidationFinding> checkWith(const QByteArray &from, const QByteArray &to)
{
    QByteArray text = readFile(QStringLiteral(TALVEX_EFILING_TEST_DATA "/FORM3CA_C001_2026.json"));
    if (!from.isEmpty()) {
        EXPECT_TRUE(text.contains(from)) << from.toStdString();
        text.replace(from, to);
    }
    const QByteArray schema = readFile(
        QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/JSONSchema/FORM3CA3CD/FORM3CA3CD_MainSchema.json"));
    return JsonSchemaCheck(schema.toStdString()).run(text.toStdString());
}

} // namespace

TEST(ShippedSchema, AcceptsTheReviewedFile)
{
    EXPECT_TRUE(checkWith({}, {}).isEmpty());
}

TEST(ShippedSchema, RefusesAWrongType)
{
    const auto f = checkWith("\"Status\": 7,", "\"Status\": \"seven\",");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Type);
    EXPECT_EQ(f[0].member, "Status");
    EXPECT_EQ(f[0].line, 98);
    EXPECT_EQ(f[0].detail, "Invalid type. Expected Integer but got String.");
}

TEST(ShippedSchema, RefusesAMalformedDate)
{
    const auto f = checkWith("\"DateOfPayment\": \"2025-08-18\"", "\"DateOfPayment\": \"2025-13-18\"");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Pattern);
    EXPECT_EQ(f[0].root, "FORM3CA.F3CA.Form3cdAmtInadm40AInfo.Form3cdAmtInadm40A[0]");
}

TEST(ShippedSchema, RefusesAMalformedPan)
{
    const auto f = checkWith("\"RelatedPAN\": \"ABCPS1234D\"", "\"RelatedPAN\": \"ABCPS12345\"");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].member, "RelatedPAN");
}

TEST(ShippedSchema, RefusesAnUnknownMember)
{
    const auto f = checkWith("\"MethodValCS\": {", "\"MethodValCS\": {\r\n          \"Colour\": \"blue\",");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Unknown);
    EXPECT_EQ(f[0].member, "Colour");
}

TEST(ShippedSchema, RefusesAMissingRequiredMember)
{
    const auto f = checkWith("\"CA_FirmName\": \"Raghavan Iyer & Co.\",\r\n", "");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Required);
    EXPECT_EQ(f[0].detail, "Required properties are missing from object: CA_FirmName.");
}

TEST(ShippedSchema, RefusesACodeOutsideItsList)
{
    const auto f = checkWith("\"NatureOfFund\": \"PROVIDENT\"", "\"NatureOfFund\": \"Provident Fund\"");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].kind, ErrorKind::Enum);
}

// Each finding says where its value is entered, rows counted from 1, and what is wrong in words.
TEST(ShippedSchema, FindingsNameTheClauseRowAndColumnAndSayWhatIsWrong)
{
    const struct {
        QByteArray from, to;
        QString message;
    } cases[] = {
        {"\"RateOfDep\": 10,", "\"RateOfDep\": \"10%\",",
         "Clause 18 (page 7), row 2, Rate of depreciation: must be a number; the file has the text \"10%\"."},
        {"\"PurchaseOrSaleDate\": \"2026-01-10\"", "\"PurchaseOrSaleDate\": \"2026-02-30\"",
         "Clause 18 (page 7), row 1, Additions, entry 2, Date of Purchase: A date must be a real calendar "
         "date "
         "written yyyy-mm-dd (\"2026-02-30\" is not)."},
        {"\"RelatedPAN\": \"ABCPS1234D\"", "\"RelatedPAN\": \"ABCPS12345\"",
         "Clause 23 (page 10), row 1, PAN of related person: PAN must be five letters, four digits and a "
         "letter, or left blank (\"ABCPS12345\" is not)."},
        {"\"Status\": 7,", "\"Status\": \"seven\",",
         "Clause 5 (page 2), Status (position in the list): must be a whole number; the file has the text "
         "\"seven\"."},
        {"\"NatureOfFund\": \"PROVIDENT\"", "\"NatureOfFund\": \"Provident Fund\"",
         "Clause 20(b) (page 8), row 1, Nature of fund: \"Provident Fund\" is not one of the values the form "
         "allows (PROVIDENT, SUPERAN, GRATUITY, OTHERWELFARE, PROV1948)."},
        {"\"MethodValCS\": {", "\"MethodValCS\": {\r\n          \"Colour\": \"blue\",",
         "Clause 14(a) (page 5), Colour: the form has no such member; leave it out of the file."},
        {"\"CA_FirmName\": \"Raghavan Iyer & Co.\",\r\n", "", "Page 1 (Report): CA_FirmName is missing."},
    };
    for (const auto &c : cases) {
        const auto f = checkWith(c.from, c.to);
        ASSERT_EQ(f.size(), 1) << c.to.toStdString();
        EXPECT_EQ(f[0].message, c.message);
    }
}
