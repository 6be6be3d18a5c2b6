#include "Xml3cebValues.h"

#include "base/DateService.h"
#include "efiling/EfilingValues.h"
#include "catalogue/Vocabulary.h"
#include "store/Database.h"

namespace Xml3cebValues
{

namespace
{

const QString kHaveNotBeen = QStringLiteral("HAVE NOT BEEN");

// The stored text of a list entry that begins "(" + code + ")": the method list of
// section 92C(1), the relationships of section 92A(2).
QString entryOfCode(const QString &list, const QString &code, Database &db)
{
    if (code.isEmpty())
        return {};
    const Catalogue::ListSource source = Form3cebCatalogue::instance().listSource(list);
    Recordset rs = db.Execute(source.query);
    const QString prefix = u'(' + code + u')';
    for (; !rs.Eof(); rs.MoveNext()) {
        if (rs.Fields(0).startsWith(prefix))
            return rs.Fields(0);
    }
    return {};
}

} // namespace

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

QString fromXml(const Catalogue::XmlElement &element, const QString &text, Database &db)
{
    if (element.as == QLatin1String("code"))
        return entryOfCode(element.list, text, db);
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
