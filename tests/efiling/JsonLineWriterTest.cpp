#include "efiling/JsonLineWriter.h"
#include "efiling/CsvAttachment.h"

#include <QBuffer>
#include <algorithm>
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

namespace
{
void writeAttachment(JsonLineWriter &w, const QString &name, QByteArrayView data)
{
    w.openBase64Text(name, "data:;base64,");
    w.appendBase64(data);
    w.closeBase64Text();
}
} // namespace

TEST(JsonLineWriter, EncodesAnAttachmentAsQtsBase64)
{
    QByteArray data;
    for (int i = 0; i < 1000; ++i)
        data += char(i * 7);
    for (const qsizetype size : {0, 1, 2, 3, 4, 5, 6, 7, 1000}) {
        JsonLineWriter w;
        writeAttachment(w, QStringLiteral("encodedData"), data.first(size));
        EXPECT_EQ(w.bytes(),
                  "{\r\n    \"encodedData\": \"data:;base64," + data.first(size).toBase64() + "\"\r\n}\r\n")
            << size;
    }
}

namespace
{
// A document of several megabytes: members of every kind around an attachment larger than
// what a writer holds before passing it on to its sink.
void writeLargeDocument(JsonLineWriter &w)
{
    QByteArray attachment;
    for (int i = 0; i < 3'000'001; ++i)
        attachment += char(i * 13);
    w.openObject(QStringLiteral("Form"));
    writeAttachment(w, QStringLiteral("CsvDtls"), attachment);
    w.openArray(QStringLiteral("Rows"));
    const JsonLineWriter::Name amount(QStringLiteral("Amount"));
    for (int i = 0; i < 40'000; ++i) {
        w.openObject();
        w.text(QStringLiteral("Payee"), QStringLiteral("ऋण \"%1\" Ltd").arg(i));
        w.number(amount, QString::number(i) + QStringLiteral(".50"));
        w.close();
    }
}

// A device that takes no more than `room` bytes, as a full disk does.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }
    QByteArray taken;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 n = std::min(size, m_room - qint64(taken.size()));
        if (n <= 0)
            return -1;
        taken.append(data, n);
        return n;
    }

private:
    qint64 m_room;
};
} // namespace

TEST(JsonLineWriter, AWriterWithASinkPassesOnTheSameDocument)
{
    JsonLineWriter held;
    writeLargeDocument(held);
    const QByteArray expected = held.bytes();

    QBuffer file;
    file.open(QIODevice::WriteOnly);
    JsonLineWriter streamed(&file);
    writeLargeDocument(streamed);
    EXPECT_TRUE(streamed.finish());
    EXPECT_EQ(file.data().size(), expected.size());
    EXPECT_TRUE(file.data() == expected);

    // A sink that fills up is reported, not passed over.
    FullDevice full(expected.size() / 2);
    JsonLineWriter cut(&full);
    writeLargeDocument(cut);
    EXPECT_FALSE(cut.finish());
    EXPECT_TRUE(expected.startsWith(full.taken));
}

TEST(JsonLineWriter, AnAttachmentGivenInPiecesEncodesAsAWhole)
{
    QByteArray data;
    for (int i = 0; i < 200'000; ++i)
        data += char(i * 31);
    for (const qsizetype size : {0, 1, 2, 4, 5, 65'536, 200'000}) {
        JsonLineWriter whole, pieces;
        writeAttachment(whole, QStringLiteral("encodedData"), data.first(size));
        pieces.openBase64Text(QStringLiteral("encodedData"), "data:;base64,");
        // Pieces of 1 to 7 bytes and one long piece, so every remainder carries over.
        qsizetype at = 0;
        for (qsizetype n = 1; at < size; n = n % 7 + 1) {
            const qsizetype take = std::min(at == 3 ? qsizetype(70'000) : n, size - at);
            pieces.appendBase64(data.sliced(at, take));
            at += take;
        }
        pieces.closeBase64Text();
        EXPECT_EQ(pieces.bytes(), whole.bytes()) << size;
    }

    // A document cut off inside an attachment still parses.
    JsonLineWriter cut;
    cut.openObject(QStringLiteral("CsvDtls"));
    cut.openBase64Text(QStringLiteral("encodedData"), "data:;base64,");
    cut.appendBase64("ab");
    EXPECT_TRUE(nlohmann::json::accept(cut.bytes().toStdString())) << cut.bytes().constData();
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
    EXPECT_EQ(QString::fromUtf8(csv.pending().toByteArray()),
              QStringLiteral("Name,Amount\r\nPlain,,Café ₹\r\n\"Smith, \"\"Jr\"\"\",\"two\r\nlines\""));
}

namespace
{
// The block of an attachment: its attachment member, then an array of its rows; the rows made
// in a branch beside the attachment when `branched`.
void writeAttachmentBlock(JsonLineWriter &w, bool branched, int rows)
{
    w.openObject(QStringLiteral("Block"));
    JsonLineWriter array = w.branch();
    JsonLineWriter &elements = branched ? array : w;
    if (branched)
        elements.openArray(QStringLiteral("Rows"));
    QByteArray csv;
    for (int i = 0; i < rows; ++i)
        csv += QByteArray::number(i) + ",ऋण\r\n";
    writeAttachment(w, QStringLiteral("CsvDtls"), csv);
    if (!branched)
        elements.openArray(QStringLiteral("Rows"));
    for (int i = 0; i < rows; ++i) {
        elements.openObject();
        elements.text(QStringLiteral("Payee"), QStringLiteral("ऋण \"%1\" Ltd").arg(i));
        elements.number(QStringLiteral("Amount"), QString::number(i));
        elements.close();
    }
    elements.close();
    if (branched)
        w.splice(std::move(array));
    w.close();
}
} // namespace

TEST(JsonLineWriter, ABranchSplicedInGivesTheDocumentWrittenInOrder)
{
    // None, a few and enough rows to fill several chunks; twice over, so the second document
    // is made in chunks the first one left.
    for (int round = 0; round < 2; ++round) {
        for (const int rows : {0, 3, 60'000}) {
            JsonLineWriter inOrder;
            inOrder.text(QStringLiteral("Before"), QStringLiteral("x"));
            writeAttachmentBlock(inOrder, false, rows);
            writeAttachmentBlock(inOrder, false, rows / 2);
            const QByteArray expected = inOrder.bytes();

            JsonLineWriter held;
            held.text(QStringLiteral("Before"), QStringLiteral("x"));
            writeAttachmentBlock(held, true, rows);
            writeAttachmentBlock(held, true, rows / 2);
            EXPECT_TRUE(held.bytes() == expected) << rows;

            QBuffer file;
            file.open(QIODevice::WriteOnly);
            JsonLineWriter streamed(&file);
            streamed.text(QStringLiteral("Before"), QStringLiteral("x"));
            writeAttachmentBlock(streamed, true, rows);
            writeAttachmentBlock(streamed, true, rows / 2);
            EXPECT_TRUE(streamed.finish());
            EXPECT_TRUE(file.data() == expected) << rows;
            EXPECT_TRUE(nlohmann::json::accept(file.data().toStdString()));
        }
    }
}
