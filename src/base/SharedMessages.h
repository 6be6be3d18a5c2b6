#pragma once

#include <QString>

// Texts that several commands show the user alike, written once.
namespace SharedMessages
{

// Rows from a file, another report or last year's report have been taken in.
inline QString importSuccessfully()
{
    return QStringLiteral("Import Successfully.");
}

} // namespace SharedMessages
