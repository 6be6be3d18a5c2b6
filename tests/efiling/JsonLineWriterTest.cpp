#include "efiling/JsonLineWriter.h"
#include "efiling/CsvAttachment.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

TEST(JsonLineWriter, IndentsByDepthAndEndsLinesWithCrLf)
{
    JsonLineWriter w;
    w.openObject(QStringLiteral("FORM3CA"));
    w.openObject(QStringLiteral("F3CA"));
    w.text(QStringLiteral("PAN"), QStringLiteral("AABCS1234K"));
    w.openArray(QStringLiteral("Clause"));
    w.openObject();
    w.text(QStringLiteral("ClauseNo"), QStringLiteral("44ABa"));
    w.close();
    w.openObject();
    w.number(QStringLiteral("Amount"), QStringLiteral("12.50"));
    w.close();
    w.close();
    w.close();
    w.close();
    const QByteArray expected = "{\r\n"
                                "    \"FORM3CA\": {\r\n"
                                "      \"F3CA\": {\r\n"
                                "        \"PAN\": \"AABCS1234K\",\r\n"
                                "        \"Clause\": [\r\n"
                                "          {\r\n"
                                "            \"ClauseNo\": \"44ABa\"\r\n"
                                "          },\r\n"
                                "          {\r\n"
                                "            \"Amount\": 12.50\r\n"
                                "          }\r\n"
                                "        ]\r\n"
                                "      }\r\n"
                                "    }\r\n"
                                "}\r\n";
    EXPECT_EQ(w.bytes(), expected);
}

TEST(JsonLineWriter, ClosesWhatIsStillOpenSoAPartialDocumentParses)
{
    JsonLineWriter w;
    w.openObject(QStringLiteral("a"));
    w.openArray(QStringLiteral("b"));
    w.openObject();
    w.text(QStringLiteral("c"), QStringLiteral("d"));
    EXPECT_TRUE(nlohmann::json::accept(w.bytes().toStdString()));
}

TEST(JsonLineWriter, EscapesWhatAJsonStringMayNotHoldBare)
{
    EXPECT_EQ(JsonLineWriter::quoted(QStringLiteral("O\"Brien \\ 2/3\n\tx\x01")),
              QStringLiteral("\"O\\\"Brien \\\\ 2/3\\n\\tx\\u0001\""));
    // Letters outside ASCII stay letters (the file is UTF-8).
    EXPECT_EQ(JsonLineWriter::quoted(QStringLiteral("Café ₹")), QStringLiteral("\"Café ₹\""));

    // A value held as UTF-8 is written as the same value held as text.
    const QString value = QStringLiteral("O\"Brien \\ 2/3\n\tx\x01\x1f Café ₹ data:;base64,QUJD+/=");
    JsonLineWriter fromText, fromUtf8;
    fromText.text(QStringLiteral("A"), value);
    fromUtf8.text(QStringLiteral("A"), QByteArrayView(value.toUtf8()));
    EXPECT_EQ(fromUtf8.bytes(), fromText.bytes());
}

TEST(JsonLineWriter, WritesStoredAmountsAsJsonNumbers)
{
    EXPECT_EQ(JsonLineWriter::numberText(QStringLiteral("1250.00")), QStringLiteral("1250.00"));
    EXPECT_EQ(JsonLineWriter::numberText(QStringLiteral(" -12 ")), QStringLiteral("-12"));
    EXPECT_EQ(JsonLineWriter::numberText(QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(JsonLineWriter::numberText(QStringLiteral("007")), QStringLiteral("7"));
    EXPECT_EQ(JsonLineWriter::numberText(QStringLiteral(".5")), QStringLiteral("0.5"));
    EXPECT_EQ(JsonLineWriter::numberText(QStringLiteral("+3.")), QStringLiteral("3"));
    // Nothing to write, and text that is no amount, stay visible to the schema check.
    EXPECT_EQ(JsonLineWriter::numberText(QString()), QStringLiteral("null"));
    EXPECT_EQ(JsonLineWriter::numberText(QStringLiteral("1,200.00")), QStringLiteral("\"1,200.00\""));
    EXPECT_EQ(JsonLineWriter::numberText(QStringLiteral(".")), QStringLiteral("\".\""));
    EXPECT_EQ(JsonLineWriter::numberText(QStringLiteral("Nil")), QStringLiteral("\"Nil\""));

    // The member carries the number's text, whichever way it is found.
    for (const char *stored :
         {"1250.00", "-12", "0", "-0.50", "10", "007", "0.", "5.", "-", "1e3", " 7", "1.2.3", "٣"}) {
        JsonLineWriter w;
        w.number(QStringLiteral("A"), QString::fromUtf8(stored));
        EXPECT_EQ(w.bytes(), "{\r\n    \"A\": " +
                                 JsonLineWriter::numberText(QString::fromUtf8(stored)).toUtf8() + "\r\n}\r\n")
            << stored;
    }
}

TEST(JsonLineWriter, WritesAOneValueArrayOnOneLine)
{
    JsonLineWriter w;
    w.numberArray(QStringLiteral("Form3cdAmtInadm40ASubClauseiC"), QStringLiteral("1500"));
    EXPECT_EQ(w.bytes(), QByteArray("{\r\n    \"Form3cdAmtInadm40ASubClauseiC\": [1500]\r\n}\r\n"));
}

TEST(JsonLineWriter, NamesSpelledOnceWriteAsNamesGivenEachTime)
{
    const QString name = QStringLiteral("Name \"quoted\" ₹");
    const QString value = QStringLiteral("Café \\ \t");
    JsonLineWriter once, each;
    const JsonLineWriter::Name spelled(name);
    once.text(spelled, value);
    once.number(spelled, u" 007");
    each.text(name, value);
    each.number(name, QStringLiteral(" 007"));
    EXPECT_EQ(once.bytes(), each.bytes());

    // Handing the document over gives what bytes() gives and leaves a fresh writer.
    const QByteArray written = once.bytes();
    EXPECT_EQ(once.takeBytes(), written);
    EXPECT_EQ(once.bytes(), JsonLineWriter().bytes());
}

TEST(JsonLineWriter, EncodesAnAttachmentAsQtsBase64)
{
    QByteArray data;
    for (int i = 0; i < 1000; ++i)
        data += char(i * 7);
    for (const qsizetype size : {0, 1, 2, 3, 4, 5, 6, 7, 1000}) {
        JsonLineWriter w;
        w.base64Text(QStringLiteral("encodedData"), "data:;base64,", data.first(size));
        EXPECT_EQ(w.bytes(),
                  "{\r\n    \"encodedData\": \"data:;base64," + data.first(size).toBase64() + "\"\r\n}\r\n")
            << size;
    }
}

TEST(JsonLineWriter, QuotesCsvFieldsOnlyWhereTheyNeedIt)
{
    CsvAttachment::Lines csv(QStringLiteral("Name,Amount"));
    csv.startRow();
    csv.field(u"Plain");
    csv.field(u"");
    csv.field(u"Café ₹");
    csv.startRow();
    csv.field(u"Smith, \"Jr\"");
    csv.field(u"two\r\nlines");
    EXPECT_EQ(csv.rows(), 2);
    EXPECT_EQ(QString::fromUtf8(csv.utf8()),
              QStringLiteral("Name,Amount\r\nPlain,,Café ₹\r\n\"Smith, \"\"Jr\"\"\",\"two\r\nlines\""));
}
