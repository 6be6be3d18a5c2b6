#pragma once

#include <QString>

// The members of the form key that frame the clauses of the e-filing JSON: who made the file,
// which form and year it is (read back to match a file to its client and year), and the
// declaration that names the assessee.
namespace FrameMembers
{

inline const QString Creation = QStringLiteral("CreationInfo");
inline const QString FormDetails = QStringLiteral("Form_Details");
inline const QString AssessmentYear = QStringLiteral("AssessmentYear");
inline const QString SchemaVersion = QStringLiteral("SchemaVer");
inline const QString Declaration = QStringLiteral("Declaration");

} // namespace FrameMembers
