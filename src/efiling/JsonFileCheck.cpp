#include "JsonFileCheck.h"

#include "FileFindings.h"
#include "JsonPositions.h"
#include "KestrovaJVUtil.h"
#include "base/BoundedFile.h"
#include "host/HostContext.h"

#include <QDir>
#include <QFile>
#include <unordered_set>

namespace JsonFileCheck
{

QString schemaFileName(FormKind kind)
{
    switch (kind) {
    case FormKind::F3CA:
        return QStringLiteral("FORM3CA3CD_MainSchema.json");
    case FormKind::F3CB:
        return QStringLiteral("FORM3CB3CD_MainSchema.json");
    case FormKind::F10B:
        return QStringLiteral("schema.json");
    case FormKind::F10BB:
        return QStringLiteral("schema10BB.json");
    default:
        return {};
    }
}

bool ignored(const ValidationFinding &finding)
{
    switch (finding.kind) {
    case ErrorKind::Required:
        return true;
    case ErrorKind::Type:
        return finding.found == QLatin1String("String") &&
               (finding.expected == QLatin1String("Number") || finding.expected == QLatin1String("Integer"));
    case ErrorKind::Minimum: {
        bool number = false;
        return finding.expected.toDouble(&number) == 0 && number;
    }
    default:
        return false;
    }
}

namespace
{

// The findings the check heeds, with the summary of the earlier layout a file follows.
FileCheckResult heeded(const KestrovaJVUtil &validator, const QString &file, const SchemaCheckResult &checked,
                       Heed heed, const QString &layout = {})
{
    FileCheckResult result;
    if (checked.failed()) {
        result.failure = checked.failure;
        return result;
    }
    result.layout = layout;
    for (const ValidationFinding &f : checked.findings) {
        if (heed == Heed::All || !ignored(f))
            result.findings << f;
    }
    if (result.findings.isEmpty())
        return result;

    // The viewer shows the file laid out member by member; findings are found in it by path.
    QDir().mkpath(host().vTmpPath());
    const QString formatted = QDir(host().vTmpPath()).filePath(QStringLiteral("efiling_view.json"));
    QFile view(validator.UnFormat(file, formatted) ? formatted : file);
    if (view.open(QIODevice::ReadOnly))
        result.viewerText = QString::fromUtf8(view.readAll());
    std::unordered_set<std::string> pointers;
    for (const ValidationFinding &f : result.findings)
        pointers.insert(f.pointer.toStdString());
    const auto at = JsonPositions::locate(result.viewerText.toStdString(), pointers);
    for (const ValidationFinding &f : result.findings) {
        const auto it = f.pointer.isEmpty() ? at.end() : at.find(f.pointer.toStdString());
        result.viewerLines << (it != at.end() ? it->second.line : f.line);
    }
    return result;
}

} // namespace

FileCheckResult check(const QString &file, const QString &schemaFile, Heed heed)
{
    const KestrovaJVUtil validator;
    const SchemaCheckResult checked = validator.Validate(file, schemaFile);
    if (checked.failed() || checked.findings.isEmpty())
        return heeded(validator, file, checked, heed);
    // Only a file with findings is read again, for the layout it follows.
    QString why;
    const std::optional<QByteArray> data = BoundedFile::read(file, BoundedFile::kMaxJsonBytes, &why);
    if (!data)
        return heeded(validator, file, checked, heed);
    const FileFindings::Sifted sifted = FileFindings::sift(*data, checked.findings);
    return heeded(validator, file, {sifted.findings, {}}, heed, sifted.layout);
}

FileCheckResult check(const QString &file, const QByteArray &written, const QString &schemaFile, Heed heed)
{
    const KestrovaJVUtil validator;
    return heeded(
        validator, file,
        validator.ValidateText(std::string_view(written.constData(), size_t(written.size())), schemaFile),
        heed);
}

} // namespace JsonFileCheck
