#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class JsonLineWriter;

// The "CsvDtls" member of an attachment block: tables of more than 500 rows also travel
// as a CSV file inside the JSON, Base64-encoded, so the portal can take them in one piece.
namespace CsvAttachment
{

inline constexpr int kRowLimit = 500;
inline const QString kDataPrefix = QStringLiteral("data:application/vnd.ms-excel;base64,");

// The CSV text, built as UTF-8 line by line: the header, then one line per row, CR LF between
// lines, fields quoted only where they hold a comma, a quote or a line break.
class Lines
{
public:
    explicit Lines(const QString &header);
    // Starts the next row; its fields follow.
    void startRow();
    void field(QStringView value);
    qsizetype rows() const { return m_rows; }
    // The text made since the last call, handed over; the lines go on after it.
    QByteArrayView pending() const { return m_text; }
    void clearPending() { m_text.resize(0); }

private:
    // A field that needs quotes or holds characters beyond ASCII.
    void appendUnusual(QStringView value);

    QByteArray m_text;
    qsizetype m_rows = 0;
    bool m_first = true;
};

// "CsvDtls" with "Attachment" and "HasMoreThan500" for a table of these lines, written as the
// lines are made: the encoded text of a large table is never held whole.
class Stream
{
public:
    // Opens the member for a table of `rows` rows.
    Stream(JsonLineWriter &w, const QString &header, qsizetype rows);
    Lines &lines() { return m_lines; }
    // Passes the lines made so far on to the document once they run to a piece.
    void rowDone();
    // Writes what is left and closes the member.
    void finish();

private:
    void pass();

    JsonLineWriter &m_writer;
    Lines m_lines;
    bool m_large;
};

void write(JsonLineWriter &w, const QString &header, const QList<QStringList> &rows);

} // namespace CsvAttachment
