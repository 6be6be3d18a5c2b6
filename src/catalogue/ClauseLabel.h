#pragma once

#include <QString>

namespace ClauseLabel
{

// A clause's label as the list of another client's clauses shows it: "9(a)" as "9. (a)",
// "10(b)" as "10. (b)", "35(b)(B)" as "35. (b) B.", "18" as "18."; a label of another
// shape as it is.
QString listed(const QString &label);

} // namespace ClauseLabel
