#include "EfilingTestSupport.h"

#include "dialogs/clsExportJSON.h"
#include "dialogs/frmUploadMsg.h"
#include "dialogs/frmeflvalid.h"
#include "dialogs/frmeflvalidXML.h"
#include "efiling/SpecialCharacters.h"
#include "print/ErrorListReport.h"
#include "print/ReportEngine.h"
#include "store/ClauseStore.h"

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTableWidget>

class ErrorReport : public EfilingTest
{
protected:
    // The demo file with two faults: a date on page 6 and a PAN on page 10.
    void SetUp() override
    {
        EfilingTest::SetUp();
        if (!env)
            return;
        setValue(6, "NA15", "0");
        setGrid(6, "15", {{"Land at Thane", "31/5/2025", "2500000.00", "3100000.00"}});
        QByteArray text = compose();
        text.replace("\"RelatedPAN\": \"ABCPS1234D\"", "\"RelatedPAN\": \"ABCPS1234\"");
        file = tempFile("faulty.json");
        writeFile(file, text);
        schema = clsExportJSON::schemaFolder() + "/FORM3CA3CD_MainSchema.json";
    }

    ErrorReportWindow::Source source() const
    {
        const QString f = file, s = schema;
        return {f, false, [f, s] { return JsonFileCheck::check(f, s); }};
    }

    QString file;
    QString schema;
};

TALVEX_BOTH_ENGINES(ErrorReport);

TEST_P(ErrorReport, ListsEachFaultWithItsPlaceAndWhereToCorrectIt)
{
    const auto result = JsonFileCheck::check(file, schema);
    ASSERT_EQ(result.findings.size(), 2);
    ErrorReportWindow window(source(), result);
    QTableWidget *grid = window.errorGrid();
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->horizontalHeaderItem(8)->text(), "Error Description");
    EXPECT_EQ(grid->item(0, 0)->text(), "1");
    EXPECT_EQ(grid->item(0, 5)->text(), "Form3cdCapAsstSit");
    EXPECT_EQ(grid->item(0, 6)->text(), "DateOfAcq");
    EXPECT_EQ(grid->item(0, 7)->text(), "2025-5/-31");
    EXPECT_EQ(grid->item(0, 8)->text(),
              "Clause 15 (page 6), row 1, Date of acquisition: A date must be a real "
              "calendar date written yyyy-mm-dd (\"2025-5/-31\" is not).");
    EXPECT_EQ(grid->item(0, 1)->toolTip(), "To Correct GoTo: Page 6 (Clauses 15 and 16), Clause 15");
    EXPECT_EQ(grid->item(1, 6)->text(), "RelatedPAN");
    EXPECT_EQ(grid->item(1, 2)->toolTip(), "To Correct GoTo: Page 10 (Clauses 22 to 25), Clause 23");
}

TEST_P(ErrorReport, TheViewerGoesFromFaultToFault)
{
    const auto result = JsonFileCheck::check(file, schema);
    ErrorReportWindow window(source(), result);
    window.errorGrid()->selectRow(0);
    window.viewFile();
    const int first = window.viewerLine();
    EXPECT_EQ(first, result.viewerLines.at(0));
    EXPECT_TRUE(result.viewerText.split('\n').at(first - 1).contains("DateOfAcq"));

    window.previousError();
    EXPECT_EQ(env->prompt().lastText(), "No Previous Error.");
    window.nextError();
    EXPECT_TRUE(result.viewerText.split('\n').at(window.viewerLine() - 1).contains("RelatedPAN"));
    window.nextError();
    EXPECT_EQ(env->prompt().lastText(), "No More Error.");
    window.back();
    EXPECT_EQ(window.viewerLine(), 0);
}

TEST_P(ErrorReport, PrintsTheTickedColumns)
{
    const auto result = JsonFileCheck::check(file, schema);
    ErrorReportWindow window(source(), result);
    window.columnTick(4)->setChecked(false);
    window.columnTick(7)->setChecked(false);
    EXPECT_TRUE(window.errorGrid()->isColumnHidden(4));
    EXPECT_EQ(window.printedHeadings(), (QStringList{"Sr. No.", "Error No.", "Line No.", "Column No.",
                                                     "Name of Head", "Variable Name", "Error Description"}));
    ASSERT_EQ(window.printedRows().size(), 2);
    EXPECT_EQ(window.printedRows().at(1).at(5), "RelatedPAN");
    ReportEngine engine;
    ErrorListReport::build(engine, result.findings, window.printedColumns());
    const QString printed = engine.plainText();
    EXPECT_TRUE(printed.trimmed().startsWith("List of Errors"));
    EXPECT_TRUE(printed.contains("RelatedPAN"));
    EXPECT_TRUE(printed.contains("Error Description"));
    EXPECT_FALSE(printed.contains("Root"));
    EXPECT_FALSE(engine.wide());
}

TEST_P(ErrorReport, RemovingSpecialCharactersChangesOnlyTheFile)
{
    // A schema that takes plain characters only, and a file with a curly apostrophe.
    const QString strictSchema = tempFile("strict.json");
    writeFile(strictSchema, R"({"$schema": "http://json-schema.org/draft-04/schema#", "type": "object",
        "properties": {"Name": {"type": "string", "pattern": "^[ -~]*$"}}})");
    const QString named = tempFile("named.json");
    writeFile(named, QString("{\"Name\": \"Sharma\u2019s \\\"Mill\\\"\"}").toUtf8());
    const auto rowsBefore = ClauseStore::readAll().size();

    const ErrorReportWindow::Source src{
        named, false, [named, strictSchema] { return JsonFileCheck::check(named, strictSchema); }};
    const auto result = JsonFileCheck::check(named, strictSchema);
    ASSERT_EQ(result.findings.size(), 1);
    ErrorReportWindow window(src, result);
    window.removeSpecialCharacters();
    EXPECT_TRUE(window.clean());
    EXPECT_EQ(window.errorGrid()->rowCount(), 0);
    EXPECT_EQ(readFile(named), "{\"Name\": \"Sharma's \\\"Mill\\\"\"}");
    EXPECT_EQ(ClauseStore::readAll().size(), rowsBefore);
}

TEST_P(ErrorReport, TheXmlScreenWarnsBeforeChangingTheFile)
{
    const QString xml = tempFile("f.xml");
    writeFile(xml, QString("<Form><Name>Sharma\u2019s</Name></Form>").toUtf8());
    const ErrorReportWindow::Source src{xml, true, [] { return ErrorReportWindow::CheckResult{}; }};
    ErrorReportWindow window(src, {});
    env->prompt().queue(PromptAnswer::No);
    window.removeSpecialCharacters();
    EXPECT_EQ(env->prompt().lastText(),
              "This will change the Characters in XML File only, not in the Original Data "
              "in the Software. Do you want to Proceed?");
    EXPECT_EQ(QString::fromUtf8(readFile(xml)), QString("<Form><Name>Sharma\u2019s</Name></Form>"));

    env->prompt().queue(PromptAnswer::Yes);
    window.removeSpecialCharacters();
    EXPECT_EQ(readFile(xml), "<Form><Name>Sharma's</Name></Form>");
}

TEST(SpecialCharacters, JsonIsCleanedInsideValuesOnly)
{
    const QList<SpecialCharacters::Pair> pairs{{"\u201C", "\""}, {"&", "and"}, {":", "-"}};
    EXPECT_EQ(SpecialCharacters::cleanJson("{\"a&b\": \"x: \u201Cy\u201D & z\", \"n\": 1}", pairs),
              "{\"a&b\": \"x- \\\"y\u201D and z\", \"n\": 1}");
}

TEST(SpecialCharacters, XmlKeepsMarkupAndReferences)
{
    const QList<SpecialCharacters::Pair> pairs{{"&", "and"}, {"\u2013", "-"}, {"=", "is"}, {"\u2019", "<'>"}};
    EXPECT_EQ(SpecialCharacters::cleanXml("<a n=\"1\u20132\">x &amp; y \u2013 z = w\u2019</a>", pairs),
              "<a n=\"1-2\">x &amp; y - z is w&lt;'&gt;</a>");
}

TEST_P(ErrorReport, TheListIsKeptInTheDocumentsFolder)
{
    EXPECT_FALSE(SpecialCharacters::load().isEmpty());
    const QList<SpecialCharacters::Pair> mine{{"\u00AE", "(R)"}, {"\t", " "}};
    ASSERT_TRUE(SpecialCharacters::save(mine));
    EXPECT_TRUE(SpecialCharacters::listFile().endsWith("/Documents/SpChList"));
    EXPECT_EQ(SpecialCharacters::load(), mine);
}

TEST(UploadQuestion, YesNeedsAFilingType)
{
    ScriptedPrompt prompt;
    setPrompts(&prompt);
    frmUploadMsg screen("/tmp/3CA.json");
    EXPECT_EQ(screen.windowTitle(), " Confirmation");
    screen.answerYes();
    EXPECT_EQ(prompt.lastText(), "Please select filing type.");
    EXPECT_EQ(screen.answer(), "N");
    screen.revisedOption()->setChecked(true);
    screen.answerYes();
    EXPECT_EQ(screen.answer(), "Y|R");
    screen.originalOption()->setChecked(true);
    screen.answerYes();
    EXPECT_EQ(screen.answer(), "Y|O");
    screen.answerNo();
    EXPECT_EQ(screen.answer(), "N");
    setPrompts(nullptr);
}
