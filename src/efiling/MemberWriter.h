#pragma once

#include "WriteContext.h"

#include <QStringList>

class JsonLineWriter;
namespace Catalogue
{
struct JsonMember;
}

// Writes the members of one element of a clause block, each as the catalogue says: a
// stored value converted ("date", "yesno", "code" ...), a fixed value, or a nested
// name, address, table, object or attachment list.
namespace MemberWriter
{

using Member = Catalogue::JsonMember;
using Row = ClauseStore::ClauseRow;

// Writes `members` for the element row `row` of page `page`.
void write(JsonLineWriter &w, const QList<Member> &members, const Row &row, int page,
           const WriteContext &ctx);

// The element's values for its CSV line: every member that is not fixed, an address as
// lines, city, PIN and the country and state codes.
QStringList csvFields(const QList<Member> &members, const Row &row, int page, const WriteContext &ctx);

// A stored value converted as the member says ("" stays "" unless the member has a default).
QString converted(const Member &m, const QString &stored, const WriteContext &ctx);
// Amounts and numbers are written bare.
bool isBare(const Member &m);
// Writes one converted value under `name`: quoted, or bare with a blank as 0.
void writeValue(JsonLineWriter &w, const QString &name, const Member &m, const QString &value);

// True for a grid row left by a "No" or "Not Applicable" answer: every filled cell reads
// "Nil", or every one "NA".
bool isMarkerRow(const Row &row);

} // namespace MemberWriter
