#pragma once

#include "HostContext.h"

#include <QSettings>
#include <QStringList>
#include <memory>

// Our host: owns the database, knows the current client and year, keeps the settings
// file and the auditor buffer, and answers from its own master tables.
class TalvexBase : public HostContext
{
public:
    struct Paths {
        QString exePath; // installation folder: data files (schemas, templates, look-ups)
        QString docPath; // documents folder
        QString tmpPath; // temporary folder
        QString iniFile; // settings file
    };

    TalvexBase(std::unique_ptr<Database> db, const Paths &paths);
    ~TalvexBase() override;

    // Default folders: the INI file's settings, else the user's documents folder.
    static Paths defaultPaths();

    // Creates the host tables (and look-ups) when missing.
    void prepareDatabase();
    // Selects the client; throws DbError when there is no such client.
    void selectClient(const QString &code);
    // Selects the financial year by its year key ("2024" for 2023-24) and creates its tables.
    void selectYear(const QString &yearKey);
    // Selects a year only to read it: false, creating nothing, when the year has no tables.
    bool selectStoredYear(const QString &yearKey);
    // Selects the year's dates alone, for work that neither reads nor writes its tables.
    void setYear(const QString &yearKey);

    Database &DBObj() override { return *m_db; }
    QString Temp_Code() const override { return m_clientCode; }
    QString FirstDate() const override { return m_firstDate; }
    QString SecondDate() const override { return m_secondDate; }
    QString ExePath() const override { return m_paths.exePath; }
    QString DocPath() const override { return m_paths.docPath; }
    QString vTmpPath() const override { return m_paths.tmpPath; }

    bool GetAuditorDet(const QString &audType, const QString &year, const QString &clientCode) override;
    QString vArrOutValue(int index) const override;
    bool AuditorDet(const QString &year, const QString &clientCode) override;
    void InitTempArray() override;

    QString GetSettingINI(const QString &section, const QString &key,
                          const QString &defaultValue) const override;
    void SaveSettingINI(const QString &section, const QString &key, const QString &value) override;

    QString GetCountryCodeNew(const QString &countryName) override;
    QString GetCountryNameNew(const QString &countryCode) override;
    bool CheckOptedOldDeprChart() override;

    QString ClientName() override;
    QString vAsPAN() override;
    QString Vstatus_str() override;
    QString VAddr_Nm() override;
    QString vAddr_Full() override;

private:
    QString clientField(const QString &column);

    std::unique_ptr<Database> m_db;
    Paths m_paths;
    std::unique_ptr<QSettings> m_settings;
    QString m_clientCode;
    QString m_firstDate;
    QString m_secondDate;
    QStringList m_auditorBuffer;
};
