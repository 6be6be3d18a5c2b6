#include "TestFiles.h"

#include <QFile>
#include <QRegularExpression>

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

QByteArray withoutCreationDate(QByteArray text)
{
    static const QRegularExpression date(QStringLiteral("\"JSONCreationDate\": \"[0-9-]*\""));
    static const QRegularExpression xmlDate(QStringLiteral("XMLCreationDate>[0-9-]*<"));
    return QString::fromUtf8(text)
        .replace(date, QStringLiteral("\"JSONCreationDate\": \"\""))
        .replace(xmlDate, QStringLiteral("XMLCreationDate><"))
        .toUtf8();
}
