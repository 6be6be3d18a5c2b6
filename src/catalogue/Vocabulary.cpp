#include "Vocabulary.h"

namespace Vocabulary
{

namespace
{
bool equalsIgnoringCase(QStringView text, QLatin1String word)
{
    // The lengths first: this runs on every amount of a large report.
    const QStringView t = text.trimmed();
    return t.size() == word.size() && t.compare(word, Qt::CaseInsensitive) == 0;
}
} // namespace

bool isNil(QStringView text)
{
    return equalsIgnoringCase(text, QLatin1String("Nil"));
}

bool isNA(QStringView text)
{
    return equalsIgnoringCase(text, QLatin1String("NA"));
}

bool isMarker(QStringView text)
{
    return isNil(text) || isNA(text);
}

Answer answerOf(QStringView stored)
{
    if (equalsIgnoringCase(stored, QLatin1String("Yes")) || equalsIgnoringCase(stored, QLatin1String("True")))
        return Answer::Yes;
    if (equalsIgnoringCase(stored, QLatin1String("No")) || equalsIgnoringCase(stored, QLatin1String("False")))
        return Answer::No;
    if (isNA(stored))
        return Answer::NA;
    return Answer::None;
}

bool isTicked(QStringView stored)
{
    return equalsIgnoringCase(stored, QLatin1String("True")) || stored.trimmed() == QLatin1String("1");
}

QList<QStringList> splitList(const QString &cell)
{
    QList<QStringList> entries;
    for (const QString &entry : cell.split(EntrySeparator, Qt::SkipEmptyParts)) {
        if (!entry.trimmed().isEmpty())
            entries << entry.split(FieldSeparator);
    }
    return entries;
}

QString joinList(const QList<QStringList> &entries)
{
    QStringList joined;
    joined.reserve(entries.size());
    for (const QStringList &entry : entries)
        joined << entry.join(FieldSeparator);
    return joined.join(EntrySeparator);
}

} // namespace Vocabulary
