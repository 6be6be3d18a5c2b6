#pragma once

#include "efiling/json/JsonValue.h"
#include "store/ModuleState.h"

#include <QString>

// An e-filing JSON file read for import: parsed, opened at "data" when it is an upload
// envelope, and its form key's object ("F3CA" or "F3CB") taken out of the document.
struct ImportDocument {
    enum class Status {
        Ok,
        Invalid,   // unreadable, a syntax error, or a Form 3CA/3CB document without its form key
        NotForm3CD // valid JSON whose root is neither "FORM3CA" nor "FORM3CB"
    };

    Status status = Status::Invalid;
    FormKind form = FormKind::None; // Form 3CA or Form 3CB when the status is Ok
    JsonValue formKey;

    static ImportDocument read(const QString &path);
};
