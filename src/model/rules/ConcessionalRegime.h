#pragma once

#include "model/ReportModel.h"

#include <QStringList>
#include <optional>

// An assessee taxed at a concessional rate (clause 8a: sections 115BA, 115BAA, 115BAB,
// 115BAC, 115BAD, 115BAE) gives up additional depreciation under section 32(1)(iia) and the
// deductions each of those sections names. Of the sections of clause 19 these are:
// - 115BA: 32AC, 32AD, 33AB, 33ABA, 35(1)(ii), 35(1)(iia), 35(1)(iii), 35(2AA), 35(2AB),
//   35AD, 35CCC, 35CCD;
// - 115BAA, 115BAB, 115BAE: the same but 32AC;
// - 115BAC, 115BAD: the same but 32AC, 35(2AB) and 35CCD.
// Clause 19 still reports what was debited to the profit and loss account under those
// sections; what is admissible under them is nil.
namespace ConcessionalRegime
{

inline const QString AdditionalDepreciationMessage =
    QStringLiteral("Additional Depreciation is not allowed, if opted for taxation U/S 115BAC/115BAD/115BA/"
                   "115BAA/115BAB");

// The section the assessee opted for by clause 8a's answer and section ("115BAA"); "" when
// it did not opt. An answer of Yes without a section is a regime all the same ("115BA" rules
// are the widest and apply).
QString optedSection(const QString &answer, const QString &section);
// The same from the report's page 2 rows.
QString optedSection(const ReportModel &report);

// The sections of clause 19, as its list spells them, that the regime takes away; none
// when regime is "".
QStringList barredSections(const QString &regime);

struct Finding {
    int row = -1;
    int column = -1;
    QString message;
};

// The first row of clause 19 (Section, Amount debited, Amount admissible, Other section)
// that claims an admissible amount under a section the regime takes away.
std::optional<Finding> checkClause19(const QList<QStringList> &rows, const QString &regime);

// The column of clause 19's grid that holds the amount admissible.
constexpr int AdmissibleColumn = 2;

} // namespace ConcessionalRegime
