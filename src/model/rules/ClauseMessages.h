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

// A Yes/No question left unanswered (the double spaces are the form's own), naming the third
// choice of a question that has one ("NA", "Not Due").
inline QString unanswered(const QString &label, const QString &thirdChoice = {})
{
    QString choices = QStringLiteral("Yes  or No");
    if (!thirdChoice.isEmpty())
        choices += QStringLiteral("  or ") + thirdChoice;
    return QStringLiteral("Select either ") + choices + QStringLiteral(" in clause ") + label;
}

// A clause that may be answered "Nil" left without data, in a list of findings.
inline QString blank(const QString &label)
{
    return QStringLiteral("Clause ") + label + QStringLiteral(" is blank");
}

// What a page asks of such a clause held in a text box, and in a grid: Yes goes back to it,
// No answers it "Nil".
inline QString updateBlankText(const QString &label)
{
    return QStringLiteral("Clause ") + label +
           QStringLiteral(" is blank or incomplete. Do you want to update the clause?") +
           QStringLiteral("\nSelect \"Yes\" to update") + QStringLiteral("\nSelect \"No\" if no information");
}

inline QString updateBlankGrid(const QString &label)
{
    return blank(label) + QStringLiteral(". Do you want to update Clause ") + label + QStringLiteral("?") +
           QStringLiteral("\nSelect 'YES', to update the field") +
           QStringLiteral("\nSelect 'NO', if no information");
}

// Where a clause is, for a list of findings: "Clause 23 (page 10)".
inline QString place(const QString &label, int page)
{
    return QStringLiteral("Clause %1 (page %2)").arg(label).arg(page);
}

} // namespace ClauseMessages
