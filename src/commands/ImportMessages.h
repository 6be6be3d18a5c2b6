#pragma once

#include <QString>

// Texts that the imports of a report's data from a file or another report show alike.
namespace ImportMessages
{

// Rows from a chosen file or another client's report have been taken in.
inline QString importedSuccessfully()
{
    return QStringLiteral("Imported Successfully.");
}

// A JSON file of another form was chosen where a Form 3CA/3CB-3CD file is asked for.
inline QString notForm3cdJson()
{
    return QStringLiteral("Selected JSON File is not a Form 3CD JSON File");
}

} // namespace ImportMessages
