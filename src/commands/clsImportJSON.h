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
    // and takes only a file of the open report's form. Given a file (the command-line
    // tool) it takes a file of the form of the report stored for the client and year, or
    // of either form when there is none yet. Either way into the current client's report of
    // the current year, and a file whose PAN is not the client's only after the user says
    // so (No by default); true when the file was imported.
    bool ImportJSON(const QString &JSONFile = {});

    // Consent given beforehand, as the command-line tool's --force and --form-switch do:
    // a file of another PAN goes in without the question, and a given file of the other
    // form turns the report into that form.
    void allowOtherPan(bool allow) { m_allowOtherPan = allow; }
    void allowFormSwitch(bool allow) { m_allowFormSwitch = allow; }

    // One file into a client's report of a year, with no dialog and no message: false
    // when the file is not an importable Form 3CA/3CB file or the import failed, and the
    // report is then unchanged.
    static bool importFile(const QString &file, const QString &client, const QString &yearKey);

private:
    bool m_allowOtherPan = false;
    bool m_allowFormSwitch = false;
};
