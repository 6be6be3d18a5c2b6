#include "KestrovaJVUtil.h"

#include "JsonLayout.h"
#include "JsonSchemaCache.h"
#include "base/BoundedFile.h"

#include <QFile>
#include <stdexcept>

namespace
{

bool readAll(const QString &path, std::string &text, QString &why)
{
    const std::optional<QByteArray> data = BoundedFile::read(path, BoundedFile::kMaxJsonBytes, &why);
    if (!data)
        return false;
    text = data->toStdString();
    return true;
}

SchemaCheckResult failure(const QString &why)
{
    return {{}, why};
}

SchemaCheckResult validate(std::string_view jsonText, const QString &schemaFile,
                           const std::string &schemaText)
{
    try {
        return {JsonSchemaCache::check(schemaFile, schemaText)->run(jsonText), {}};
    } catch (const std::exception &e) {
        return failure(QStringLiteral("[%1]: %2").arg(schemaFile, QString::fromUtf8(e.what())));
    }
}

} // namespace

SchemaCheckResult KestrovaJVUtil::Validate(const QString &jsonFile, const QString &schemaFile) const
{
    std::string schemaText;
    std::string jsonText;
    QString why;
    if (!readAll(schemaFile, schemaText, why) || !readAll(jsonFile, jsonText, why))
        return failure(why);
    return validate(jsonText, schemaFile, schemaText);
}

SchemaCheckResult KestrovaJVUtil::ValidateText(std::string_view jsonText, const QString &schemaFile) const
{
    std::string schemaText;
    QString why;
    if (!readAll(schemaFile, schemaText, why))
        return failure(why);
    return validate(jsonText, schemaFile, schemaText);
}

bool KestrovaJVUtil::UnFormat(const QString &jsonFile, const QString &formattedFile, QString *why) const
{
    std::string text;
    QString reason;
    if (!readAll(jsonFile, text, reason)) {
        if (why)
            *why = reason;
        return false;
    }
    QFile out(formattedFile);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(QByteArray::fromStdString(JsonLayout::indented(text))) < 0) {
        if (why)
            *why = QStringLiteral("Cannot write [%1]: %2").arg(formattedFile, out.errorString());
        return false;
    }
    return true;
}
