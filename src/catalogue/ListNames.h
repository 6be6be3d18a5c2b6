#pragma once

#include <QString>

// Names of the catalogue's list sources that code asks for by name.
namespace ListNames
{

inline const QString Countries = QStringLiteral("countries");
// The states of an address, from the host's table of states.
inline const QString AddressStates = QStringLiteral("addressStates");
// The states the TDS clauses offer.
inline const QString States = QStringLiteral("states");

} // namespace ListNames
