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
    const Vocabulary::Answer answer = Vocabulary::answerOf(stored);
    return answer == Vocabulary::Answer::NA ? Vocabulary::NA : Vocabulary::letterOf(answer);
}

QString answerText(const QString &code, bool flag)
{
    const Vocabulary::Answer answer =
        Vocabulary::isNA(code) ? Vocabulary::Answer::NA : Vocabulary::answerOfLetter(code);
    return Vocabulary::spelt(answer, flag ? Vocabulary::Spelling::TrueFalse : Vocabulary::Spelling::YesNo);
}

QString toXml(const Catalogue::XmlElement &element, const QString &stored)
{
    if (element.as == Catalogue::MemberKind::Code)
        return stored.mid(1, 1);
    if (element.as == Catalogue::MemberKind::Date)
        return stored.isEmpty() ? QString() : DateService::XmlDateOut(stored);
    if (element.as == Catalogue::MemberKind::YesNo)
        return answerCode(stored);
    if (element.as == Catalogue::MemberKind::HasBeen)
        return stored.trimmed().toUpper() == kHaveNotBeen ? QStringLiteral("2") : QStringLiteral("1");
    return stored;
}

QString fromXml(const Catalogue::XmlElement &element, const QString &text, ListEntries &lists)
{
    if (element.as == Catalogue::MemberKind::Code)
        return lists.entryOfCode(element.list, text);
    if (element.as == Catalogue::MemberKind::Date)
        return text.isEmpty() ? QString() : DateService::ConvertDate(text);
    if (element.as == Catalogue::MemberKind::YesNo)
        return answerText(text, false);
    if (element.as == Catalogue::MemberKind::HasBeen) {
        const QStringList words = Form3cebCatalogue::instance().listSource(QStringLiteral("hasBeen")).items;
        return text == QLatin1String("2")   ? words.value(1)
               : text == QLatin1String("1") ? words.value(0)
                                            : QString();
    }
    return text;
}

} // namespace Xml3cebValues
