#include "Xml3cebValues.h"

#include "base/DateService.h"
#include "catalogue/Vocabulary.h"
#include "efiling/EfilingValues.h"
#include "store/Database.h"

namespace Xml3cebValues
{

namespace
{

const QString kHaveNotBeen = QStringLiteral("HAVE NOT BEEN");

} // namespace

QString ListEntries::entryOfCode(const QString &list, const QString &code)
{
    if (code.isEmpty())
        return {};
    auto entries = m_entries.find(list);
    if (entries == m_entries.end()) {
        QStringList read;
        Recordset rs = m_db.Execute(Form3cebCatalogue::instance().listSource(list).query);
        for (; !rs.Eof(); rs.MoveNext())
            read << rs.Fields(0);
        entries = m_entries.insert(list, read);
    }
    const QString prefix = u'(' + code + u')';
    for (const QString &entry : *entries) {
        if (entry.startsWith(prefix))
            return entry;
    }
    return {};
}

QString answerCode(const QString &stored)
{
    // Form 3CEB writes a "not applicable" answer as "NA" where the JSON forms write "X".
    const QString code = EfilingValues::yesNo(stored);
    return code == QLatin1String("X") ? QStringLiteral("NA") : code;
}

QString answerText(const QString &code, bool flag)
{
    if (code == QLatin1String("Y"))
        return flag ? QStringLiteral("True") : QStringLiteral("Yes");
    if (code == QLatin1String("N"))
        return flag ? QStringLiteral("False") : QStringLiteral("No");
    if (code == QLatin1String("NA"))
        return Vocabulary::NA;
    return {};
}

QString toXml(const Catalogue::XmlElement &element, const QString &stored)
{
    if (element.as == QLatin1String("code"))
        return stored.mid(1, 1);
    if (element.as == QLatin1String("date"))
        return stored.isEmpty() ? QString() : DateService::XmlDateOut(stored);
    if (element.as == QLatin1String("yesNo"))
        return answerCode(stored);
    if (element.as == QLatin1String("hasBeen"))
        return stored.trimmed().toUpper() == kHaveNotBeen ? QStringLiteral("2") : QStringLiteral("1");
    return stored;
}

QString fromXml(const Catalogue::XmlElement &element, const QString &text, ListEntries &lists)
{
    if (element.as == QLatin1String("code"))
        return lists.entryOfCode(element.list, text);
    if (element.as == QLatin1String("date"))
        return text.isEmpty() ? QString() : DateService::ConvertDate(text);
    if (element.as == QLatin1String("yesNo"))
        return answerText(text, false);
    if (element.as == QLatin1String("hasBeen")) {
        const QStringList words = Form3cebCatalogue::instance().listSource(QStringLiteral("hasBeen")).items;
        return text == QLatin1String("2")   ? words.value(1)
               : text == QLatin1String("1") ? words.value(0)
                                            : QString();
    }
    return text;
}

QString escaped(const QString &text)
{
    QString out = text;
    out.replace(u'&', QLatin1String("&amp;"));
    out.replace(u'<', QLatin1String("&lt;"));
    return out;
}

} // namespace Xml3cebValues
