#pragma once

#include <QJsonObject>
#include <QString>

// The object a catalogue file of ours holds; std::runtime_error naming `what` ("the clause
// catalogue") and the path when it cannot be read or is not JSON.
QJsonObject readJsonObject(const QString &path, const char *what);
