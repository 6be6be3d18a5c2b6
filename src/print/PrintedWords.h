#pragma once

#include <QString>

// Words that more than one printed report writes alike.
namespace PrintedWords
{

// "31st March, 2026" for the year "2026": the end of a financial year as the reports date it.
inline QString yearEnd(const QString &year)
{
    return QStringLiteral("31st March, ") + year;
}

// A clause's remark in the Form 3CD body, naming the clause when the remark stands away from it.
inline QString remarkLine(const QString &text, const QString &clauseLabel = {})
{
    QString line = QStringLiteral("Remarks : - ");
    if (!clauseLabel.isEmpty())
        line += QStringLiteral("Clause ") + clauseLabel + QStringLiteral(" : ");
    return line + text;
}

// The opinion of Form 3CB's paragraph 3(C) and of Form 3CEB, between the words "my"/"our"
// and "me"/"us".
inline const QString InformationAndTheExplanations =
    QStringLiteral("information and according to the explanations given to");

// The amount columns' heading and the notes' heading of the Schedule III statements.
inline const QString AmountHeading = QStringLiteral("Amount (Rs.)");
// The statement of profit and loss, and the reserve its surplus is carried to.
inline const QString ProfitAndLossAccount = QStringLiteral("Profit and Loss Account");
inline const QString NotesHeading = QStringLiteral("Notes forming part of the financial statements");

} // namespace PrintedWords
