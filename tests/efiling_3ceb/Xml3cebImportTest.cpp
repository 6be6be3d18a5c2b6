#include "Form3cebTestSupport.h"

#include "catalogue/Form3cebCatalogue.h"
#include "commands/clsImpotXML3CEB.h"
#include "store/ClauseStore.h"
#include "store/ReportKey.h"

#include <QStringConverter>

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
}

TEST_P(Xml3cebImport, AReportsOwnFileImportedAgainLeavesEveryRowAsItWas)
{
    const QStringList before = rowsOf(kDemoClient);
    const QString file = writeFile("3CEB.xml", documentOf(kDemoClient));
    ASSERT_TRUE(importInto(kDemoClient, file));
    EXPECT_EQ(rowsOf(kDemoClient), before);

    const QString other = writeFile("C003.xml", documentOf(kDemoClient));
    ASSERT_TRUE(importInto("C003", other));
    const QStringList once = rowsOf("C003");
    ASSERT_TRUE(importInto("C003", other));
    EXPECT_EQ(rowsOf("C003"), once);
}

// The file replaces what it carries; the UDIN, clause 25New, the remarks and the columns
// kept beside the department's stay, an enterprise's identification with its name.
TEST_P(Xml3cebImport, RowsAndColumnsTheFileDoesNotCarryStay)
{
    const QString file = writeFile("3CEB.xml", documentOf(kDemoClient));
    open(kDemoClient);
    ClauseStore::insertRow(
        3, "11A", {"Gone Ltd", "Nowhere", "Sold", "", "", "", "", "", "", "", "Others", "", "", "", "3"});
    ClauseStore::deletePoint(12, "Opt25New");
    ClauseStore::insertRow(12, "Opt25New", {"True"});
    ClauseStore::insertRow(12, "25New",
                           {"Kestrel Power Ltd", "Power purchase", "100.00", "100.00", "", "", "", "", "", "",
                            "", "", "", "", "1"});
    ClauseStore::insertRow(301, "R11A", {"Checked with the agreements"});
    ClauseStore::deletePoint(2, "3CEB1");
    ClauseStore::insertRow(2, "3CEB1", {"PRIVATE LTD.", "Textile trading", "Yes", "Yes"});
    const QStringList before = rowsOf(kDemoClient);

    ASSERT_TRUE(importInto(kDemoClient, file));
    QStringList expected = before;
    expected.removeIf([](const QString &row) { return row.startsWith("3|3CEB|11A|Gone Ltd|"); });
    EXPECT_EQ(rowsOf(kDemoClient), expected);
    EXPECT_EQ(expected.size(), before.size() - 1);

    // A transaction of an enterprise the report did not name has no identification yet.
    QString renamed = QString::fromUtf8(documentOf(kDemoClient));
    renamed.replace("<NameAssociatedEntrps>O'Brien &amp; Partners Holdings Ltd</NameAssociatedEntrps>",
                    "<NameAssociatedEntrps>OBrien Holdings</NameAssociatedEntrps>");
    ASSERT_TRUE(importInto(kDemoClient, writeFile("renamed.xml", renamed.toUtf8())));
    const auto report = ReportModel::load(ReportKey::of(kDemoClient, "2026", FormKind::F3CEB));
    EXPECT_EQ(report->value(4, "11B", 1), "OBrien Holdings");
    EXPECT_EQ(report->value(4, "11B", 11), "");
    EXPECT_EQ(report->value(4, "11B", 12), "");
    EXPECT_EQ(report->value(3, "11A", 1), "Sanjay Trading (Singapore) Pte. Ltd.");
    EXPECT_EQ(report->value(3, "11A", 11), "Others");
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

// The document type is looked for after the text is decoded: a UTF-16 file, with or without
// its byte-order mark, cannot slip its entities past a search for the bytes "<!DOCTYPE".
TEST_P(Xml3cebImport, ADocumentTypeInUtf16IsRefusedAsInUtf8)
{
    const QStringList before = rowsOf(kDemoClient);
    QString text = QString::fromUtf8(documentOf(kDemoClient));
    text.replace("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n",
                 "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<!DOCTYPE FORM:FORM3CEB [<!ENTITY a "
                 "\"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n");
    text.replace("<PAN>AAECS9876Q</PAN>", "<PAN>AAECS9876Q&b;</PAN>");
    for (const auto flag : {QStringEncoder::Flag::WriteBom, QStringEncoder::Flag::Default}) {
        auto toUtf16 = QStringEncoder(QStringEncoder::Utf16LE, flag);
        const QByteArray wide = toUtf16(text);
        ASSERT_FALSE(wide.contains("<!DOCTYPE"));
        EXPECT_FALSE(importInto(kDemoClient, writeFile("wide.xml", wide)));
        EXPECT_TRUE(lastMessage().contains("declares a document type")) << lastMessage().toStdString();
        EXPECT_EQ(rowsOf(kDemoClient), before);
    }
}

TEST_P(Xml3cebImport, AFileInAnotherNamespaceIsRefused)
{
    const QStringList before = rowsOf(kDemoClient);
    QString text = QString::fromUtf8(documentOf(kDemoClient));
    text.replace(Form3cebCatalogue::instance().formNamespace(), "urn:example:other");
    EXPECT_FALSE(importInto(kDemoClient, writeFile("other.xml", text.toUtf8())));
    EXPECT_EQ(lastMessage(), "The XML file is not in the namespace of Form 3CEB [" +
                                 Form3cebCatalogue::instance().formNamespace() +
                                 "] but in [urn:example:other]; it is not imported.");
    EXPECT_EQ(rowsOf(kDemoClient), before);
}

TEST_P(Xml3cebImport, AFileThatNamesNoPanGoesInOnlyWhenForced)
{
    const QStringList before = rowsOf(kDemoClient);
    const QString file = demoFileWith("<PAN>AAECS9876Q</PAN>", "");
    open(kDemoClient);
    env->prompt().clear();
    EXPECT_FALSE(clsImpotXML3CEB().ImportXML(file));
    EXPECT_EQ(lastMessage(), "The file does not name the assessee's PAN, so it cannot be told whether it is "
                             "this client's [AAECS9876Q]. Import anyway?");
    EXPECT_EQ(rowsOf(kDemoClient), before);

    clsImpotXML3CEB forced;
    forced.allowOtherPan(true);
    EXPECT_TRUE(forced.ImportXML(file)) << lastMessage().toStdString();
}

// A value is read as the file spells it, however it is spelled: references, a CDATA
// section, a value of spaces alone, a value over two lines.
TEST_P(Xml3cebImport, AValueIsReadAsTheFileSpellsIt)
{
    QString text = QString::fromUtf8(documentOf(kDemoClient));
    for (const auto &[from, to] :
         {std::pair<QString, QString>{"<Name>Sanjay O'Brien Trading Co.</Name>",
                                      "<Name>Sanjay &amp; O<![CDATA['Brien]]> &#x54;rading "
                                      "Co.</Name>"},
          {"<Address>45, Park Street Chambers, Park Street, Kolkata, 700001</Address>",
           "<Address>   </Address>"},
          {"<Status>PRIVATE LTD.</Status>", "<Status>PRIVATE\nLTD.</Status>"}}) {
        ASSERT_TRUE(text.contains(from)) << from.toStdString();
        text.replace(from, to);
    }
    ASSERT_TRUE(importInto(kDemoClient, writeFile("spelled.xml", text.toUtf8())));
    const QString rows = rowsOf(kDemoClient).join(u'\n');
    EXPECT_TRUE(rows.contains("|Sanjay & O'Brien Trading Co.|   |AAECS9876Q|")) << rows.toStdString();
    EXPECT_TRUE(rows.contains("|PRIVATE\r\nLTD.|")) << rows.toStdString();
}
