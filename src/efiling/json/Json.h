#pragma once

#include "JsonValue.h"

#include <QByteArrayView>
#include <QString>
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

// The root object or array, or nothing when the text does not begin (after white space,
// parentheses and comments) with "{" or "[". Replaces the error text of the previous parse.
std::optional<JsonValue> ParseJson(const QString &text);
// The same from UTF-8 text as a file holds it, without converting the whole text first;
// error positions count bytes.
std::optional<JsonValue> ParseJsonUtf8(QByteArrayView text);

// The error text of the last parse on this thread: zero or more lines, each ending in CR LF.
QString ParserErrors();
// Where the first of those errors was found, counted from 0 in the units of the text parsed
// last (characters, or bytes for UTF-8); -1 when there was none.
qsizetype ParserErrorOffset();

// The value as compact JSON text, without white space.
QString JsonToText(const JsonValue &value);

} // namespace JSON
