#pragma once

#include <QString>

// Who made a filed document, as its CreationInfo block says: the number the department gave
// this software (the JSON forms), the maker and the product Form 3CEB's XML names, and the
// intermediary's city that both carry.
namespace CreationInfo
{

inline const QString SoftwareId = QStringLiteral("SW90000417");
inline const QString XmlMaker = QStringLiteral("Kestrova");
inline const QString XmlProduct = QStringLiteral("Talvex");
inline const QString XmlVersion = QStringLiteral("1.0");
inline const QString IntermediaryCity = QStringLiteral("VELMORA");

} // namespace CreationInfo
