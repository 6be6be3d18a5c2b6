#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// Writes the e-filing JSON the way the department's utilities lay it out: one member a
// line, indented by nesting depth (the root's members at 4 spaces, two more per level),
// lines ending in CR LF, and the comma after a member only once a sibling follows. The
// text is built as UTF-8 at once: a large report runs to megabytes.
class JsonLineWriter
{
public:
    JsonLineWriter();

    // "name": {  (an array element when name is empty)
    void openObject(const QString &name = {});
    // "name": [
    void openArray(const QString &name);
    // Closes the innermost object or array.
    void close();

    // "name": "value", escaped as JSON strings require.
    void text(const QString &name, const QString &value);
    // The same for a value held as UTF-8 (a large attachment, kept out of UTF-16).
    void text(const QString &name, QByteArrayView utf8);
    // "name": value, bare; an empty value or one that is no JSON number is written so
    // that the file stays readable and the schema check names the member (see numberText).
    void number(const QString &name, const QString &value);
    // "name": [value]  on one line, the value bare as for number().
    void numberArray(const QString &name, const QString &value);

    // The document so far, the objects still open closed, the last line terminated.
    QByteArray bytes() const;
    int depth() const { return int(m_stack.size()); }

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
    };
    // A new line for a member of the innermost object or array, after a comma if needed.
    void startMember();
    void startNamedMember(const QString &name);
    void appendQuoted(const QString &value);

    QByteArray m_text;
    std::vector<Level> m_stack;
};
