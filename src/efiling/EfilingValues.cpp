#include "EfilingValues.h"

#include "catalogue/Vocabulary.h"

namespace EfilingValues
{

QString date(const QString &stored)
{
    const QString d = stored.trimmed();
    if (d.isEmpty())
        return {};
    return d.right(4) + u'-' + d.mid(3, 2) + u'-' + d.left(2);
}

QString yesNo(const QString &stored)
{
    switch (Vocabulary::answerOf(stored)) {
    case Vocabulary::Answer::Yes:
        return QStringLiteral("Y");
    case Vocabulary::Answer::No:
        return QStringLiteral("N");
    case Vocabulary::Answer::NA:
        return QStringLiteral("X");
    case Vocabulary::Answer::None:
        break;
    }
    return {};
}

int assessmentYear(const QString &firstDate)
{
    return firstDate.right(4).toInt() + 1;
}

} // namespace EfilingValues
