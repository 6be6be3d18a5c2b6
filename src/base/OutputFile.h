#pragma once

#include <QFile>
#include <QString>
#include <functional>
#include <memory>

class QTemporaryFile;

// A file that replaces its target whole or not at all. It is written to a temporary file
// beside the target, flushed and synced, checked, and only then renamed over the target:
// a full disk, a failed write or a result that does not read back leaves the old file as
// it was. Writers that take a file name write to temporaryPath(); the others write to
// device().
class OutputFile
{
public:
    // Reads the finished temporary file back; empty when it is good, else what is wrong.
    using Check = std::function<QString(const QString &path)>;

    explicit OutputFile(const QString &target);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Why the target may not be written at all (a file the program holds open, such as the
    // database, a folder, a read-only file); empty when it may.
    static QString refusal(const QString &target);
    // Asks before an existing file is replaced; false when the answer is No or the target is
    // refused (the reason is shown). A missing target needs no question.
    static bool confirmReplace(const QString &target);

    // Files the program holds open, with their companions (a database's -wal and -shm).
    static void holdOpen(const QString &path);
    static void release(const QString &path);
    // Holds a file open for as long as it lives: a file being read is not written over.
    class Held
    {
    public:
        explicit Held(const QString &path) : m_path(path) { holdOpen(m_path); }
        ~Held() { release(m_path); }
        Held(const Held &) = delete;
        Held &operator=(const Held &) = delete;

    private:
        QString m_path;
    };

    // Creates the temporary file; false (with errorString()) when the target is refused or
    // the folder takes no file.
    bool open();
    QFile &device();
    QString temporaryPath() const;
    QString target() const { return m_target; }

    // Syncs, checks and renames the temporary file over the target; false when any of it
    // fails, leaving the target untouched and the temporary file removed.
    bool commit(const Check &check = {});
    // Drops the temporary file; the target stays as it was.
    void discard();
    // Why open() or commit() failed; a full disk says "The disk is full".
    QString errorString() const { return m_error; }

    // The reason for a failed write into `folder`, naming a full disk as such.
    static QString writeFailure(const QString &folder, const QString &detail);

private:
    bool fail(const QString &why);

    QString m_target;
    std::unique_ptr<QTemporaryFile> m_file;
    QString m_error;
};
