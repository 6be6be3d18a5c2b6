#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QTemporaryDir;
namespace ReportImport
{
struct ReadFile;
}

// Many e-filing JSON files at once: each file found in a folder (or a zip file unpacked
// into the temporary folder), sub-folders included, is matched to a client by the PAN it
// carries, and the chosen ones are imported into their clients' reports for the file's year.
namespace BulkImport
{

struct File {
    QString path;
    QString fileName; // the path inside the chosen folder or zip file ("returns/a.json")
    QString form;     // the form as the list names it; empty when the file is not a Form 3CA/3CB file
    QString year;     // the assessment year the file declares, which is the year key
    QString pan;
    QString client; // client code, "NOT FOUND", or empty for a file that cannot be read
    QString clientName;
    bool selected = false;
    QString status; // "Success", SharedMessages::invalidFile() or why the file was left out
    // The file's rows as they were read for the list, so that the import does not read the
    // file again; null for a file read for its form, PAN and year alone.
    std::shared_ptr<const ReportImport::ReadFile> read;
};

// The folder a zip file is unpacked into for one run: made fresh under the program's
// temporary folder with a name no file name can steer, and removed with this object or
// when the next zip file is unpacked. Nothing outside it is ever deleted.
class Unpacked
{
public:
    Unpacked();
    ~Unpacked();
    Unpacked(const Unpacked &) = delete;
    Unpacked &operator=(const Unpacked &) = delete;

    // A new empty folder in place of the previous one; empty when it cannot be made.
    QString renew();
    void release();
    QString path() const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// Imports one file into a client's report of a year, replacing that report's rows;
// false when the file is not an importable Form 3CA/3CB file (nothing then changes).
using FileImport = std::function<bool(const QString &file, const QString &client, const QString &yearKey)>;

extern const QString kNotFound;

// First step: checks the path, unpacks a zip file into `unpacked`, and lists the JSON
// files found. On failure returns false after telling the user (through prompts()).
bool scan(const QString &path, bool isZip, QList<File> &files, Unpacked &unpacked);

// The JSON files of a folder and its sub-folders, read and matched to clients. A file
// that cannot be read as JSON is listed with the status SharedMessages::invalidFile() and no client.
// Files are read whole while those kept stay within a bound of memory; the rest are read
// for their form, PAN and year alone and again when they are imported.
QList<File> scanFolder(const QString &folder);
// Sets the client code and name of each readable file from its PAN: the first client of
// the PAN in the client master and the name of its first owner, or "NOT FOUND".
void matchClients(QList<File> &files);
// Sets a chosen client for a file (for a "NOT FOUND" row).
void assignClient(File &file, const QString &clientCode);

// Second step: checks the selection, asks, imports each selected file in order and
// sets its status. Of several selected files for one client and year only the first is
// imported, and the user is told so before being asked. False when the user was stopped
// or declined before anything ran.
bool importSelected(QList<File> &files, const FileImport &importFile);

} // namespace BulkImport
