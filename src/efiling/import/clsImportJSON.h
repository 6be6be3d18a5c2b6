#pragma once

#include <QString>

// Reads a Form 3CA-3CD or Form 3CB-3CD e-filing JSON file (as this program writes it, or
// other software following the same schema) back into a report, replacing its Form 3CD
// data; the remarks stay. The old rows go and the new ones come in in one transaction, so a
// file that fails part way leaves the report exactly as it was.
class clsImportJSON
{
public:
    // The command. Without a file it asks for one, warns that the data will be replaced,
    // and takes only a file of the open report's form. Given a file (the bulk import, the
    // command-line tool) it asks nothing and imports the file's form. Either way into the
    // current client's report of the current year; true when the file was imported.
    bool ImportJSON(const QString &JSONFile = {});

    // One file into a client's report of a year, with no dialog and no message: false
    // when the file is not an importable Form 3CA/3CB file or the import failed, and the
    // report is then unchanged.
    static bool importFile(const QString &file, const QString &client, const QString &yearKey);
};
