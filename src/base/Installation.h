#pragma once

#include <QString>

// Where the program's own files lie (schemas, look-up lists, the clause catalogues):
// TALVEX_EXE_PATH when set; else, for an installed program, the data folder beside its
// executable (bin/../share/talvex); else the data folder of the source tree it was built from.
namespace Installation
{

QString folder();
// The clause catalogue of Form 3CD, under the folder: an installed program is known by it.
inline const QString kClauseCatalogue = QStringLiteral("catalogue/form3cd.json");

// The program's version, as the e-filing files name the software that made them and as
// --version prints it.
QString version();

} // namespace Installation
