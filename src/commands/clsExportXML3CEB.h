#pragma once

#include <QDate>
#include <QString>
#include <functional>

class ReportModel;

// Writes the open client's Form 3CEB of the year as the e-filing XML, checks it against
// the Form 3CEB schema and tells the user where it went. The check is handed in: the
// desktop shows its findings in the validation window, the command-line tool lists them.
class clsExportXML3CEB
{
public:
    // 0 when the file passes the schema, 1 when it does not.
    using Check = std::function<int(const QString &file)>;

    explicit clsExportXML3CEB(Check check);

    // Asks for the file, writes it, checks it; true when a file was written and is valid.
    bool GenerateXML();

    // "3CEB_" + PAN + "_" + year key + ".xml".
    static QString defaultFileName(const QString &pan, const QString &yearKey);
    // ExePath/3CDFiles/XmlSchema/
    static QString schemaFolder();
    static QString schemaPath();
    // What the offer to upload a written file leads to in this installation.
    static QString onlineFilingUnavailable();
    // Writes the document of the report; false with the reason when the file cannot be written.
    static bool write(const ReportModel &report, const QString &path, QString &failure,
                      const QDate &today = QDate::currentDate());

private:
    Check m_check;
};
