#pragma once

#include "ValidationFinding.h"

#include <QString>

// Where in the report editor the value of a finding is entered ("Page 7 (Clauses 17 and
// 18), Clause 18"), found through the clause catalogue from the finding's block and
// member; "" when the member is not entered by the user (the file's own frame).
namespace EditorPlace
{

QString of(const ValidationFinding &finding, const QString &formCode);

} // namespace EditorPlace
