#include "KestrovaJVUtil.h"

#include "JsonLayout.h"
#include "JsonSchemaCache.h"
#include "ValidationFinding.h"
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

QString failure(const QString &why)
{
    return ValidationFinding::error + why;
}

QString validate(std::string_view jsonText, const QString &schemaFile, const std::string &schemaText)
{
    try {
        return ValidationFinding::join(JsonSchemaCache::check(schemaFile, schemaText)->run(jsonText));
    } catch (const std::exception &e) {
        return failure(QStringLiteral("[%1]: %2").arg(schemaFile, QString::fromUtf8(e.what())));
    }
}

} // namespace

QString KestrovaJVUtil::Validate(const QString &jsonFile, const QString &schemaFile) const
{
    std::string schemaText;
    std::string jsonText;
    QString why;
    if (!readAll(schemaFile, schemaText, why) || !readAll(jsonFile, jsonText, why))
        return failure(why);
    return validate(jsonText, schemaFile, schemaText);
}

QString KestrovaJVUtil::ValidateText(std::string_view jsonText, const QString &schemaFile) const
{
    std::string schemaText;
    QString why;
    if (!readAll(schemaFile, schemaText, why))
        return failure(why);
    return validate(jsonText, schemaFile, schemaText);
}

QString KestrovaJVUtil::UnFormat(const QString &jsonFile, const QString &formattedFile) const
{
    std::string text;
    QString why;
    if (!readAll(jsonFile, text, why))
        return failure(why);
    QFile out(formattedFile);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(QByteArray::fromStdString(JsonLayout::indented(text))) < 0)
        return failure(QStringLiteral("Cannot write [%1]: %2").arg(formattedFile, out.errorString()));
    return ValidationFinding::ok;
}
