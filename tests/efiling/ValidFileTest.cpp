#include "EfilingTestSupport.h"

#include "dialogs/clsExportJSON.h"
#include "dialogs/frmeflvalid.h"
#include "dialogs/frmeflvalidXML.h"
#include "editor/clsMain.h"
#include "efiling/JsonFileCheck.h"
#include "efiling/XmlSchemaCheck.h"

#include <QDir>
#include <QFile>

namespace
{

// A schema with one element holding numbers, and a file with `bad` wrong entries among them.
void writeNumbersXml(const QString &xsd, const QString &xml, int bad)
{
    writeFile(xsd, "<?xml version=\"1.0\"?>\n"
                   "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                   "  <xs:element name=\"Form\"><xs:complexType><xs:sequence>\n"
                   "    <xs:element name=\"Amount\" type=\"xs:decimal\" maxOccurs=\"unbounded\"/>\n"
                   "  </xs:sequence></xs:complexType></xs:element>\n"
                   "</xs:schema>\n");
    QByteArray text = "<?xml version=\"1.0\"?>\n<Form>\n";
    for (int i = 0; i < bad; ++i)
        text += "  <Amount>x" + QByteArray::number(i) + "</Amount>\n";
    text += "  <Amount>12.5</Amount>\n</Form>\n";
    writeFile(xml, text);
}

} // namespace

class ValidFile : public EfilingTest
{
protected:
    QString writeDemo(const QByteArray &from = {}, const QByteArray &to = {})
    {
        QByteArray text = compose();
        if (!from.isEmpty())
            text.replace(from, to);
        const QString path = tempFile("demo.json");
        writeFile(path, text);
        return path;
    }
};

TALVEX_BOTH_ENGINES(ValidFile);

TEST_P(ValidFile, AValidFileReturnsAtOnceWithoutTheReport)
{
    EXPECT_EQ(frmeflvalid::ValidFile(2025, clsExportJSON::schemaFolder(), writeDemo()), 0);
    EXPECT_TRUE(env->prompt().shown().empty());
}

TEST_P(ValidFile, NumbersWrittenAsTextAreNotHeldAgainstTheFile)
{
    const QString path = writeDemo("\"Amount\": 185000.00", "\"Amount\": \"185000.00\"");
    EXPECT_EQ(JsonFileCheck::check(path, clsExportJSON::schemaFolder() + "/FORM3CA3CD_MainSchema.json")
                  .findings.size(),
              0);
    EXPECT_EQ(frmeflvalid::ValidFile(2025, clsExportJSON::schemaFolder(), path), 0);
    EXPECT_TRUE(env->prompt().shown().empty());
}

TEST_P(ValidFile, AMalformedDateIsReportedWithItsLine)
{
    const QString path = writeDemo("\"AuditDated\": \"2026-08-12\"", "\"AuditDated\": \"12/08/2026\"");
    EXPECT_EQ(frmeflvalid::ValidFile(2025, clsExportJSON::schemaFolder(), path), 1);
    ASSERT_EQ(env->prompt().shown().size(), 1u);
    const auto &report = env->prompt().shown().front();
    EXPECT_EQ(report.title, "E-Filing Validation - Error Report");
    EXPECT_TRUE(report.text.startsWith(
        "Line 44, Column 13: Page 1 (Report), AuditDated: A date must be a real calendar date written "
        "yyyy-mm-dd (\"12/08/2026\" is not)."))
        << report.text.toStdString();
}

TEST_P(ValidFile, AMissingSchemaEndsTheCheckAsInvalid)
{
    EXPECT_EQ(frmeflvalid::ValidFile(2025, tempFile("nowhere"), writeDemo()), 1);
    EXPECT_TRUE(env->prompt().lastText().contains("FORM3CA3CD_MainSchema.json"));
}

TEST(XmlCheck, ListsTheFirstThousandOfFifteenHundredFaults)
{
    QTemporaryDir dir;
    const QString xsd = dir.filePath("Form61.xsd");
    const QString xml = dir.filePath("form61.xml");
    writeNumbersXml(xsd, xml, 1500);
    const XmlSchemaCheck::Result result = XmlSchemaCheck::run(xml, xsd);
    EXPECT_TRUE(result.failure.isEmpty()) << result.failure.toStdString();
    ASSERT_EQ(result.findings.size(), 1000);
    EXPECT_EQ(result.findings.first().line, 3);
    EXPECT_GT(result.findings.first().column, 0);
    EXPECT_EQ(result.findings.last().line, 1002);
    EXPECT_TRUE(result.findings.first().message.contains("x0"))
        << result.findings.first().message.toStdString();
}

TEST(XmlCheck, AConformingFileHasNoFindings)
{
    QTemporaryDir dir;
    writeNumbersXml(dir.filePath("Form61.xsd"), dir.filePath("f.xml"), 0);
    const XmlSchemaCheck::Result result =
        XmlSchemaCheck::run(dir.filePath("f.xml"), dir.filePath("Form61.xsd"));
    EXPECT_TRUE(result.failure.isEmpty());
    EXPECT_TRUE(result.findings.isEmpty());
}

TEST_P(ValidFile, TheXmlCheckNamesAMissingSchemaFile)
{
    moduleState().formKind = FormKind::F61;
    const QString xml = tempFile("f.xml");
    writeFile(xml, "<Form/>");
    EXPECT_EQ(frmeflvalidXML::ValidFile(2025, tempFile("eAIR/XmlSch2023/FORM61"), xml), 1);
    EXPECT_TRUE(env->prompt().lastText().contains("Form61.xsd")) << env->prompt().lastText().toStdString();
}

TEST_P(ValidFile, TheXmlCheckReportsFaultsAndPassesAGoodFile)
{
    moduleState().formKind = FormKind::F61;
    QDir().mkpath(tempFile("schemas"));
    writeNumbersXml(tempFile("schemas/Form61.xsd"), tempFile("bad.xml"), 2);
    EXPECT_EQ(frmeflvalidXML::ValidFile(2025, tempFile("schemas"), tempFile("bad.xml")), 1);
    EXPECT_TRUE(env->prompt().lastText().startsWith("Line 3, Column"))
        << env->prompt().lastText().toStdString();

    writeNumbersXml(tempFile("schemas/Form61.xsd"), tempFile("good.xml"), 0);
    env->prompt().clear();
    EXPECT_EQ(frmeflvalidXML::ValidFile(2025, tempFile("schemas"), tempFile("good.xml")), 0);
    EXPECT_TRUE(env->prompt().shown().empty());
}

TEST_P(ValidFile, TheEntryClassChecksAnXmlFileAgainstTheInstalledSchema)
{
    const QString xml = tempFile("f.xml");
    writeFile(xml, "<Form/>");
    clsMain entry;
    EXPECT_FALSE(entry.OpenForm(-3, {}, "61", xml));
    const QStringList texts = env->prompt().texts();
    ASSERT_GE(texts.size(), 2);
    EXPECT_TRUE(
        texts.at(texts.size() - 2).contains(QDir::toNativeSeparators("eAIR/XmlSch2023/FORM61/Form61.xsd")))
        << texts.at(texts.size() - 2).toStdString();
    EXPECT_EQ(texts.last(), "Invalid File.");
}

// The form of a file is known from its root, in an upload envelope too, before the rest of
// the file is read: a text cut off after the root's name still names its form.
TEST(FormOfText, IsReadFromTheRootAlone)
{
    EXPECT_EQ(JsonFileCheck::formOfText(R"({"FORM3CB": {"F3CB": {)"), FormKind::F3CB);
    EXPECT_EQ(JsonFileCheck::formOfText(R"({"metadata": {"FORM3CB": 1, "x": [{"FORM3CB": 2}]},)"
                                        R"( "data": {"FORM3CA": {)"),
              FormKind::F3CA);
    EXPECT_EQ(JsonFileCheck::formOfText(R"({"data": {"Other": {"FORM3CA": {}}}, "FORM3CB": 1})"),
              FormKind::F3CB);
    EXPECT_EQ(JsonFileCheck::formOfText(R"({"ITR": {"FORM3CA": {}}})"), FormKind::None);
    EXPECT_EQ(JsonFileCheck::formOfText(R"([{"FORM3CA": {}}])"), FormKind::None);
    EXPECT_EQ(JsonFileCheck::formOfText("not json"), FormKind::None);
    EXPECT_EQ(JsonFileCheck::formOfText(""), FormKind::None);
}
