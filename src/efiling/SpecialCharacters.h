#pragma once

#include <QList>
#include <QString>

// Characters the e-filing portal refuses and what replaces them, kept in "SpChList" in
// the documents folder (a JSON list of [character, replacement] pairs, so that any
// character, a tab or a line break too, can be listed). Only the exported file is
// cleaned, never the clause rows.
namespace SpecialCharacters
{

struct Pair {
    QString character;
    QString replacement;
    bool operator==(const Pair &) const = default;
};

QString listFile();
// The list of the documents folder, or a starting list of typographic characters when
// the user has none yet.
QList<Pair> load();
bool save(const QList<Pair> &pairs);

// The text with every listed character replaced where it is data: inside JSON strings,
// in XML character data and attribute values (markup and entity references stay).
QString cleanJson(const QString &text, const QList<Pair> &pairs);
QString cleanXml(const QString &text, const QList<Pair> &pairs);

// Cleans a file in place; false with the reason when it cannot be read or written.
bool cleanFile(const QString &path, bool xml, const QList<Pair> &pairs, QString *why);

} // namespace SpecialCharacters
