#include "JsonFileCheck.h"

#include "JsonPositions.h"
#include "KestrovaJVUtil.h"
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
    static const QStringList tolerated{QStringLiteral("EXPECTED NUMBER BUT GOT STRING"),
                                       QStringLiteral("EXPECTED INTEGER BUT GOT STRING"),
                                       QStringLiteral("LESS THAN MINIMUM VALUE OF 0"),
                                       QStringLiteral("REQUIRED PROPERTIES ARE MISSING FROM OBJECT")};
    const QString message = (finding.detail.isEmpty() ? finding.message : finding.detail).toUpper();
    for (const QString &t : tolerated) {
        if (message.contains(t))
            return true;
    }
    return false;
}

namespace
{

// The findings the check heeds, from the validator's text of a check of `file`.
FileCheckResult heeded(const KestrovaJVUtil &validator, const QString &file, const QString &text, Heed heed)
{
    FileCheckResult result;
    if (ValidationFinding::isFailure(text)) {
        result.failure = text.mid(text.indexOf(ValidationFinding::error) + ValidationFinding::error.size());
        return result;
    }
    for (const ValidationFinding &f : ValidationFinding::split(text)) {
        if (heed == Heed::All || !ignored(f))
            result.findings << f;
    }
    if (result.findings.isEmpty())
        return result;

    // The viewer shows the file laid out member by member; findings are found in it by path.
    QDir().mkpath(host().vTmpPath());
    const QString formatted = QDir(host().vTmpPath()).filePath(QStringLiteral("efiling_view.json"));
    QFile view(validator.UnFormat(file, formatted) == ValidationFinding::ok ? formatted : file);
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
    return heeded(validator, file, validator.Validate(file, schemaFile), heed);
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
