#include "Form3cebTestSupport.h"

#include "efiling/xml3ceb/clsImpotXML3CEB.h"
#include "store/ReportKey.h"

class Xml3cebImport : public Form3cebTest
{
protected:
    // Imports a file into a client's Form 3CEB as the editor does, answering Yes to the
    // questions (another PAN, the warning).
    bool importInto(const QString &client, const QString &file)
    {
        open(client);
        env->prompt().clear();
        env->prompt().queueText(file);
        env->prompt().queue(PromptAnswer::Yes);
        env->prompt().setDefaultYes(true);
        return clsImpotXML3CEB().ImportXML();
    }
    QString lastMessage() const
    {
        return env->prompt().shown().empty() ? QString() : env->prompt().shown().back().text;
    }
    QString demoFileWith(const QString &from, const QString &to)
    {
        QString text = QString::fromUtf8(documentOf(kDemoClient));
        EXPECT_TRUE(text.contains(from)) << from.toStdString();
        text.replace(from, to);
        return writeFile("changed.xml", text.toUtf8());
    }
    // The rows a written file carries: all but the UDIN and clause 25New of page 12.
    QStringList writtenRowsOf(const QString &client)
    {
        QStringList rows = rowsOf(client);
        rows.removeIf([](const QString &row) {
            return row.startsWith("1|3CEB|UDIN|") || row.startsWith("12|3CEB|Opt25New|");
        });
        return rows;
    }
};

TALVEX_BOTH_ENGINES(Xml3cebImport);

TEST_P(Xml3cebImport, ExportImportExportGivesTheSameDocumentAndTheSameRows)
{
    const QByteArray first = documentOf(kDemoClient);
    const QString file = writeFile("3CEB.xml", first);
    ASSERT_TRUE(importInto("C003", file));
    const auto &shown = env->prompt().shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].title, "Select XML File to Import");
    EXPECT_EQ(shown[1].text, "The PAN in the file [AAECS9876Q] does not match the client's PAN [ABCPI6789F]. "
                             "Import anyway?");
    EXPECT_EQ(shown[2].title, "Warning");
    EXPECT_EQ(shown[2].text,
              "Importing the XML file will delete all the existing data of Form 3CEB for selected "
              "Client and Year\nAre you sure to continue?");
    EXPECT_EQ(shown[3].text, "XML Imported Successfully.");

    EXPECT_EQ(documentOf("C003").toStdString(), first.toStdString());
    EXPECT_EQ(writtenRowsOf("C003"), writtenRowsOf(kDemoClient));
}

TEST_P(Xml3cebImport, AnImportReplacesEveryRowOfTheClientAndYear)
{
    open("C003");
    const QString file = writeFile("3CEB.xml", documentOf(kDemoClient));
    ASSERT_TRUE(importInto("C003", file));
    ASSERT_TRUE(importInto("C003", file));
    EXPECT_EQ(writtenRowsOf("C003"), writtenRowsOf(kDemoClient));
}

TEST_P(Xml3cebImport, AFormOf3CAFileIsRefusedAndNothingChanges)
{
    const QStringList before = rowsOf(kDemoClient);
    const QString xml =
        writeFile("3CA.xml", "<?xml version=\"1.0\"?>\n<FORM3CA><Form_Details><FormName>FORM3CA"
                             "</FormName></Form_Details></FORM3CA>\n");
    EXPECT_FALSE(importInto(kDemoClient, xml));
    EXPECT_EQ(lastMessage(), "Selected XML File is not a Form FORM 3CEB XML File");

    const QString json =
        writeFile("3CA.json", "{\"FORM3CA\": {\"Form_Details\": {\"FormName\": \"FORM3CA\"}}}");
    EXPECT_FALSE(importInto(kDemoClient, json));
    EXPECT_EQ(env->prompt().shown().back().title, "Error");

    const QString noForm =
        writeFile("other.xml", "<?xml version=\"1.0\"?>\n<Return><PAN>AAECS9876Q</PAN></Return>\n");
    EXPECT_FALSE(importInto(kDemoClient, noForm));
    EXPECT_EQ(lastMessage(), "Invalid XML File");
    EXPECT_EQ(rowsOf(kDemoClient), before);
}

TEST_P(Xml3cebImport, ExternalEntitiesAndDeepNestingAreRefusedAndNothingChanges)
{
    const QStringList before = rowsOf(kDemoClient);
    const QString entity = demoFileWith(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE FORM:FORM3CEB [<!ENTITY secret SYSTEM "
        "\"file:///etc/passwd\"><!ENTITY lol \"lol\"><!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;\">]>\n");
    EXPECT_FALSE(importInto(kDemoClient, entity));
    EXPECT_TRUE(lastMessage().contains("declares a document type")) << lastMessage().toStdString();

    QByteArray deep = "<?xml version=\"1.0\"?>\n";
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    deep += "<FormName>FORM3CEB</FormName>";
    for (int i = 0; i < 100000; ++i)
        deep += "</a>";
    EXPECT_FALSE(importInto(kDemoClient, writeFile("deep.xml", deep)));
    EXPECT_TRUE(lastMessage().contains("depth", Qt::CaseInsensitive)) << lastMessage().toStdString();
    EXPECT_EQ(env->prompt().shown().back().title, "Error");
    EXPECT_EQ(rowsOf(kDemoClient), before);
}

TEST_P(Xml3cebImport, AFileOfAnotherPanGoesInOnlyWhenTheUserSaysSo)
{
    const QStringList before = rowsOf("C003");
    const QString file = writeFile("3CEB.xml", documentOf(kDemoClient));
    open("C003");
    env->prompt().clear();
    env->prompt().queueText(file);
    env->prompt().setDefaultYes(true);
    env->prompt().queue(PromptAnswer::No);
    EXPECT_FALSE(clsImpotXML3CEB().ImportXML());
    EXPECT_EQ(rowsOf("C003"), before);
}

TEST_P(Xml3cebImport, OlderFlagNamesAndUnknownMethodCodesAreRead)
{
    QString text = QString::fromUtf8(documentOf(kDemoClient));
    text.replace("<IntangibleFlag>N</IntangibleFlag>",
                 "<TransInTangiblePropFlag>Y</TransInTangiblePropFlag>");
    text.replace("<ProfitIncmLosAssetFlag>N</ProfitIncmLosAssetFlag>",
                 "<TransOthersFlag>NA</TransOthersFlag>");
    text.replace("<MethodUsedForDALP>c</MethodUsedForDALP>", "<MethodUsedForDALP>z</MethodUsedForDALP>");
    ASSERT_TRUE(importInto(kDemoClient, writeFile("older.xml", text.toUtf8())));
    const auto report = ReportModel::load(ReportKey::of(kDemoClient, "2026", FormKind::F3CEB));
    EXPECT_EQ(report->value(5, "Opt12"), "True");
    EXPECT_EQ(report->value(8, "Opt19"), "NA");
    EXPECT_EQ(report->value(5, "13", 8), "");
    EXPECT_EQ(report->value(5, "13", 4), "Sourcing and quality checks");
    EXPECT_EQ(report->value(3, "11A", 9), "(a) Comparable uncontrolled price method");
}
