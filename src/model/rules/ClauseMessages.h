#pragma once

#include <QString>

// The words a clause's check says, the same whether a page asks as the clause is left or the
// whole report is checked at once; the label is the clause as the accountant knows it ("21(a)").
namespace ClauseMessages
{

// A clause that may not be answered "Nil" left without data.
inline QString fill(const QString &label)
{
    return QStringLiteral("Please fill data in clause ") + label;
}

// A choice left empty, or a mandatory grid with a row left partly empty.
inline QString incomplete(const QString &label)
{
    return QStringLiteral("Clause ") + label + QStringLiteral(" is incomplete. ") + fill(label);
}

// A Yes/No question left unanswered (the double space is the form's own).
inline QString unanswered(const QString &label)
{
    return QStringLiteral("Select either Yes  or No in clause ") + label;
}

// Where a clause is, for a list of findings: "Clause 23 (page 10)".
inline QString place(const QString &label, int page)
{
    return QStringLiteral("Clause %1 (page %2)").arg(label).arg(page);
}

} // namespace ClauseMessages
