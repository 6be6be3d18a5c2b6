#pragma once

#include "base/Installation.h"

#include <QObject>
#include <QString>

class QWidget;

// The module's one public class: the host creates it and calls these operations to open
// the report editors, show reports and imports, and finish a Form 10B/10BB file.
class clsMain : public QObject
{
    Q_OBJECT
public:
    explicit clsMain(QObject *parent = nullptr);

    static QString MyDllVersion() { return Installation::version(); }
    void setVCanImpPrev(bool value);

    // 0 Form 3CA-3CD, 1 Form 3CB-3CD, 2 Form 3CEB; -1 and -3 check an XML file of another
    // form; -2, 3 and 4 hand over to the portal-filing windows.
    bool OpenForm(int index, const QString &VarAudType = {}, const QString &VarFrmNm = {},
                  const QString &VarXmlPath = {}, QObject *VarFrmPrepareOL = nullptr, bool FlagITCall = false,
                  const QString &varUDIN = {});

    void Show3CDReport(int FYear, const QString &RFlag);
    void ShowBulkXMLImport();
    QWidget *ObjOlActUDIN();
    QWidget *ObjValidateUDIN();
    void ShowUDINReport(int FYear, const QString &RFlag);

    // Finishes a Form 10B or 10BB JSON body written by the host: saves it under the
    // name "<namePrefix>_<form>_<year>.json", wraps a 10BB body in its frame and offers upload.
    bool Form10BExportJSON(const QString &formName, const QString &namePrefix, const QString &bodyFile,
                           const QString &filingType = QStringLiteral("O"));

    // Creates the annexure and returns folders of the current client and year.
    static void prepareClientFolders();

private:
    bool openReportEditor(int index);
    bool checkXmlFile(int index, const QString &formName, const QString &xmlPath);
    void showPending(const QString &title, const QString &text);
};
