#pragma once

#include <QList>
#include <QString>
#include <functional>

// Many e-filing JSON files at once: each file found in a folder (or a zip file unpacked
// into the temporary folder) is matched to a client by the PAN it carries, and the
// chosen ones are imported into their clients' reports for the file's year.
namespace BulkImport
{

struct File {
    QString path;
    QString fileName;
    QString form; // "FORM3CA - 3CD"; empty when the file is not a Form 3CA/3CB file
    QString year; // the assessment year of "Form_Details", which is the year key
    QString pan;
    QString client; // client code, or "NOT FOUND"
    QString clientName;
    bool selected = false;
    QString status; // "Success" or "Invalid File."
};

// Imports one file into a client's report of a year, replacing that report's rows;
// false when the file is not an importable Form 3CA/3CB file (nothing then changes).
using FileImport = std::function<bool(const QString &file, const QString &client, const QString &yearKey)>;

extern const QString kNotFound;

// First step: checks the path, unpacks a zip file, and lists the JSON files found.
// On failure returns false after telling the user (through prompts()).
bool scan(const QString &path, bool isZip, QList<File> &files);

// The JSON files of a folder, read and matched to clients.
QList<File> scanFolder(const QString &folder);
// Sets the client code and name of a file from its PAN.
void matchClient(File &file);
// Sets a chosen client for a file (for a "NOT FOUND" row).
void assignClient(File &file, const QString &clientCode);

// Second step: checks the selection, asks, imports each selected file in order and
// sets its status. False when the user was stopped or declined before anything ran.
bool importSelected(QList<File> &files, const FileImport &importFile);

} // namespace BulkImport
