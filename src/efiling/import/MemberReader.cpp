#include "MemberReader.h"

#include "AddressReader.h"
#include "OptionAnswers.h"
#include "StoredValues.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "efiling/ValueConversions.h"
#include "efiling/json/JsonValue.h"

namespace MemberReader
{

namespace
{

int rowOf(const Place &place, ReadContext &ctx)
{
    return place.row >= 0 ? place.row : ctx.rows().single(place.page, place.point);
}

// A member that names its own point is stored in that point's single row.
Place placeOf(const Member &m, const Place &element, ReadContext &ctx)
{
    if (m.point.isEmpty())
        return element;
    const Catalogue::PointRef ref = ctx.resolve(m.page ? m.page : element.page, m.point);
    return Place{ref.page, ref.point, -1};
}

QString storedScalar(const Member &m, const QString &value, const Catalogue::Column *column, ReadContext &ctx)
{
    return ValueConversions::toStored(m, value, column, ctx);
}

void readYesNo(const Member &m, const QString &letter, const Place &place, ReadContext &ctx)
{
    const Catalogue::Column *column = ctx.column(place.page, place.point, m.column);
    if (!column && place.point.startsWith(QLatin1String("Opt"))) {
        OptionAnswers::store(ctx.rows(), place.page, place.point, letter);
        return;
    }
    ctx.rows().set(rowOf(place, ctx), m.column, storedScalar(m, letter, column, ctx));
}

// The business code of a sector, or of a sub-sector whose name goes to the column that
// depends on the sector's column.
void readSector(const Member &m, const QString &code, const Place &place, ReadContext &ctx)
{
    const NameLookups::Sector s = ctx.names().sector(code);
    const int row = rowOf(place, ctx);
    ctx.rows().set(row, m.column, s.sector.isEmpty() ? code : s.sector);
    if (s.subSector.isEmpty())
        return;
    if (const Catalogue::Control *control = ctx.catalogue().controlOf(place.page, place.point)) {
        for (int i = 0; i < control->columns.size(); ++i) {
            if (control->columns.at(i).dependsOn == m.column)
                ctx.rows().set(row, i + 1, s.subSector);
        }
    }
}

// The list of a cell, as the depreciation page keeps it.
void readCsvList(const Member &m, const JsonValue &info, const Place &place, ReadContext &ctx)
{
    const JsonValue &entries = info.Item(m.element);
    QList<QStringList> cell;
    for (qsizetype i = 1; i <= entries.Count(); ++i) {
        const JsonValue &entry = entries.Item(i);
        QStringList fields;
        for (const Member &f : m.fields)
            fields << storedScalar(f, StoredValues::text(entry.Item(f.name)), nullptr, ctx);
        cell << fields;
    }
    if (!cell.isEmpty())
        ctx.rows().set(rowOf(place, ctx), m.column, Vocabulary::joinList(cell));
}

void readTable(const Member &m, const JsonValue &elements, const Place &element, ReadContext &ctx)
{
    const Catalogue::PointRef ref = ctx.resolve(m.page ? m.page : element.page, m.point);
    // One element may come as one object instead of an array.
    const bool single = elements.isObject();
    for (qsizetype i = 1; i <= (single ? 1 : elements.Count()); ++i) {
        const int row = ctx.rows().append(ref.page, ref.point);
        read(m.members, single ? elements : elements.Item(i), Place{ref.page, ref.point, row}, ctx);
    }
}

} // namespace

namespace
{

// Where a member stands: in its element; in a layout of the department's, one level up
// (beside the object the catalogue puts it in) or one level down (in an object beside it).
const JsonValue *memberValue(const Member &m, const JsonValue &element, const JsonValue *outer)
{
    if (element.Exists(m.name))
        return &element.Item(m.name);
    // An attachment list's entries stood beside its "…Info" object once.
    if (m.as == Catalogue::MemberKind::CsvList && element.Exists(m.element))
        return &element;
    if (m.isConst || m.as == Catalogue::MemberKind::Object || m.as == Catalogue::MemberKind::Table)
        return nullptr;
    if (outer && outer->Exists(m.name))
        return &outer->Item(m.name);
    for (const QString &key : element.Keys()) {
        const JsonValue &inner = element.Item(key);
        if (inner.isObject() && inner.Exists(m.name))
            return &inner.Item(m.name);
    }
    return nullptr;
}

void readMembers(const QList<Member> &members, const JsonValue &element, const JsonValue *outer,
                 const Place &place, ReadContext &ctx)
{
    for (const Member &m : members) {
        const JsonValue *found = ValueConversions::isStored(m) ? memberValue(m, element, outer) : nullptr;
        if (!found)
            continue;
        const JsonValue &value = *found;
        if (m.as == Catalogue::MemberKind::Table) {
            readTable(m, value, place, ctx);
            continue;
        }
        const Place target = placeOf(m, place, ctx);
        if (m.as == Catalogue::MemberKind::Object) {
            // Its members may name their own points even where the object has none.
            readMembers(m.members, value, &element, target, ctx);
        } else if (target.point.isEmpty()) {
            continue;
        } else if (m.as == Catalogue::MemberKind::Name) {
            const int row = rowOf(target, ctx);
            for (int i = 0; i < m.names.size(); ++i)
                ctx.rows().set(row, m.columns.value(i), StoredValues::text(value.Item(m.names.at(i))));
        } else if (m.as == Catalogue::MemberKind::Address) {
            AddressReader::read(value, m.address, ctx.rows(), rowOf(target, ctx), ctx.names());
        } else if (m.as == Catalogue::MemberKind::CsvList) {
            readCsvList(m, value, target, ctx);
        } else if (m.as == Catalogue::MemberKind::YesNo) {
            readYesNo(m, StoredValues::text(value), target, ctx);
        } else if (m.as == Catalogue::MemberKind::Sector) {
            readSector(m, StoredValues::text(value), target, ctx);
        } else {
            const Catalogue::Column *column = ctx.column(target.page, target.point, m.column);
            ctx.rows().set(rowOf(target, ctx), m.column,
                           storedScalar(m, StoredValues::text(value), column, ctx));
        }
    }
}

} // namespace

void read(const QList<Member> &members, const JsonValue &element, const Place &place, ReadContext &ctx)
{
    readMembers(members, element, nullptr, place, ctx);
}

} // namespace MemberReader
