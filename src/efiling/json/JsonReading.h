#pragma once

#include "JsonValue.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

// The one rule of what JSON file the program can read: the file's UTF-8 text (after any
// byte-order mark) read by the codec without an error. The import reads files this way, and
// the pre-filing check and `taxaudit validate` refuse what it would refuse, where it stops.
namespace JSON
{
class ElementSink;
}

namespace JsonReading
{

struct Result {
    std::optional<JsonValue> root;
    QString fault;         // the codec's first error; "" when the text was read whole
    qsizetype offset = -1; // the byte offset of that error in the text given

    bool readable() const { return root.has_value() && fault.isEmpty(); }
};

// A sink takes the elements of the arrays it chooses as they are read (they stay empty in
// the root).
Result read(QByteArrayView utf8, JSON::ElementSink *sink = nullptr);

} // namespace JsonReading
