#include "TdsDbImport.h"

#include <QDate>
#include <QRegularExpression>

namespace TdsDbImport
{

QString dueDateRefusal(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d\\d/\\d\\d/\\d\\d\\d\\d$"));
    if (!shape.match(text.trimmed()).hasMatch())
        return QStringLiteral("Please specify valid 'Due Date' !");
    if (!QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy")).isValid())
        return QStringLiteral("Invalid 'Due Date' !");
    return {};
}

QString returnDueDate(TdsSource &source, const QString &assessmentYear)
{
    return source.dueDate(assessmentYear, QStringLiteral("ITR"));
}

} // namespace TdsDbImport
