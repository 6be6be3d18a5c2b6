#pragma once

#include <QByteArray>
#include <QString>

// The whole of a file, empty when it cannot be read.
QByteArray readFile(const QString &path);
// Writes a file whole, replacing one there; returns its path.
QString writeFile(const QString &path, const QByteArray &bytes);
// An e-filing file with its creation date blanked, so that files made on different days compare.
QByteArray withoutCreationDate(QByteArray text);
