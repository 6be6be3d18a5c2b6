#pragma once

#include "store/ModuleState.h"

#include <QString>

// Reads a Form 3CEB e-filing XML file back into the open client's Form 3CEB of the year,
// replacing what was there: the old rows go and the file's come in in one transaction, so
// a file that is refused or fails part way leaves the report as it was.
class clsImpotXML3CEB
{
public:
    // Without a file it asks for one and warns that the data will be replaced; a given
    // file (the command-line tool) is taken as chosen. A file of another PAN goes in only
    // after the user says so. True when the file was imported.
    bool ImportXML(const QString &file = {});
    // The same for the form being edited: a Form 3CA-3CD or 3CB-3CD report takes no XML file
    // and refuses one of another form as the Form 3CEB refuses a Form 3CA-3CD file.
    bool ImportXML(const QString &file, FormKind edited);

    // Consent given beforehand (the command-line tool's --force).
    void allowOtherPan(bool allow) { m_allowOtherPan = allow; }

private:
    bool m_allowOtherPan = false;
};
