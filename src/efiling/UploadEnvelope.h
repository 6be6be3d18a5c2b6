#pragma once

#include <QString>

// The envelope the portal's upload takes: "metadata" (filing type, assessment year,
// form) and the whole e-filing document as "data".
namespace UploadEnvelope
{

// filingType "O" (original) or "R" (revised); formName "F3CA-3CD" or "F3CB-3CD".
QString wrap(const QString &document, const QString &filingType, int assessmentYear, const QString &formName);

} // namespace UploadEnvelope
