#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Writes a zip file with the given entry names and contents (names are taken as they
// stand, hostile ones included, so tests can build the archives an attacker would).
// A content of nullptr-like "@link:" + target makes a Unix symbolic link entry.
bool writeZip(const QString &path, const QList<QPair<QString, QByteArray>> &entries);
