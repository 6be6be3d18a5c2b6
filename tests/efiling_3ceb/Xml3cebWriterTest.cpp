#include "Form3cebTestSupport.h"
#include "TestFiles.h"

#include "commands/clsExportXML3CEB.h"
#include "efiling/XmlSchemaCheck.h"
#include "efiling/xml3ceb/Xml3cebWriter.h"

#include <QRegularExpression>

namespace
{

QString write(const ReportModel &report)
{
    return QString::fromUtf8(Xml3cebWriter::document(report, QDate(2026, 10, 26)));
}

// The text between the first opening and closing of an element.
QString section(const QString &document, const QString &element)
{
    const qsizetype from = document.indexOf(u'<' + element + u'>');
    const qsizetype to = document.indexOf(QStringLiteral("</") + element + u'>', from);
    return from < 0 || to < 0 ? QString() : document.mid(from, to - from);
}

QStringList valuesOf(const QString &document, const QString &element)
{
    QStringList values;
    const QRegularExpression re(u'<' + element + QStringLiteral(">([^<]*)</") + element + u'>');
    for (auto it = re.globalMatch(document); it.hasNext();)
        values << it.next().captured(1);
    return values;
}

} // namespace

TEST(Xml3cebWriter, TheSchemaVersionIs12OnlyForTheYearStarting2012)
{
    EXPECT_EQ(valuesOf(write(emptyReport("2013")), "Form:SchemaVer"), QStringList{"Ver1.2"});
    EXPECT_EQ(valuesOf(write(emptyReport("2013")), "Form:AssessmentYear"), QStringList{"2013"});
    EXPECT_EQ(valuesOf(write(emptyReport("2012")), "Form:SchemaVer"), QStringList{"Ver1.0"});
    EXPECT_EQ(valuesOf(write(emptyReport("2014")), "Form:SchemaVer"), QStringList{"Ver1.0"});
    EXPECT_EQ(valuesOf(write(emptyReport("2026")), "Form:SchemaVer"), QStringList{"Ver1.0"});
}

TEST(Xml3cebWriter, TransactionRowsFollowTheirSerialAsANumber)
{
    ReportModel report = emptyReport();
    report.setValue(3, "Opt11A", "True");
    QList<QStringList> rows;
    for (const QString &serial : {"10", "9", "1"}) {
        QStringList cols(20);
        cols[0] = "Enterprise " + serial;
        cols[14] = serial;
        rows << cols;
    }
    report.setRows(3, "11A", rows);
    EXPECT_EQ(valuesOf(write(report), "NameAssociatedEntrps"),
              (QStringList{"Enterprise 1", "Enterprise 9", "Enterprise 10"}));
}

TEST(Xml3cebWriter, AReportWithoutAnswersWritesOnlyTheEnterprisesOfClause21AndEmptyFlags)
{
    ReportModel report = emptyReport();
    report.setRows(3, "11A", {{"Not written", "", "", "", "", "", "", "", "", "", "", "", "", "", "1"}});
    report.setRows(9, "21",
                   {{"Domestic LLP", "Kolkata", "AAKFS2468M", "Partner", "Freight", "", "", "", "", "", "",
                     "", "", "", "1"}});
    const QString document = write(report);
    EXPECT_EQ(valuesOf(document, "TransactionType"), QStringList{"13"});
    EXPECT_EQ(valuesOf(document, "NameAssociatedEntrps"), QStringList{"Domestic LLP"});
    const QString flags = section(document, "Form3CEBFlags");
    EXPECT_EQ(flags.count("></"), 17) << flags.toStdString();
    EXPECT_TRUE(flags.contains("<TransTangibleRawFlag></TransTangibleRawFlag>"));
    EXPECT_TRUE(flags.contains("<NotSpecify></NotSpecify>"));
}

TEST(Xml3cebWriter, MissingDeclarationRowsWriteEveryChildEmptyAndNoOptionalOnes)
{
    ReportModel report = emptyReport();
    report.setRows(1, "3CEB3", {{"our", "our", "us", "Our comments"}});
    const QString document = write(report);
    EXPECT_EQ(section(document, "Point2"), "<Point2>\n      <My_Our1></My_Our1>\n      <My_Our2></My_Our2>\n"
                                           "      <Has_HasNot_Been></Has_HasNot_Been> \n    ");
    EXPECT_FALSE(document.contains("QualifyReport"));
    EXPECT_EQ(valuesOf(document, "Comments"), QStringList{"Our comments"});
    EXPECT_TRUE(section(document, "Point1").contains("<PAN></PAN>"));
    EXPECT_TRUE(
        section(document, "Form:OtherInformation3").contains("<Form:MembershipNo></Form:MembershipNo>"));
    EXPECT_FALSE(document.contains("FirmRegNum"));
}

TEST(Xml3cebWriter, ChoicesAreWrittenAsTheirCodesAndReservedCharactersEscaped)
{
    ReportModel report = emptyReport();
    report.setRows(1, "3CEB2", {{"our", "our", "have not been", "Subject to <note 3> & annexure"}});
    report.setRows(3, "10",
                   {{"A & B <Holdings>", "(k) where one enterprise is controlled by a Hindu undivided family",
                     "Trading", "", "", "", "", "", "", "", "", "", "", "", "1"}});
    report.setValue(10, "Opt22B", "true");
    report.setRows(10, "22B",
                   {{"Unité II & Co ₹", "Pune", "Power", "100.00", "100.00", "(d) Profit split method", "",
                     "", "", "", "", "", "", "", "1"}});
    const QString document = write(report);
    EXPECT_EQ(valuesOf(document, "Has_HasNot_Been"), QStringList{"2"});
    EXPECT_TRUE(document.contains("<QualifyReport>Subject to &lt;note 3> &amp; annexure</QualifyReport>"));
    EXPECT_TRUE(document.contains("<NameAssociatedEntrps>A &amp; B &lt;Holdings></NameAssociatedEntrps>"));
    EXPECT_TRUE(document.contains(">Unité II &amp; Co ₹</")) << document.toStdString();
    EXPECT_EQ(valuesOf(document, "NatureOfRelationship"), QStringList{"k"});
    EXPECT_EQ(valuesOf(document, "AmountType"), QStringList{"buisness"});
    EXPECT_EQ(valuesOf(document, "MethodUsedForDALP"), QStringList{"d"});
    EXPECT_EQ(valuesOf(document, "Sec80A10AAFlag"), QStringList{"Y"});
    EXPECT_FALSE(section(document, "Transactions").contains("Remark"));
}

class Xml3cebDemo : public Form3cebTest
{
};

TALVEX_BOTH_ENGINES(Xml3cebDemo);

TEST_P(Xml3cebDemo, TheDemoReportIsTheReviewedDocumentAndOurSchemaTakesIt)
{
    const QByteArray document = documentOf(kDemoClient);
    EXPECT_EQ(withoutCreationDate(document).toStdString(),
              readFile(TALVEX_3CEB_TEST_DATA "/3CEB_AAECS9876Q_2026.xml").toStdString());

    const QString file = writeFile("demo.xml", document);
    const XmlSchemaCheck::Result check = XmlSchemaCheck::run(file, clsExportXML3CEB::schemaPath());
    EXPECT_TRUE(check.failure.isEmpty()) << check.failure.toStdString();
    EXPECT_TRUE(check.findings.isEmpty()) << check.findings.value(0).message.toStdString();
}

TEST_P(Xml3cebDemo, OurSchemaRefusesAWrongPanAndAnUnknownMethod)
{
    QString document = QString::fromUtf8(documentOf(kDemoClient));
    document.replace("<PAN>AAECS9876Q</PAN>", "<PAN>AAECS98760</PAN>");
    document.replace("<MethodUsedForDALP>c</MethodUsedForDALP>", "<MethodUsedForDALP>z</MethodUsedForDALP>");
    const XmlSchemaCheck::Result check =
        XmlSchemaCheck::run(writeFile("wrong.xml", document.toUtf8()), clsExportXML3CEB::schemaPath());
    ASSERT_EQ(check.findings.size(), 2);
    EXPECT_TRUE(check.findings[0].message.contains("PAN")) << check.findings[0].message.toStdString();
    EXPECT_TRUE(check.findings[1].message.contains("MethodUsedForDALP"))
        << check.findings[1].message.toStdString();
}
