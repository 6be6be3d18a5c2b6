#pragma once

#include "base/DateService.h"
#include "base/IdentityChecks.h"
#include "store/ReportKey.h"
#include "store/StoreHost.h"

#include <QDate>
#include <QString>

class Database;
class QWidget;

// What the module asks of its host: the connection, the current client and year (the part
// the store asks for), the folders, and a handful of services. Members keep the names the module has always
// called them by.
class HostContext : public StoreHost
{
public:
    virtual QString FirstDate() const = 0;  // "01/04/2023"
    virtual QString SecondDate() const = 0; // "31/03/2024"
    virtual QString ExePath() const = 0;    // installation folder (schemas, templates)
    virtual QString DocPath() const = 0;    // documents folder (per-client files)
    virtual QString vTmpPath() const = 0;   // temporary folder

    // Date and identity services.
    QString ConvertDate(const QString &text, bool strict = false) const
    {
        return DateService::ConvertDate(text, strict);
    }
    QString XmlDateOut(const QString &text) const { return DateService::XmlDateOut(text); }
    QDate MyDateSerial(const QString &text) const { return DateService::MyDateSerial(text); }
    bool ValidPan(const QString &pan) const { return IdentityChecks::ValidPan(pan); }
    bool ValidAadhaar(const QString &aadhaar) const { return IdentityChecks::ValidAadhaar(aadhaar); }
    bool ValidTan(const QString &tan) const { return IdentityChecks::ValidTan(tan); }

    // Auditor of a client and year: GetAuditorDet fills the buffer read by vArrOutValue(0..38).
    virtual bool GetAuditorDet(const QString &audType, const QString &year, const QString &clientCode) = 0;
    virtual QString vArrOutValue(int index) const = 0;
    virtual bool AuditorDet(const QString &year, const QString &clientCode) = 0;
    virtual void InitTempArray() = 0;

    // The host's settings file.
    virtual QString GetSettingINI(const QString &section, const QString &key,
                                  const QString &defaultValue) const = 0;
    virtual void SaveSettingINI(const QString &section, const QString &key, const QString &value) = 0;

    // Country code list of the e-filing utilities.
    virtual QString GetCountryCodeNew(const QString &countryName) = 0;
    virtual QString GetCountryNameNew(const QString &countryCode) = 0;
    // True when the client keeps the old (block-wise) depreciation chart.
    virtual bool CheckOptedOldDeprChart() = 0;

    // The current client's master data (the host's accounts component).
    virtual QString ClientName() = 0;
    virtual QString vAsPAN() = 0;
    virtual QString Vstatus_str() = 0;
    virtual QString VAddr_Nm() = 0;
    virtual QString vAddr_Full() = 0;

    // Screen scaling: Qt lays windows out itself, so these do nothing.
    double vScreenRatX() const { return 1.0; }
    double vScreenRatY() const { return 1.0; }
    double vScreenRatFS() const { return 1.0; }
    void Resize_For_Resolution(QWidget *) const {}
    bool CheckDllsVersion(bool) const { return true; }

    // Derived from the year: "2024" for the year ending 31/03/2024.
    QString yearKey() const override { return SecondDate().right(4); }
    // The folder of the current client's annexure files of the year: DocPath\Annex3CD\client\year.
    QString annexFolder() const;
    // "2024-25" for the year key "2024".
    QString assessmentYearText() const { return ReportKey::assessmentYearOf(yearKey()); }
};

// The module-wide host context, installed by the program at start.
HostContext &host();
void setHost(HostContext *context);
bool hasHost();
