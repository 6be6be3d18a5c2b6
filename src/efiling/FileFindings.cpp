#include "FileFindings.h"

#include "FiledLayout.h"
#include "efiling/json/Json.h"

namespace FileFindings
{

Sifted sift(const QByteArray &file, QList<ValidationFinding> findings)
{
    if (findings.isEmpty())
        return {};
    const std::optional<JsonValue> document = JSON::ParseJsonUtf8(file);
    if (!document)
        return {{}, findings};
    const FiledLayout layout = FiledLayout::of(*document);
    if (!layout.differs())
        return {{}, findings};
    findings.removeIf([&](const ValidationFinding &f) { return layout.explains(f); });
    return {layout.summary(), findings};
}

QString line(const ValidationFinding &finding)
{
    const QString path = finding.path();
    return QStringLiteral("%1:%2: %3%4")
        .arg(finding.line)
        .arg(finding.column)
        .arg(path.isEmpty() ? QString() : path + QStringLiteral(": "), finding.message);
}

const QStringList &columnTitles()
{
    static const QStringList titles{
        QStringLiteral("Sr. No."),       QStringLiteral("Error No."), QStringLiteral("Line No."),
        QStringLiteral("Column No."),    QStringLiteral("Root"),      QStringLiteral("Name of Head"),
        QStringLiteral("Variable Name"), QStringLiteral("Value"),     QStringLiteral("Error Description")};
    return titles;
}

QStringList cells(const ValidationFinding &finding, int number)
{
    return {QString::number(number),
            finding.errorNo(),
            QString::number(finding.line),
            QString::number(finding.column),
            finding.root,
            finding.head,
            finding.member,
            finding.value == QLatin1String("null") ? QString() : finding.value,
            finding.message};
}

} // namespace FileFindings
