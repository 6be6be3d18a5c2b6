#include "HostSetup.h"

#include "store/Database.h"
#include "store/DbAddressForms.h"
#include "store/DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace HostSetup
{

QString databaseAddress(const QString &option, const TalvexBase::Paths &paths)
{
    if (!option.trimmed().isEmpty())
        return option.trimmed();
    const QSettings ini(paths.iniFile, QSettings::IniFormat);
    const QString fromIni = ini.value(QStringLiteral("Database/Url")).toString();
    if (!fromIni.trimmed().isEmpty())
        return fromIni.trimmed();
    return QStringLiteral("sqlite:") + embeddedDatabase(paths);
}

namespace
{
const QString kFileName = QStringLiteral("talvex.db");
}

QString embeddedDatabase(const TalvexBase::Paths &paths)
{
    return QDir(paths.docPath).filePath(QStringLiteral("Data/") + kFileName);
}

void moveEmbeddedDatabase(const TalvexBase::Paths &paths)
{
    const QString old = QDir(paths.docPath).filePath(kFileName);
    const QString target = embeddedDatabase(paths);
    if (!QFileInfo::exists(old) || QFileInfo::exists(target))
        return;
    const QString copy = target + QStringLiteral(".part");
    QFile::remove(copy);
    QDir().mkpath(QFileInfo(target).absolutePath());
    {
        const std::unique_ptr<Database> from = Database::open(DbUrl::parse(QStringLiteral("sqlite:") + old));
        from->Execute(QStringLiteral("VACUUM INTO ?"), {copy});
    }
    // The last connection to close removes the log; one still there means another connection.
    if (QFileInfo::exists(old + QStringLiteral("-wal"))) {
        QFile::remove(copy);
        throw DbError(QStringLiteral("The database [%1] is open in another program. Close it and start "
                                     "again: the database moves to [%2].")
                          .arg(QDir::toNativeSeparators(old), QDir::toNativeSeparators(target)));
    }
    {
        const std::unique_ptr<Database> to = Database::open(DbUrl::parse(QStringLiteral("sqlite:") + copy));
        const QString check = to->Execute(QStringLiteral("PRAGMA quick_check")).Fields(0);
        if (check != QLatin1String("ok")) {
            QFile::remove(copy);
            throw DbError(QStringLiteral("The copy of the database [%1] fails its check (%2); the database "
                                         "stays where it is.")
                              .arg(QDir::toNativeSeparators(old), check));
        }
    }
    if (!QFile::rename(copy, target)) {
        QFile::remove(copy);
        throw DbError(
            QStringLiteral("The database cannot be moved to [%1].").arg(QDir::toNativeSeparators(target)));
    }
    QFile::rename(old, old + QStringLiteral(".old"));
}

std::unique_ptr<TalvexBase> openHost(const QString &dbOption)
{
    const TalvexBase::Paths paths = TalvexBase::defaultPaths();
    const QString address = databaseAddress(dbOption, paths);
    if (address == QStringLiteral("sqlite:") + embeddedDatabase(paths))
        moveEmbeddedDatabase(paths);
    const DbUrl url = DbUrl::parse(address);
    if (!url.isValid())
        throw DbError(QStringLiteral("[%1] is not a database address. Use ").arg(address) +
                      databaseAddressForms() + u'.');
    auto host = std::make_unique<TalvexBase>(Database::open(url), paths);
    host->prepareDatabase();
    return host;
}

} // namespace HostSetup
