#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <memory>
#include <vector>

class QIODevice;

// Writes the e-filing JSON the way the department's utilities lay it out: one member a
// line, indented by nesting depth (the root's members at 4 spaces, two more per level),
// lines ending in CR LF, and the comma after a member only once a sibling follows. The
// text is built as UTF-8 at once: a large report runs to megabytes, so a writer given a
// sink passes it on a megabyte at a time instead of holding it all.
class JsonLineWriter
{
public:
    // A member's name as the file spells it (`"name": `), made once for the thousands of
    // elements that repeat it.
    class Name
    {
    public:
        explicit Name(const QString &name);

    private:
        friend class JsonLineWriter;
        QByteArray m_literal;
    };

    JsonLineWriter();
    explicit JsonLineWriter(QIODevice *sink);
    JsonLineWriter(JsonLineWriter &&) = default;
    JsonLineWriter &operator=(JsonLineWriter &&) = default;
    ~JsonLineWriter();

    // "name": {  (an array element when name is empty)
    void openObject(const QString &name = {});
    // "name": [
    void openArray(const QString &name);
    // Closes the innermost object or array.
    void close();

    // "name": "value", escaped as JSON strings require.
    void text(const QString &name, const QString &value);
    void text(const Name &name, QStringView value);
    // Inside an array an empty name writes the value as an element.
    // "name": value, bare; an empty value or one that is no JSON number is written so
    // that the file stays readable and the schema check names the member (see numberText).
    void number(const QString &name, const QString &value);
    void number(const Name &name, QStringView value);
    // "name": "<prefix><the Base64 of the data>" (the prefix plain ASCII), the data given in
    // pieces as it is made (an attachment built row by row), so that it is never held whole:
    // open, append each piece, close.
    void openBase64Text(const QString &name, QByteArrayView prefix);
    void appendBase64(QByteArrayView data);
    void closeBase64Text();
    // "name": true, false or null, as the word given.
    void literal(const QString &name, const QString &word);
    // "name": [value]  on one line, the value bare as for number().
    void numberArray(const QString &name, const QString &value);

    // A writer for a part of this document made before its turn (the elements of an
    // attachment block, made row by row beside the attachment that stands before them). It
    // goes on at this writer's nesting as though a member stood before it; splice() puts
    // its text here once what comes first is written.
    JsonLineWriter branch() const;
    void splice(JsonLineWriter &&branch);

    // For a writer with a sink: writes what it still holds, the objects still open closed and
    // the last line terminated; false when the sink did not take every byte.
    bool finish();

    // For a writer without a sink: the document so far, the objects still open closed, the
    // last line terminated.
    QByteArray bytes() const;
    // The same, leaving the writer empty: a large document is handed over without a copy.
    QByteArray takeBytes();
    int depth() const { return int(m_stack.size()); }

    // From here on the innermost object remembers the names of its members, so that a value
    // kept from a filed file is added only where the writer wrote none of that name.
    void rememberNames();
    bool hasMember(const QString &name) const;

    // A JSON string literal of the text, quotes included.
    static QString quoted(const QString &value);
    // The stored amount as a JSON number: blanks trimmed, a leading "+" and superfluous
    // leading zeros dropped ("0.50", "-12", "1e3" pass as they are). An empty text gives
    // "null", any other text a quoted string, so that the schema reports the member.
    static QString numberText(const QString &value);

private:
    struct Level {
        bool array = false;
        bool hasMembers = false;
        std::shared_ptr<QSet<QByteArray>> names; // the member literals, when remembered
    };
    struct Unopened {
    };
    // A writer with no text yet, not even the document's opening brace.
    explicit JsonLineWriter(Unopened) {}
    // A new line for a member of the innermost object or array, after a comma if needed.
    void startMember();
    void startNamedMember(const QString &name);
    void startNamedMember(const Name &name);
    // Room for n more bytes at the end of the text; the caller adds what it writes to m_used.
    char *room(qsizetype n);
    void passToSink();
    void append(const char *bytes, qsizetype n);
    void append(char c) { *room(1) = c, ++m_used; }
    void appendQuoted(QStringView value);
    void appendNumber(QStringView value);
    void appendClosing(QByteArray &out) const;

    // Grown ahead of the text: its size is the room made, m_used the bytes written.
    QByteArray m_text;
    qsizetype m_used = 0;
    std::vector<Level> m_stack;
    QIODevice *m_sink = nullptr;
    // The bytes of Base64 data given in pieces that wait for a third to be encoded.
    char m_base64Pending[2] = {};
    qsizetype m_base64PendingCount = 0;
    bool m_inBase64 = false;
    bool m_sinkFailed = false;
    // A branch keeps its full chunks here, in order, m_text the last.
    bool m_branch = false;
    std::vector<QByteArray> m_chunks;
};
