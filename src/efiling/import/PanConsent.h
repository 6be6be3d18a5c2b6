#pragma once

#include <QString>

// A file of another client would put that client's name and PAN into this client's
// report and from there into its e-filing file: it goes in only when the user says so
// (No by default) or the caller allowed it beforehand. A file that names no PAN cannot
// bring another one in.
namespace PanConsent
{

bool accepted(const QString &panInFile, bool allowOther);

} // namespace PanConsent
