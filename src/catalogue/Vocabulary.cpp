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

QString spelt(Answer answer, Spelling spelling)
{
    const bool trueFalse = spelling == Spelling::TrueFalse;
    switch (answer) {
    case Answer::Yes:
        return trueFalse ? TrueWord : Yes;
    case Answer::No:
        return trueFalse ? FalseWord : No;
    case Answer::NA:
        return NA;
    case Answer::None:
        break;
    }
    return {};
}

QString respelt(const QString &stored, Spelling spelling)
{
    const Answer answer = answerOf(stored);
    return answer == Answer::None ? stored : spelt(answer, spelling);
}

QString letterOf(Answer answer)
{
    switch (answer) {
    case Answer::Yes:
        return QStringLiteral("Y");
    case Answer::No:
        return QStringLiteral("N");
    case Answer::NA:
        return QStringLiteral("X");
    case Answer::None:
        break;
    }
    return {};
}

Answer answerOfLetter(QStringView letter)
{
    if (equalsIgnoringCase(letter, QLatin1String("Y")))
        return Answer::Yes;
    if (equalsIgnoringCase(letter, QLatin1String("N")))
        return Answer::No;
    if (equalsIgnoringCase(letter, QLatin1String("X")))
        return Answer::NA;
    return Answer::None;
}

QString storedOfLetter(const QString &letter, Spelling spelling)
{
    const Answer answer = answerOfLetter(letter);
    return answer == Answer::None ? letter : spelt(answer, spelling);
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
