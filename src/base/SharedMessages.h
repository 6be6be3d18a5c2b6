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

// A file the command cannot take: not of the kind asked for, or damaged.
inline QString invalidFile()
{
    return QStringLiteral("Invalid File.");
}

inline QString notAnExcelWorkbook()
{
    return QStringLiteral("The file is not an Excel workbook.");
}

inline QString notAnXmlDocument()
{
    return QStringLiteral("The file is not an XML document.");
}

// The file dialog that asks where a JSON upload file goes: its title and filter.
inline QString saveJsonTitle()
{
    return QStringLiteral("Save JSON File");
}

inline QString jsonFilter()
{
    return QStringLiteral("JSON Files|*.json");
}

// A JSON file could not be written or rewritten.
inline QString failedToUpdateJson()
{
    return QStringLiteral("Failed to Update JSON File.");
}

inline QString pdfCreated()
{
    return QStringLiteral("PDF Created Successfully.");
}

// Asked before a PDF replaces a file of that name.
inline QString pdfExists(const QString &fileName)
{
    return QStringLiteral("PDF File '") + fileName +
           QStringLiteral("' already exists, do you want to overwrite.?");
}

// An import over clients started with none ticked.
inline QString selectAClient()
{
    return QStringLiteral("Please select atleast one Client.");
}

} // namespace SharedMessages
