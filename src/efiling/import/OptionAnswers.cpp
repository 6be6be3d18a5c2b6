#include "OptionAnswers.h"

#include "ImportedRows.h"

#include "catalogue/Vocabulary.h"

#include "model/rules/SaveRules.h"

namespace OptionAnswers
{

void store(ImportedRows &rows, int page, const QString &option, const QString &letter)
{
    rows.set(rows.single(page, option), 1,
             SaveRules::storedAnswer(option, Vocabulary::storedOfLetter(letter)));
    if (option == QLatin1String("Opt13dn")) {
        const bool notApplicable = Vocabulary::answerOfLetter(letter) == Vocabulary::Answer::NA;
        rows.set(rows.single(page, QStringLiteral("NA13d")), 1,
                 notApplicable ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

} // namespace OptionAnswers
