#pragma once

#include <QString>
#include <QStringList>

// The status of the assessee (clause 5 of Form 3CD). The row "3CD_A" keeps the entry's
// position in this list (from 1), which the e-filing file carries as the status code,
// and its text.
namespace AssesseeStatuses
{

const QStringList &entries();

// The position (from 1) of the entry for a status text of the host's client master
// ("PRIVATE LTD.", "PARTNERSHIP FIRM", ...); 0 when the text names none.
int fromHost(const QString &hostStatus);
// True for a host's status text of an individual ("INDIVIDUAL", "PROPRIETORSHIP", ...).
bool isIndividual(const QString &hostStatus);

} // namespace AssesseeStatuses
