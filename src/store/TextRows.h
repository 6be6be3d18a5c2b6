#pragma once

#include <QString>

class QVariant;

// The rows of a query read as text straight from the driver, one row at a time: no variant
// a value, and a null reads as a null QString without being converted. Reads of thousands of
// rows (a report's clause rows) come through here; Database::readText makes one.
class TextRows
{
public:
    virtual ~TextRows() = default;

    // Moves to the next row; false after the last.
    virtual bool next() = 0;
    // The value of a column of the current row, "" (null) when it holds none.
    virtual QString text(int column) const = 0;
    // The value as text, or `same` itself when it holds that text: rows that repeat a value
    // then share one string.
    virtual QString text(int column, const QString &same) const = 0;
    virtual qint64 number(int column) const = 0;

    // The text of an error in reading rows; the client library's own words are its details.
    static QString failure() { return QStringLiteral("Unable to read rows"); }
};

// How a value given for a "?" is bound when a reader binds it through its client library.
enum class BoundKind { Null, Integer, Real, Bytes, Text };
BoundKind boundKindOf(const QVariant &value);
