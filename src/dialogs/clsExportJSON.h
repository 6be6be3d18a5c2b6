#pragma once

#include "efiling/EfilingExport.h"

#include <QByteArray>
#include <QDate>
#include <QString>

class JsonLineWriter;

// The desktop's Generate JSON for the open Form 3CA-3CD or Form 3CB-3CD report: the dialogs
// around EfilingExport. It asks where, has the document written and checked, shows the
// schema's findings, and offers the upload.
class clsExportJSON
{
public:
    enum class Outcome { NotWritten, Valid, Invalid };

    // The command. `mode` ("F" or "I") is the main window's choice for the online filing
    // service, which this installation does not have. Every outcome is shown to the user.
    void GenerateJSON(const QString &mode);

    // The document of the open report, created on `today`.
    static QByteArray compose(const QDate &today = QDate::currentDate());
    static void compose(JsonLineWriter &w, const QDate &today);

    // "FORM3CA" or "FORM3CB" / "F3CA" or "F3CB" for the open form.
    static QString formRoot();
    static QString formKey();
    // "3CA_AABCS1234K_2026.json"; "3CA_2026.json" when the client's PAN is not a valid PAN.
    static QString defaultFileName();
    static QString schemaFolder();

    // The last export's file and upload answer ("N", "Y|O", "Y|R"), kept until the next one.
    QString file() const { return m_file; }
    QString uploadAnswer() const { return m_upload; }
    Outcome outcome() const { return m_outcome; }

private:
    bool chooseFile();
    // Shows what the check found; true when the file passed (or was cleaned on the screen).
    bool checked(const EfilingExport::Result &result);

    QString m_file;
    QString m_upload;
    Outcome m_outcome = Outcome::NotWritten;
};
