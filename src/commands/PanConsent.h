#pragma once

#include <QStringList>

// A file of another client would put that client's name and PAN into this client's
// report and from there into its e-filing file: it goes in only when the user says so
// (No by default) or the caller allowed it beforehand. Every PAN the file gives the
// assessee is compared, so a file cannot carry one client's PAN in its declaration and
// another's in its particulars; a file that names no PAN at all could be anyone's and is
// asked about the same way.
namespace PanConsent
{

bool accepted(const QStringList &pansInFile, bool allowOther);

} // namespace PanConsent
