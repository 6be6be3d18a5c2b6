#pragma once

#include "ValidationFinding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The findings of a schema check of one e-filing JSON file as the desktop program's check of a
// file and `taxaudit validate` both tell them, so that the two cannot differ.
namespace FileFindings
{

struct Sifted {
    // "This file uses the layout of AY 2022-23; …" for a file of one of the department's
    // earlier layouts; "" otherwise.
    QString layout;
    // The findings that are faults: of a file of an earlier layout, those the layout does not
    // explain.
    QList<ValidationFinding> findings;
};

// `findings` are those of a check of `file`, the file's bytes.
Sifted sift(const QByteArray &file, QList<ValidationFinding> findings);

// One finding a line: "line:column: message", an XML finding's element path before its message.
QString line(const ValidationFinding &finding);

// The columns of the error report's list: "Sr. No.", "Error No.", "Line No.", "Column No.",
// "Root", "Name of Head", "Variable Name", "Value", "Error Description".
const QStringList &columnTitles();

// The cells of a finding in those columns, `number` its "Sr. No." (from 1); a null value
// shows as an empty cell.
QStringList cells(const ValidationFinding &finding, int number);

} // namespace FileFindings
