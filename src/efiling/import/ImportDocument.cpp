#include "ImportDocument.h"

#include "efiling/json/Json.h"

#include <QFile>

ImportDocument ImportDocument::read(const QString &path)
{
    ImportDocument doc;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return doc;
    const std::optional<JsonValue> parsed = JSON::ParseJson(QString::fromUtf8(file.readAll()));
    if (!parsed || !JSON::ParserErrors().isEmpty())
        return doc;

    const JsonValue *root = &*parsed;
    if (!root->Keys().isEmpty() && root->Keys().first() == QLatin1String("metadata"))
        root = &root->Item(QStringLiteral("data"));
    const QString rootKey = root->Keys().isEmpty() ? QString() : root->Keys().first();
    if (rootKey != QLatin1String("FORM3CA") && rootKey != QLatin1String("FORM3CB")) {
        doc.status = Status::NotForm3CD;
        return doc;
    }
    doc.form = rootKey == QLatin1String("FORM3CA") ? FormKind::F3CA : FormKind::F3CB;
    // A node owns its sub-tree: the copy is the form key cut out of the document.
    doc.formKey = root->Item(rootKey).Item(doc.form == FormKind::F3CA ? QStringLiteral("F3CA")
                                                                      : QStringLiteral("F3CB"));
    doc.status = doc.formKey.isObject() ? Status::Ok : Status::Invalid;
    return doc;
}
