#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <stdexcept>
#include <string>

// Loads a copy of a shipped catalogue with one text of it replaced: the reason it refuses,
// "" when it loads.
template <typename Catalogue>
std::string loadedWith(const QString &shipped, const QByteArray &from, const QByteArray &to)
{
    QFile real(shipped);
    if (!real.open(QIODevice::ReadOnly))
        return "unreadable";
    QByteArray text = real.readAll();
    if (!text.contains(from))
        return "no such text";
    text.replace(from, to);
    QTemporaryDir dir;
    QFile changed(dir.filePath(QFileInfo(shipped).fileName()));
    if (!changed.open(QIODevice::WriteOnly))
        return "unwritable";
    changed.write(text);
    changed.close();
    try {
        Catalogue::load(changed.fileName());
        return {};
    } catch (const std::runtime_error &e) {
        return e.what();
    }
}
