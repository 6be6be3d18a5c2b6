#include "MemberWriter.h"

#include "AddressRule.h"
#include "CodeLookups.h"
#include "CsvAttachment.h"
#include "EfilingValues.h"
#include "JsonLineWriter.h"
#include "ValueConversions.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "store/ClauseTables.h"

#include <algorithm>

namespace MemberWriter
{

namespace
{

// The row a member reads: its own point's first row, or the element's row.
const Row &rowFor(const Member &m, const Row &elementRow, int page, const WriteContext &ctx)
{
    if (m.point.isEmpty())
        return elementRow;
    return ctx.firstRowOf(m.page ? m.page : page, m.point);
}

// The value itself, not a copy: a large report converts a million of them.
const QString &storedValue(const Plan::Entry &e, const Row &row)
{
    static const QString zero = QStringLiteral("0");
    const Member &m = *e.member;
    const QString &v = row.col(m.column);
    if (m.hasDefault && QStringView(v).trimmed().isEmpty())
        return m.defaultValue;
    // The "Nil" that a No answer leaves in an amount box is no amount at all.
    if (e.bare && Vocabulary::isMarker(v))
        return zero;
    return v;
}

// A member the department leaves out when it has nothing to say: an optional one left blank,
// and the words of a clause answered "No" or "Not Applicable", whose row holds only the marker.
bool leftOut(const Plan::Entry &e, const Row &source, const QString &value)
{
    const Member &m = *e.member;
    if (m.optional && QStringView(value).trimmed().isEmpty())
        return true;
    return e.words && !m.point.isEmpty() && isMarkerRow(source);
}

Plan::Kind kindOf(const Member &m)
{
    if (m.as == Catalogue::MemberKind::Name)
        return Plan::Kind::Name;
    if (m.as == Catalogue::MemberKind::Address)
        return Plan::Kind::Address;
    if (m.as == Catalogue::MemberKind::Table)
        return Plan::Kind::Table;
    if (m.as == Catalogue::MemberKind::Object)
        return Plan::Kind::Object;
    if (m.as == Catalogue::MemberKind::CsvList)
        return Plan::Kind::CsvList;
    return Plan::Kind::Value;
}

// The value the file carries: the stored value itself where it goes in as it stands, else
// its conversion, kept in `converted`.
const QString &fileValue(const Plan::Entry &e, const Row &source, const WriteContext &ctx, QString &converted)
{
    const QString &stored = storedValue(e, source);
    if (e.way.asStored && e.way.asStored(stored))
        return stored;
    converted = e.way.toFile(*e.member, stored, ctx);
    return converted;
}

void writeCsvList(JsonLineWriter &w, const Member &m, const Row &row, const WriteContext &ctx)
{
    const QList<QStringList> entries = Vocabulary::splitList(row.col(m.column));
    if (entries.isEmpty())
        return;
    QList<QStringList> converted;
    converted.reserve(entries.size());
    for (const QStringList &entry : entries) {
        QStringList values;
        for (int i = 0; i < m.fields.size(); ++i)
            values << MemberWriter::converted(m.fields.at(i), entry.value(i).trimmed(), ctx);
        converted << values;
    }
    w.openObject(m.name);
    CsvAttachment::write(w, m.csvHeader, converted);
    w.openArray(m.element);
    for (const QStringList &values : converted) {
        w.openObject();
        for (int i = 0; i < m.fields.size(); ++i)
            writeValue(w, m.fields.at(i).name, m.fields.at(i), values.at(i));
        w.close();
    }
    w.close();
    w.close();
}

void writeTable(JsonLineWriter &w, const Plan::Entry &e, int page, const WriteContext &ctx)
{
    const Member &m = *e.member;
    const int tablePage = m.page ? m.page : page;
    const QList<Row> &all = ctx.rowsOf(tablePage, m.point);
    QList<const Row *> rows;
    for (const Row &row : all) {
        if (!isMarkerRow(row))
            rows << &row;
    }
    const QString first = all.isEmpty() ? QString() : all.first().col(1).trimmed();
    if (rows.isEmpty() || first.isEmpty() || Vocabulary::isNA(first))
        return;
    w.openArray(m.name);
    for (const Row *row : rows) {
        w.openObject();
        write(w, *e.inner, *row, tablePage, ctx);
        w.close();
    }
    w.close();
}

} // namespace

bool isBare(const Member &m)
{
    return m.as == Catalogue::MemberKind::Amount || m.as == Catalogue::MemberKind::Number ||
           m.as == Catalogue::MemberKind::Percent || m.as == Catalogue::MemberKind::Year;
}

bool isMarkerRow(const Row &row)
{
    QStringView marker;
    // The cells before the row number.
    const qsizetype cells = std::min<qsizetype>(row.cols.size(), ClauseTables::kForm3cdColumns - 1);
    for (qsizetype i = 0; i < cells; ++i) {
        const QStringView c = QStringView(row.cols.at(i)).trimmed();
        if (c.isEmpty())
            continue;
        if (!Vocabulary::isMarker(c))
            return false;
        if (!marker.isEmpty() && marker.compare(c, Qt::CaseInsensitive) != 0)
            return false;
        marker = c;
    }
    return !marker.isEmpty();
}

QString converted(const Member &m, const QString &stored, const WriteContext &ctx)
{
    return ValueConversions::toFile(m, stored, ctx);
}

void writeValue(JsonLineWriter &w, const QString &name, const Member &m, const QString &value)
{
    writeValue(w, name, isBare(m), value);
}

void writeValue(JsonLineWriter &w, const QString &name, bool bare, const QString &value)
{
    writeValue(w, JsonLineWriter::Name(name), bare, value);
}

void writeValue(JsonLineWriter &w, const JsonLineWriter::Name &name, bool bare, QStringView value)
{
    if (!bare) {
        w.text(name, value);
        return;
    }
    // A blank amount is nought: the file has no empty numbers.
    w.number(name, value.trimmed().isEmpty() ? QStringView(u"0") : value);
}

Plan::Plan(const QList<Member> &members)
{
    m_entries.reserve(size_t(members.size()));
    for (const Member &m : members) {
        const Kind kind = kindOf(m);
        const bool words = m.as == Catalogue::MemberKind::Text || m.as == Catalogue::MemberKind::Date ||
                           m.as == Catalogue::MemberKind::Code;
        m_entries.push_back(
            Entry{&m, JsonLineWriter::Name(m.name), kind, ValueConversions::wayOf(m), isBare(m), words,
                  kind == Kind::Address ? AddressColumns::of(m.address) : AddressColumns{},
                  kind == Kind::Table || kind == Kind::Object ? std::make_unique<Plan>(m.members) : nullptr});
    }
}

Plan::~Plan() = default;

namespace
{

// Writes a value member once converted, unless the department leaves it out.
void writeConverted(JsonLineWriter &w, const Plan::Entry &e, const Row &source, const QString &value)
{
    if (!leftOut(e, source, value))
        writeValue(w, e.name, e.bare, value);
}

// Writes one member of the plan that reads from `source`.
void writeEntry(JsonLineWriter &w, const Plan::Entry &e, const Row &source, int page, const WriteContext &ctx)
{
    const Member &m = *e.member;
    switch (e.kind) {
    case Plan::Kind::Name:
        w.openObject(m.name);
        for (int i = 0; i < m.names.size(); ++i)
            w.text(m.names.at(i), source.col(m.columns.value(i)));
        w.close();
        break;
    case Plan::Kind::Address:
        AddressRule::write(w, m.name, StoredAddress::fromRow(source, e.address));
        break;
    case Plan::Kind::Table:
        writeTable(w, e, page, ctx);
        break;
    case Plan::Kind::Object:
        w.openObject(m.name);
        write(w, *e.inner, source, page, ctx);
        w.close();
        break;
    case Plan::Kind::CsvList:
        writeCsvList(w, m, source, ctx);
        break;
    case Plan::Kind::Value: {
        QString converted;
        writeConverted(w, e, source, fileValue(e, source, ctx, converted));
        break;
    }
    }
}

} // namespace

void write(JsonLineWriter &w, const Plan &plan, const Row &row, int page, const WriteContext &ctx)
{
    for (const Plan::Entry &e : plan.entries())
        writeEntry(w, e, rowFor(*e.member, row, page, ctx), page, ctx);
}

void write(JsonLineWriter &w, const QList<Member> &members, const Row &row, int page, const WriteContext &ctx)
{
    write(w, Plan(members), row, page, ctx);
}

void writeWithCsvLine(JsonLineWriter &w, CsvAttachment::Lines &csv, const Plan &plan, const Row &row,
                      int page, const WriteContext &ctx)
{
    csv.startRow();
    for (const Plan::Entry &e : plan.entries()) {
        const Member &m = *e.member;
        const Row &source = rowFor(m, row, page, ctx);
        if (e.kind == Plan::Kind::Address) {
            const StoredAddress a = StoredAddress::fromRow(source, e.address);
            const AddressRule::Codes codes = AddressRule::Codes::of(a);
            for (const QString *field : {&a.line1, &a.line2, &a.city, &a.pin, &codes.country, &codes.state})
                csv.field(*field);
            AddressRule::write(w, m.name, a, codes);
        } else if (e.kind == Plan::Kind::Value) {
            QString converted;
            const QString &value = fileValue(e, source, ctx, converted);
            if (m.as != Catalogue::MemberKind::Const)
                csv.field(value);
            writeConverted(w, e, source, value);
        } else {
            writeEntry(w, e, source, page, ctx);
        }
    }
}

} // namespace MemberWriter
