#include "OptionAnswers.h"

#include "ImportedRows.h"
#include "StoredValues.h"

#include <QSet>

namespace OptionAnswers
{

void store(ImportedRows &rows, int page, const QString &option, const QString &letter)
{
    // Clause 8a, the change of accounting method and the change in shareholding.
    static const QSet<QString> keptAsTick{QStringLiteral("Opt8a"), QStringLiteral("Opt13b"),
                                          QStringLiteral("Opt32b")};
    rows.set(rows.single(page, option), 1, StoredValues::yesNo(letter, keptAsTick.contains(option)));
    if (option == QLatin1String("Opt13dn")) {
        const bool notApplicable = letter.trimmed().compare(QLatin1String("X"), Qt::CaseInsensitive) == 0;
        rows.set(rows.single(page, QStringLiteral("NA13d")), 1,
                 notApplicable ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

} // namespace OptionAnswers
