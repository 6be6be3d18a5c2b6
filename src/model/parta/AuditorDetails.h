#pragma once

#include "model/rules/ReportFindings.h"

#include <QString>
#include <QStringList>
#include <optional>

// The signing auditor as the signing page shows it: nine of the host's 39 auditor fields.
namespace AuditorDetails
{

// The captions of the nine boxes, also the labels of their completeness checks.
const QStringList &labels();

// The nine values from the host's auditor record (vArrOutValue 0 to 38), state names in
// the form the state look-ups know.
QStringList shown(const QStringList &record);

// The state as the state look-ups know it ("LAKHSWADEEP" -> "Lakshadweep", StateNames).
QString normalisedState(const QString &state);

// The first of the nine shown values left empty, named by its caption: the host may not know
// every detail of an auditor, so the accountant is asked and may answer it "Nil" for the page.
// `shown` is what shown() gave for the host's record (nothing when the host has no auditor).
std::optional<ReportFinding> firstBlank(const QStringList &shown);

} // namespace AuditorDetails
