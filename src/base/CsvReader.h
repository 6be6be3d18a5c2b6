#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reads comma-separated text as RFC 4180 writes it: quoted fields may hold commas,
// doubled quotes and line breaks.
namespace CsvReader
{

// Throws std::runtime_error with the line number when a quoted field never closes.
QList<QStringList> parse(const QString &text);

} // namespace CsvReader
