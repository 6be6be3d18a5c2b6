#include "ConcessionalRegime.h"

#include "catalogue/PartAPoints.h"
#include "catalogue/Vocabulary.h"
#include "model/amounts/Amounts.h"

namespace ConcessionalRegime
{

namespace
{

const QString kWidest = QStringLiteral("115BA");

// The sections of clause 19 section 115BA takes away, in the order of the clause.
QStringList widestBars()
{
    return {QStringLiteral("32AC"),       QStringLiteral("32AD"),      QStringLiteral("33AB"),
            QStringLiteral("33ABA"),      QStringLiteral("35(1)(ii)"), QStringLiteral("35(1)(iia)"),
            QStringLiteral("35(1)(iii)"), QStringLiteral("35(2AA)"),   QStringLiteral("35(2AB)"),
            QStringLiteral("35AD"),       QStringLiteral("35CCC"),     QStringLiteral("35CCD")};
}

} // namespace

QString optedSection(const QString &answer, const QString &section)
{
    if (!Vocabulary::isYes(answer.trimmed()))
        return {};
    const QString opted = section.trimmed().toUpper();
    return opted.startsWith(kWidest) ? opted : kWidest;
}

QString optedSection(const ReportModel &report)
{
    const QString answer = PartAPoints::Answer8a;
    const QString section = PartAPoints::Section8a;
    return optedSection(report.value(2, answer), report.value(2, section));
}

QStringList barredSections(const QString &regime)
{
    if (regime.isEmpty())
        return {};
    QStringList barred = widestBars();
    if (regime == kWidest)
        return barred;
    barred.removeOne(QStringLiteral("32AC"));
    if (regime == QLatin1String("115BAC") || regime == QLatin1String("115BAD")) {
        barred.removeOne(QStringLiteral("35(2AB)"));
        barred.removeOne(QStringLiteral("35CCD"));
    }
    return barred;
}

std::optional<Finding> checkClause19(const QList<QStringList> &rows, const QString &regime)
{
    const QStringList barred = barredSections(regime);
    for (int r = 0; r < rows.size(); ++r) {
        const QString section = rows.at(r).value(0).trimmed();
        if (!barred.contains(section, Qt::CaseInsensitive))
            continue;
        if (Amounts::value(rows.at(r).value(AdmissibleColumn)) == 0.0)
            continue;
        return Finding{r, AdmissibleColumn,
                       QStringLiteral("Deduction U/S %1 is not allowed, if opted for taxation U/S %2. "
                                      "Amount admissible should be 0.")
                           .arg(section, regime)};
    }
    return std::nullopt;
}

} // namespace ConcessionalRegime
