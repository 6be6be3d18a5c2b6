#pragma once

#include "AddressRule.h"
#include "CsvAttachment.h"
#include "JsonLineWriter.h"
#include "ValueConversions.h"
#include "WriteContext.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace Catalogue
{
struct JsonMember;
}

// Writes the members of one element of a clause block, each as the catalogue says: a
// stored value converted ("date", "yesNo", "code" ...), a fixed value, or a nested
// name, address, table, object or attachment list.
namespace MemberWriter
{

using Member = Catalogue::JsonMember;
using Row = ClauseStore::ClauseRow;

// A list of members with what each is resolved once, for all the rows of a block: its kind
// and its conversion, and the same for the members of a nested table or object.
class Plan
{
public:
    explicit Plan(const QList<Member> &members);
    Plan(Plan &&) = default;
    ~Plan();

    enum class Kind { Value, Name, Address, Table, Object, CsvList };
    struct Entry {
        const Member *member;
        JsonLineWriter::Name name;
        Kind kind;
        ValueConversions::Way way;
        bool bare;
        bool words; // text, date or code: left out with the marker row of its own point
        AddressColumns address;
        std::unique_ptr<Plan> inner;
    };
    const std::vector<Entry> &entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

// Writes the members of the plan for the element row `row` of page `page`.
void write(JsonLineWriter &w, const Plan &plan, const Row &row, int page, const WriteContext &ctx);
void write(JsonLineWriter &w, const QList<Member> &members, const Row &row, int page,
           const WriteContext &ctx);

// Writes the element's members and adds its CSV line, each value converted once for both: the
// line holds every member that is not fixed, an address as lines, city, PIN and the country
// and state codes.
void writeWithCsvLine(JsonLineWriter &w, CsvAttachment::Lines &csv, const Plan &plan, const Row &row,
                      int page, const WriteContext &ctx);

// A stored value converted as the member says ("" stays "" unless the member has a default).
QString converted(const Member &m, const QString &stored, const WriteContext &ctx);
// Amounts and numbers are written bare.
bool isBare(const Member &m);
// Writes one converted value under `name`: quoted, or bare with a blank as 0.
void writeValue(JsonLineWriter &w, const QString &name, const Member &m, const QString &value);
void writeValue(JsonLineWriter &w, const QString &name, bool bare, const QString &value);
void writeValue(JsonLineWriter &w, const JsonLineWriter::Name &name, bool bare, QStringView value);

// True for a grid row left by a "No" or "Not Applicable" answer: every filled cell reads
// "Nil", or every one "NA".
bool isMarkerRow(const Row &row);

} // namespace MemberWriter
