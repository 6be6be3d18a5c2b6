#include "JsonFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <stdexcept>
#include <string>

QJsonObject readJsonObject(const QString &path, const char *what)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("cannot read the ") + what + ' ' + path.toStdString());
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (doc.isNull())
        throw std::runtime_error(std::string("the ") + what + ' ' + path.toStdString() +
                                 " is not valid JSON: " + error.errorString().toStdString());
    return doc.object();
}
