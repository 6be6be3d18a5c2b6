#include "FindingWords.h"

#include "EditorPlace.h"

#include <QHash>
#include <QStringList>

using nlohmann::json;

namespace FindingWords
{

namespace
{

QString typeWord(const std::string &type)
{
    static const QHash<QString, QString> words{
        {QStringLiteral("number"), QStringLiteral("a number")},
        {QStringLiteral("integer"), QStringLiteral("a whole number")},
        {QStringLiteral("string"), QStringLiteral("text")},
        {QStringLiteral("boolean"), QStringLiteral("true or false")},
        {QStringLiteral("array"), QStringLiteral("a list")},
        {QStringLiteral("object"), QStringLiteral("a group of members")},
        {QStringLiteral("null"), QStringLiteral("empty")}};
    const QString name = QString::fromStdString(type);
    return words.value(name, name);
}

QString valueWords(const json &value)
{
    switch (value.type()) {
    case json::value_t::string:
        return QStringLiteral("the text \"%1\"").arg(QString::fromStdString(value.get<std::string>()));
    case json::value_t::number_integer:
    case json::value_t::number_unsigned:
    case json::value_t::number_float:
        return QStringLiteral("the number %1").arg(QString::fromStdString(value.dump()));
    case json::value_t::boolean:
        return QString::fromStdString(value.dump());
    case json::value_t::null:
        return QStringLiteral("nothing (null)");
    case json::value_t::array:
        return QStringLiteral("a list");
    default:
        return QStringLiteral("a group of members");
    }
}

QString scalarText(const json &value)
{
    return value.is_string() ? QString::fromStdString(value.get<std::string>())
                             : QString::fromStdString(value.dump());
}

// The path of a member of a file that is no Form 3CD file, rows counted from 1.
QString pathWords(const QString &pointer)
{
    QStringList steps = pointer.split(u'/');
    steps.removeFirst();
    if (steps.value(0) == QLatin1String("data"))
        steps.removeFirst();
    QStringList words;
    for (QString step : steps) {
        bool index = false;
        const int n = step.toInt(&index);
        step.replace(QStringLiteral("~1"), QStringLiteral("/"))
            .replace(QStringLiteral("~0"), QStringLiteral("~"));
        words << (index ? QStringLiteral("row %1").arg(n + 1) : step);
    }
    return words.isEmpty() ? QStringLiteral("The file") : words.join(QStringLiteral(", "));
}

QString placeWords(const QString &pointer)
{
    const EditorPlace::Place place = EditorPlace::locate(pointer);
    return place.known() ? EditorPlace::text(place) : pathWords(pointer);
}

QString missingWords(const ValidationFinding &finding)
{
    QStringList names;
    for (const QString &name : finding.member.split(QStringLiteral(", "))) {
        const EditorPlace::Place place = EditorPlace::locate(finding.pointer + u'/' + name);
        names << (place.known() && !place.item.isEmpty() ? place.item : name);
    }
    return names.size() == 1 ? QStringLiteral("%1 is missing").arg(names.first())
                             : QStringLiteral("these are missing: %1").arg(names.join(QStringLiteral(", ")));
}

} // namespace

QString wrongType(const json *rule, const json *value)
{
    QStringList expected;
    if (rule && rule->contains("type")) {
        const json &type = (*rule)["type"];
        if (type.is_string())
            expected << typeWord(type.get<std::string>());
        for (const json &t : type.is_array() ? type : json::array()) {
            if (t.is_string())
                expected << typeWord(t.get<std::string>());
        }
    }
    const QString must = expected.isEmpty()
                             ? QStringLiteral("is not of the kind the form asks for")
                             : QStringLiteral("must be %1").arg(expected.join(QStringLiteral(" or ")));
    return value ? QStringLiteral("%1; the file has %2").arg(must, valueWords(*value)) : must;
}

QString wrongPattern(const json *rule, const QString &value)
{
    if (rule && rule->contains("description") && (*rule)["description"].is_string())
        return QStringLiteral("%1 (\"%2\" is not)")
            .arg(QString::fromStdString((*rule)["description"].get<std::string>()), value);
    return QStringLiteral("\"%1\" is not written the way the form asks for this value").arg(value);
}

QString notListed(const json *rule, const QString &value)
{
    // A short list is named; a long code table is chosen from the editor's list.
    constexpr size_t kNamed = 10;
    QString words = QStringLiteral("\"%1\" is not one of the values the form allows").arg(value);
    if (rule && rule->contains("enum") && (*rule)["enum"].is_array() && (*rule)["enum"].size() <= kNamed) {
        QStringList allowed;
        for (const json &v : (*rule)["enum"])
            allowed << scalarText(v);
        words += QStringLiteral(" (%1)").arg(allowed.join(QStringLiteral(", ")));
    }
    return words;
}

QString tooSmall(const QString &limit, const QString &value)
{
    return QStringLiteral("must be at least %1; the file has %2").arg(limit, value);
}

QString tooLarge(const QString &limit, const QString &value)
{
    return QStringLiteral("must be at most %1; the file has %2").arg(limit, value);
}

QString tooLong(const QString &limit, const QString &value)
{
    return QStringLiteral("may have at most %1 characters; the file has %2").arg(limit).arg(value.size());
}

QString tooShort(const QString &limit, const QString &value)
{
    return QStringLiteral("must have at least %1 characters; the file has %2").arg(limit).arg(value.size());
}

QString tooFewEntries(const QString &limit, qsizetype count)
{
    return QStringLiteral("must have at least %1 entries; the file has %2").arg(limit).arg(count);
}

QString tooManyEntries(const QString &limit, qsizetype count)
{
    return QStringLiteral("may have at most %1 entries; the file has %2").arg(limit).arg(count);
}

QString unknownMember()
{
    return QStringLiteral("the form has no such member; leave it out of the file");
}

void compose(ValidationFinding &finding)
{
    if (finding.kind == ErrorKind::Required)
        finding.message = QStringLiteral("%1: %2.").arg(placeWords(finding.pointer), missingWords(finding));
    else
        finding.message = QStringLiteral("%1: %2.").arg(placeWords(finding.pointer), finding.message);
}

} // namespace FindingWords
