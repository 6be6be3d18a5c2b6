#include "EfilingTestSupport.h"

#include "efiling/JsonSchemaCheck.h"

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
    EXPECT_EQ(f[0].errorNo, ErrorKind::Type);
    EXPECT_EQ(f[0].member, "Status");
    EXPECT_EQ(f[0].line, 98);
    EXPECT_EQ(f[0].message, "Invalid type. Expected Integer but got String.");
}

TEST(ShippedSchema, RefusesAMalformedDate)
{
    const auto f = checkWith("\"DateOfPayment\": \"2025-08-18\"", "\"DateOfPayment\": \"2025-13-18\"");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].errorNo, ErrorKind::Pattern);
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
    EXPECT_EQ(f[0].errorNo, ErrorKind::Unknown);
    EXPECT_EQ(f[0].member, "Colour");
}

TEST(ShippedSchema, RefusesAMissingRequiredMember)
{
    const auto f = checkWith("\"CA_FirmName\": \"Raghavan Iyer & Co.\",\r\n", "");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].errorNo, ErrorKind::Required);
    EXPECT_EQ(f[0].message, "Required properties are missing from object: CA_FirmName.");
}

TEST(ShippedSchema, RefusesACodeOutsideItsList)
{
    const auto f = checkWith("\"NatureOfFund\": \"PROVIDENT\"", "\"NatureOfFund\": \"Provident Fund\"");
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f[0].errorNo, ErrorKind::Enum);
}
