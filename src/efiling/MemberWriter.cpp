#include "MemberWriter.h"

#include "AddressRule.h"
#include "CodeLookups.h"
#include "CsvAttachment.h"
#include "EfilingValues.h"
#include "JsonLineWriter.h"
#include "ValueConversions.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"

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

QString storedValue(const Member &m, const Row &row)
{
    const QString v = row.col(m.column);
    if (m.hasDefault && QStringView(v).trimmed().isEmpty())
        return m.defaultValue;
    // The "Nil" that a No answer leaves in an amount box is no amount at all.
    if (isBare(m) && Vocabulary::isMarker(v))
        return QStringLiteral("0");
    return v;
}

void writeScalar(JsonLineWriter &w, const Member &m, const QString &value)
{
    writeValue(w, m.name, m, value);
}

// A member the department leaves out when it has nothing to say: an optional one left blank,
// and the words of a clause answered "No" or "Not Applicable", whose row holds only the marker.
bool leftOut(const Member &m, const Row &source, const QString &value)
{
    if (m.optional && QStringView(value).trimmed().isEmpty())
        return true;
    const bool words =
        m.as == QLatin1String("text") || m.as == QLatin1String("date") || m.as == QLatin1String("code");
    return words && !m.point.isEmpty() && isMarkerRow(source);
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
            writeScalar(w, m.fields.at(i), values.at(i));
        w.close();
    }
    w.close();
    w.close();
}

void writeTable(JsonLineWriter &w, const Member &m, int page, const WriteContext &ctx)
{
    const int tablePage = m.page ? m.page : page;
    QList<Row> rows;
    for (const Row &row : ctx.rowsOf(tablePage, m.point)) {
        if (!isMarkerRow(row))
            rows << row;
    }
    const QList<Row> &all = ctx.rowsOf(tablePage, m.point);
    const QString first = all.isEmpty() ? QString() : all.first().col(1).trimmed();
    if (rows.isEmpty() || first.isEmpty() || Vocabulary::isNA(first))
        return;
    w.openArray(m.name);
    for (const Row &row : rows) {
        w.openObject();
        write(w, m.members, row, tablePage, ctx);
        w.close();
    }
    w.close();
}

} // namespace

bool isBare(const Member &m)
{
    return m.as == QLatin1String("amount") || m.as == QLatin1String("number") ||
           m.as == QLatin1String("percent") || m.as == QLatin1String("year");
}

bool isMarkerRow(const Row &row)
{
    QStringView marker;
    const qsizetype cells = std::min<qsizetype>(row.cols.size(), 22);
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
    if (!isBare(m)) {
        w.text(name, value);
        return;
    }
    // A blank amount is nought: the file has no empty numbers.
    w.number(name, QStringView(value).trimmed().isEmpty() ? QStringLiteral("0") : value);
}

void write(JsonLineWriter &w, const QList<Member> &members, const Row &row, int page, const WriteContext &ctx)
{
    for (const Member &m : members) {
        const Row &source = rowFor(m, row, page, ctx);
        if (m.as == QLatin1String("name")) {
            w.openObject(m.name);
            for (int i = 0; i < m.names.size(); ++i)
                w.text(m.names.at(i), source.col(m.columns.value(i)));
            w.close();
        } else if (m.as == QLatin1String("address")) {
            AddressRule::write(w, m.name, StoredAddress::fromRow(source, m.address));
        } else if (m.as == QLatin1String("table")) {
            writeTable(w, m, page, ctx);
        } else if (m.as == QLatin1String("object")) {
            w.openObject(m.name);
            write(w, m.members, source, page, ctx);
            w.close();
        } else if (m.as == QLatin1String("csvList")) {
            writeCsvList(w, m, source, ctx);
        } else {
            const QString value = converted(m, storedValue(m, source), ctx);
            if (!leftOut(m, source, value))
                writeScalar(w, m, value);
        }
    }
}

QStringList csvFields(const QList<Member> &members, const Row &row, int page, const WriteContext &ctx)
{
    QStringList fields;
    for (const Member &m : members) {
        const Row &source = rowFor(m, row, page, ctx);
        if (m.as == QLatin1String("address")) {
            const StoredAddress a = StoredAddress::fromRow(source, m.address);
            fields << a.line1 << a.line2 << a.city << a.pin << AddressRule::countryCode(a)
                   << AddressRule::stateCode(a);
        } else if (m.as != QLatin1String("const") && m.as != QLatin1String("table") &&
                   m.as != QLatin1String("object") && m.as != QLatin1String("csvList") &&
                   m.as != QLatin1String("name")) {
            fields << converted(m, storedValue(m, source), ctx);
        }
    }
    return fields;
}

} // namespace MemberWriter
