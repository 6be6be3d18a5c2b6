#pragma once

#include "efiling/json/JsonValue.h"
#include "store/ModuleState.h"

#include <QString>
#include <memory>

class DocumentRows;
class ReadContext;

// An e-filing JSON file read for import: parsed once, opened at "data" when it is an
// upload envelope, and its form key's object ("F3CA" or "F3CB") found in the document. The
// form key points into the document: a copy of the sub-tree would double the memory a
// large file takes. The tables' items were read into rows as the file was parsed (they
// stand as empty arrays in the document); the import reads the rest into the same rows.
struct ImportDocument {
    enum class Status {
        Ok,
        Invalid,    // a syntax error, or a Form 3CA/3CB document without its form key
        NotForm3CD, // valid JSON whose root is neither "FORM3CA" nor "FORM3CB"
        Missing,    // no such file
        Folder,     // a folder of that name
        Unreadable, // there, but it cannot be opened, or larger than any e-filing file
        Empty,      // nothing in it but white space
        Utf16       // saved as UTF-16 text, which the e-filing files never are
    };

    Status status = Status::Invalid;
    FormKind form = FormKind::None; // Form 3CA or Form 3CB when the status is Ok
    std::shared_ptr<const JsonValue> document;
    // The rows read so far; an import takes them once.
    std::shared_ptr<DocumentRows> rows;
    QString failure; // why the file cannot be read, for a status other than Ok and NotForm3CD

    // The PAN of the assessee (of "Declaration", "Point1", else of "PartA") and the
    // assessment year of "Form_Details", as the file writes them.
    QString pan() const;
    // Every PAN the file gives the assessee, empty where it gives none.
    QStringList assesseePans() const;
    QString assessmentYear() const;
    // The form key's object; a null value unless the status is Ok.
    const JsonValue &formKey() const;

    // Lets go of the parsed document; the form key reads as null from then on.
    void release()
    {
        m_formKey = nullptr;
        document.reset();
    }
    // The context to read the rest of the document with: the one the tables were read with.
    ReadContext &context() const;

    static ImportDocument read(const QString &path);
    // The file read for its form, PAN and year alone: the items of its tables are skipped
    // as they are parsed, and nothing can be imported from it.
    static ImportDocument readHeader(const QString &path);

private:
    static ImportDocument read(const QString &path, bool withRows);

    const JsonValue *m_formKey = nullptr;
};
