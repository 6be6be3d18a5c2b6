#pragma once

#include "JsonValue.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

// The one rule of what JSON file the program can read: the file's UTF-8 text (after any
// byte-order mark) read by the codec without an error. The import reads files this way, and
// the pre-filing check and `taxaudit validate` refuse what it would refuse, where it stops.
namespace JsonReading
{

struct Result {
    std::optional<JsonValue> root;
    QString fault;         // the codec's first error; "" when the text was read whole
    qsizetype offset = -1; // the byte offset of that error in the text given

    bool readable() const { return root.has_value() && fault.isEmpty(); }
};

Result read(QByteArrayView utf8);

} // namespace JsonReading
