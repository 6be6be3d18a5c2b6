#pragma once

#include <QString>
#include <QStringList>

// The signing auditor as the signing page shows it: nine of the host's 39 auditor fields.
namespace AuditorDetails
{

// The captions of the nine boxes, also the labels of their completeness checks.
const QStringList &labels();

// The nine values from the host's auditor record (vArrOutValue 0 to 38), state names in
// the form the state look-ups know.
QStringList shown(const QStringList &record);

// "LAKHSWADEEP" -> "Lakshadweep"; "CHHATISHGARH", "CHHATTISGARH", "CHHATISGARH" ->
// "Chhattisgarh" (in any letter case); any other name unchanged.
QString normalisedState(const QString &state);

} // namespace AuditorDetails
