#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The words stored clause rows are written in, read the same way by every layer: the
// markers of a clause answered No or Not applicable, Yes/No answers and ticks, and the
// lists that one grid cell holds.
namespace Vocabulary
{

// A clause answered No is one row of "Nil", one marked not applicable one row of "NA".
// Both are recognised in any letter case and with blanks around them.
inline const QString Nil = QStringLiteral("Nil");
inline const QString NA = QStringLiteral("NA");
bool isNil(QStringView text);
bool isNA(QStringView text);
bool isMarker(QStringView text);

// A stored answer: "Yes"/"No"/"NA" as the shared routines write it, "True"/"False" where
// a page writes its own row, in any letter case.
enum class Answer { None, Yes, No, NA };
Answer answerOf(QStringView stored);
inline bool isYes(QStringView stored)
{
    return answerOf(stored) == Answer::Yes;
}
// A tick cell of a grid reads "True" (or "1", as check boxes store it) when ticked.
bool isTicked(QStringView stored);

// A cell that holds a list (clause 18 additions and deductions): entries separated by
// "#R#", fields of an entry by "#C#". Blank entries are dropped.
inline const QString EntrySeparator = QStringLiteral("#R#");
inline const QString FieldSeparator = QStringLiteral("#C#");
QList<QStringList> splitList(const QString &cell);
QString joinList(const QList<QStringList> &entries);

} // namespace Vocabulary
