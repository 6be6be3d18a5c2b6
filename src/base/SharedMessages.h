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

// Asked before rows taken in are put over the ones a clause holds.
inline QString deleteExistingDetails()
{
    return QStringLiteral("Do you want to Delete existing Details (if any) ?");
}

// Asked before a clause answered No or Not Applicable loses the rows of its list.
inline QString listWillBeCleared(const QString &clauseLabel)
{
    return QStringLiteral("The existing data will be removed from the list in Clause ") + clauseLabel;
}

// The closing question of a warning that something will be replaced.
// The last line of the question asked before a file's data replace a report's.
inline QString sureToContinue()
{
    return QStringLiteral("Are you sure to continue?");
}

inline QString doYouWantToContinue()
{
    return QStringLiteral("Do you want to continue?");
}

inline QString notAValidPan(const QString &pan)
{
    return QStringLiteral("Not a Valid PAN [") + pan + QLatin1Char(']');
}

// The TDS product's database could not be opened; the reason follows on the next line.
inline QString tdsConnectionFailed(const QString &reason)
{
    return QStringLiteral("Error connecting to TDS Database:\n") + reason;
}

// The command that picks the accountant of the report from the host's list, and its list's title.
inline QString selectAuditor()
{
    return QStringLiteral("Select Auditor");
}

// The carry of clauses from another client's report: the title of its list of clients and of its
// window of clauses.
inline QString importFromAnotherClient()
{
    return QStringLiteral("Import from another client");
}

// The import of clause 34's TDS details from a workbook: the menu command and its file dialog's title.
inline QString tdsDetailsFromExcel()
{
    return QStringLiteral("TDS Details from Excel");
}

} // namespace SharedMessages
