#include "ValidationFinding.h"

const QString ValidationFinding::ok = QStringLiteral("#OK#");
const QString ValidationFinding::error = QStringLiteral("#ERROR#");
const QString ValidationFinding::findingSeparator = QStringLiteral("#;#");
const QString ValidationFinding::fieldSeparator = QStringLiteral("$#$");

namespace
{

// A value that happens to hold a separator must not split its finding.
QString field(QString text)
{
    text.replace(ValidationFinding::findingSeparator, QStringLiteral("# ; #"));
    text.replace(ValidationFinding::fieldSeparator, QStringLiteral("$ # $"));
    return text;
}

} // namespace

QString ValidationFinding::path() const
{
    if (!pointer.isEmpty() || member.isEmpty())
        return pointer.isEmpty() ? root : QString();
    return root.isEmpty() ? member : root + u'.' + member;
}

QString ValidationFinding::toText() const
{
    return QStringList{
        field(errorNo), QString::number(line), QString::number(column), field(root),    field(head),
        field(member),  field(value),          field(message),          field(pointer), field(detail)}
        .join(fieldSeparator);
}

ValidationFinding ValidationFinding::fromText(const QString &text)
{
    const QStringList f = text.split(fieldSeparator);
    ValidationFinding v;
    v.errorNo = f.value(0);
    v.line = f.value(1).toInt();
    v.column = f.value(2).toInt();
    v.root = f.value(3);
    v.head = f.value(4);
    v.member = f.value(5);
    v.value = f.value(6);
    v.message = f.value(7);
    v.pointer = f.value(8);
    v.detail = f.value(9);
    return v;
}

QString ValidationFinding::join(const QList<ValidationFinding> &findings)
{
    if (findings.isEmpty())
        return ok;
    QStringList parts;
    parts.reserve(findings.size());
    for (const ValidationFinding &f : findings)
        parts << f.toText();
    return parts.join(findingSeparator);
}

QList<ValidationFinding> ValidationFinding::split(const QString &result)
{
    QList<ValidationFinding> list;
    if (result.trimmed() == ok || result.trimmed().isEmpty())
        return list;
    for (const QString &part : result.split(findingSeparator))
        list << fromText(part);
    return list;
}
