#include "DateService.h"

#include <QRegularExpression>

namespace DateService
{

namespace
{

int expandYear(int year, int digits)
{
    if (digits == 2)
        return year < 50 ? 2000 + year : 1900 + year;
    return year;
}

} // namespace

QDate parse(const QString &text)
{
    const QString t = text.trimmed();
    static const QRegularExpression separated(
        QStringLiteral("\\A(\\d{1,2})\\s*[/\\-. ]\\s*(\\d{1,2})\\s*[/\\-. ]\\s*(\\d{2}|\\d{4})\\z"));
    static const QRegularExpression iso(QStringLiteral("\\A(\\d{4})-(\\d{1,2})-(\\d{1,2})\\z"));
    static const QRegularExpression packed(QStringLiteral("\\A(\\d{2})(\\d{2})(\\d{2}|\\d{4})\\z"));

    QRegularExpressionMatch m = separated.match(t);
    if (!m.hasMatch())
        m = packed.match(t);
    if (m.hasMatch()) {
        const QString y = m.captured(3);
        return QDate(expandYear(y.toInt(), int(y.size())), m.captured(2).toInt(), m.captured(1).toInt());
    }
    m = iso.match(t);
    if (m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return {};
}

QString ConvertDate(const QString &text, bool strict)
{
    const QDate d = parse(text);
    if (d.isValid())
        return d.toString(QStringLiteral("dd/MM/yyyy"));
    return strict ? QString() : text.trimmed();
}

QString XmlDateOut(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    const QDate d = parse(t);
    if (d.isValid())
        return d.toString(QStringLiteral("yyyy-MM-dd"));
    // Built from the characters when the text is not a whole date, as the writer always did.
    if (t.size() >= 10)
        return t.mid(6, 4) + u'-' + t.mid(3, 2) + u'-' + t.left(2);
    return t;
}

QDate MyDateSerial(const QString &text)
{
    return parse(text);
}

bool isDate(const QString &text)
{
    return parse(text).isValid();
}

} // namespace DateService
