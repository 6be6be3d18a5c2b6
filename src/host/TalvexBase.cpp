#include "TalvexBase.h"

#include "base/Installation.h"

#include "AuditorRecord.h"
#include "HostSchema.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "store/ClientList.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QDir>
#include <QStandardPaths>

TalvexBase::TalvexBase(std::unique_ptr<Database> db, const Paths &paths)
    : m_db(std::move(db)), m_paths(paths),
      m_settings(std::make_unique<QSettings>(paths.iniFile, QSettings::IniFormat))
{
    for (const QString &dir : {m_paths.docPath, m_paths.tmpPath})
        QDir().mkpath(dir);
    InitTempArray();
}

TalvexBase::~TalvexBase() = default;

TalvexBase::Paths TalvexBase::defaultPaths()
{
    Paths p;
    p.exePath = Installation::folder();
    const QString home = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    p.docPath = qEnvironmentVariable("TALVEX_DOC_PATH", QDir(home).filePath(QStringLiteral("Talvex")));
    p.tmpPath = QDir(QDir::tempPath()).filePath(QStringLiteral("talvex"));
    p.iniFile = qEnvironmentVariable("TALVEX_INI", QDir(p.docPath).filePath(QStringLiteral("Talvex.ini")));
    return p;
}

void TalvexBase::prepareDatabase()
{
    HostSchema::ensureHostTables(*m_db, QDir(m_paths.exePath).filePath(QStringLiteral("lookups")));
}

void TalvexBase::selectClient(const QString &code)
{
    if (!ClientList::has(*m_db, code))
        throw DbError(QStringLiteral("There is no client with the code [%1].").arg(code));
    m_clientCode = code;
}

void TalvexBase::selectYear(const QString &yearKey)
{
    HostSchema::ensureYearTables(*m_db, yearKey);
    setYear(yearKey);
}

bool TalvexBase::selectStoredYear(const QString &yearKey)
{
    if (!HostSchema::yearTablesExist(*m_db, yearKey))
        return false;
    setYear(yearKey);
    return true;
}

void TalvexBase::setYear(const QString &yearKey)
{
    const int y = yearKey.toInt();
    m_firstDate = QStringLiteral("01/04/%1").arg(y - 1);
    m_secondDate = QStringLiteral("31/03/%1").arg(y);
}

bool TalvexBase::GetAuditorDet(const QString &audType, const QString &year, const QString &clientCode)
{
    InitTempArray();
    QString sql = QStringLiteral("SELECT a.* FROM client_auditor c, auditor a WHERE c.AudCode=a.AudCode "
                                 "AND c.Code_No=? AND c.FYr=?");
    QVariantList binds{clientCode, year};
    if (!audType.isEmpty()) {
        sql += QStringLiteral(" AND a.AudType=?");
        binds << audType;
    }
    Recordset rs = m_db->Execute(sql, binds);
    if (rs.Eof())
        return false;
    for (int i = 0; i < AuditorRecord::FieldCount; ++i)
        m_auditorBuffer[i] = rs.Fields(QStringLiteral("F%1").arg(i));
    return true;
}

QString TalvexBase::vArrOutValue(int index) const
{
    return index >= 0 && index < m_auditorBuffer.size() ? m_auditorBuffer.at(index) : QString();
}

bool TalvexBase::AuditorDet(const QString &year, const QString &clientCode)
{
    Recordset rs =
        m_db->Execute(QStringLiteral("SELECT AudCode, AudType, F0, F1, F2 FROM auditor ORDER BY F0"));
    QStringList codes, types, items;
    for (; !rs.Eof(); rs.MoveNext()) {
        codes << rs.Fields(0);
        types << rs.Fields(1);
        items << QStringLiteral("%1 (M.No. %2) %3").arg(rs.Fields(2), rs.Fields(3), rs.Fields(4)).trimmed();
    }
    if (items.isEmpty()) {
        prompts().inform(QStringLiteral("No auditor has been entered in the auditor master."));
        return false;
    }
    const int chosen = prompts().choose(SharedMessages::selectAuditor(), QStringLiteral("Auditor"), items);
    if (chosen < 0)
        return false;
    Transaction tx(*m_db);
    AuditorRecord::assign(*m_db, clientCode, year, types.at(chosen), codes.at(chosen));
    tx.commit();
    return true;
}

void TalvexBase::InitTempArray()
{
    m_auditorBuffer = QStringList();
    for (int i = 0; i < AuditorRecord::FieldCount; ++i)
        m_auditorBuffer << QString();
}

QString TalvexBase::GetSettingINI(const QString &section, const QString &key,
                                  const QString &defaultValue) const
{
    return m_settings->value(section + u'/' + key, defaultValue).toString();
}

void TalvexBase::SaveSettingINI(const QString &section, const QString &key, const QString &value)
{
    m_settings->setValue(section + u'/' + key, value);
    m_settings->sync();
}

QString TalvexBase::GetCountryCodeNew(const QString &countryName)
{
    if (countryName.trimmed().isEmpty() || !m_db->tableExists(QStringLiteral("country_code")))
        return {};
    Recordset rs = m_db->Execute(QStringLiteral("SELECT code FROM country_code WHERE upper(name)=upper(?)"),
                                 {countryName.trimmed()});
    return rs.Eof() ? QString() : rs.Fields(0);
}

QString TalvexBase::GetCountryNameNew(const QString &countryCode)
{
    if (countryCode.trimmed().isEmpty() || !m_db->tableExists(QStringLiteral("country_code")))
        return {};
    Recordset rs =
        m_db->Execute(QStringLiteral("SELECT name FROM country_code WHERE code=?"), {countryCode.trimmed()});
    return rs.Eof() ? QString() : rs.Fields(0);
}

bool TalvexBase::CheckOptedOldDeprChart()
{
    return GetSettingINI(QStringLiteral("Depreciation"), QStringLiteral("OldChart_") + m_clientCode,
                         QStringLiteral("0")) == QLatin1String("1");
}

QString TalvexBase::clientField(const QString &column)
{
    Recordset rs = m_db->Execute(QStringLiteral("SELECT %1 FROM main_info1 WHERE Code_No=?").arg(column),
                                 {m_clientCode});
    return rs.Eof() ? QString() : rs.Fields(0);
}

QString TalvexBase::ClientName()
{
    return clientField(QStringLiteral("Name"));
}

QString TalvexBase::vAsPAN()
{
    return clientField(QStringLiteral("PAN"));
}

QString TalvexBase::Vstatus_str()
{
    return clientField(QStringLiteral("Status"));
}

QString TalvexBase::VAddr_Nm()
{
    return clientField(QStringLiteral("Flat"));
}

QString TalvexBase::vAddr_Full()
{
    Recordset rs = m_db->Execute(
        QStringLiteral(
            "SELECT Flat, Building, Street, Area, City, State, Pin FROM main_info1 WHERE Code_No=?"),
        {m_clientCode});
    if (rs.Eof())
        return {};
    QStringList parts;
    for (int i = 0; i < 7; ++i) {
        if (!rs.Fields(i).trimmed().isEmpty())
            parts << rs.Fields(i).trimmed();
    }
    return parts.join(QStringLiteral(", "));
}
