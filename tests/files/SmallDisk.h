#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A 2 MB file system of its own (tmpfs) for the cases of a full disk. Mounting needs root;
// where it is not allowed, unavailable() says so and the test is skipped.
class SmallDisk
{
public:
    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    QString unavailable() const { return m_unavailable; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Takes up every byte left with a file of its own.
    void fill();
    // The names in the folder besides the filler: no temporary file may stay behind.
    QStringList files() const;

private:
    QTemporaryDir m_dir;
    QString m_unavailable;
    bool m_mounted = false;
};
