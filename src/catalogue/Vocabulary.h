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

// How a question's answer is spelt where it is stored: "Yes"/"No" by the shared routines,
// "True"/"False" by the questions whose pages write their row themselves (the catalogue
// names them) and by grid ticks. TrueWord and FalseWord, as X11 defines True and False.
enum class Spelling { YesNo, TrueFalse };
inline const QString Yes = QStringLiteral("Yes");
inline const QString No = QStringLiteral("No");
inline const QString TrueWord = QStringLiteral("True");
inline const QString FalseWord = QStringLiteral("False");
// The stored text of an answer: "NA" when not applicable, "" for none.
QString spelt(Answer answer, Spelling spelling = Spelling::YesNo);
inline QString spelt(bool yes, Spelling spelling = Spelling::YesNo)
{
    return spelt(yes ? Answer::Yes : Answer::No, spelling);
}
// A stored answer in any spelling rewritten in `spelling`; a text that is no answer is kept.
QString respelt(const QString &stored, Spelling spelling);

// The letters the department's files carry for an answer: "Y", "N" and "X" (not applicable);
// a letter in any case, with blanks around it, reads back.
QString letterOf(Answer answer);
Answer answerOfLetter(QStringView letter);
// The stored text of a file's letter in a spelling; a letter that is no answer is kept.
QString storedOfLetter(const QString &letter, Spelling spelling = Spelling::YesNo);
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
