#pragma once

#include <QString>

// The names of Indian states as the post-office tables and the e-filing files know them
// today. Client and auditor records keep older spellings ("ORISSA", "TamilNadu",
// "CHHATISHGARH"); each is read as today's name before it is shown or looked up.
namespace StateNames
{

// Today's name for an older spelling (in any letter case); any other name trimmed.
QString current(const QString &name);

} // namespace StateNames
