#pragma once

#include "JsonValue.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

// A small, lenient JSON reader and a compact writer. The reader takes what hand-edited and
// older e-filing files contain: comments, parentheses between tokens, bare and single-quoted
// keys, missing commas, unterminated strings. It never throws; what it could not read is
// described by ParserErrors, and the tree read up to that point is still returned.
namespace JSON
{

// What a duplicate key reports in the error text, before ": " and the key.
inline constexpr QStringView DuplicateKey =
    u"This key is already associated with an element of this collection";

// Takes the elements of chosen arrays while a text is read. The path of an array is the keys
// from the root to it (an array within an array has its outer array's path).
class ElementSink
{
public:
    virtual ~ElementSink() = default;
    // Whether the elements of the array at this path are to be handed over.
    virtual bool takes(const QStringList &path) = 0;
    // One element of such an array, whole, in the order of the text.
    virtual void element(const QStringList &path, JsonValue element) = 0;
};

// The root object or array, or nothing when the text does not begin (after white space,
// parentheses and comments) with "{" or "[". Replaces the error text of the previous parse.
std::optional<JsonValue> ParseJson(const QString &text);
// The same from UTF-8 text as a file holds it, without converting the whole text first;
// error positions count bytes. A sink takes the elements of the arrays it names as each is
// read, and those arrays stay empty in the tree: a large table is never held whole.
std::optional<JsonValue> ParseJsonUtf8(QByteArrayView text, ElementSink *sink = nullptr);

// The error text of the last parse on this thread: zero or more lines, each ending in CR LF.
QString ParserErrors();
// Where the first of those errors was found, counted from 0 in the units of the text parsed
// last (characters, or bytes for UTF-8); -1 when there was none.
qsizetype ParserErrorOffset();

// The value as compact JSON text, without white space.
QString JsonToText(const JsonValue &value);

} // namespace JSON
