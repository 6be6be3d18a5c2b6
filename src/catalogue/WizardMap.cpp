#include "WizardMap.h"

#include "JsonFile.h"
#include "base/Installation.h"

#include "SourceDataDir.h"
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <stdexcept>

namespace WizardMap
{

namespace
{

Place placeIn(const QJsonObject &o)
{
    return {o.value(QLatin1String("page")).toInt(), o.value(QLatin1String("point")).toString(),
            o.value(QLatin1String("col")).toInt(1)};
}

QString defaultPath()
{
    const QString installed =
        QDir(Installation::folder()).filePath(QStringLiteral("catalogue/wizard3cd.json"));
    if (QFile::exists(installed))
        return installed;
    return QStringLiteral(TALVEX_SOURCE_DATA_DIR "/catalogue/wizard3cd.json");
}

} // namespace

const Place *Map::placeOf(int serial) const
{
    for (const Answer &answer : answers) {
        if (answer.serial == serial)
            return &answer.place;
    }
    return nullptr;
}

Map load(const QString &path)
{
    Map map;
    const QJsonObject root = readJsonObject(path, "old wizard's map");
    for (const QJsonValue &v : root.value(QLatin1String("books")).toArray()) {
        const QJsonObject o = v.toObject();
        map.books << BookList{o.value(QLatin1String("column")).toString(), placeIn(o)};
    }
    for (const QJsonValue &v : root.value(QLatin1String("serials")).toArray()) {
        const QJsonObject o = v.toObject();
        map.answers << Answer{o.value(QLatin1String("serial")).toInt(), placeIn(o)};
    }
    return map;
}

const Map &instance()
{
    static const Map map = load(defaultPath());
    return map;
}

} // namespace WizardMap
