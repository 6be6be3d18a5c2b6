#include "MemberReader.h"

#include "AddressReader.h"
#include "OptionAnswers.h"
#include "StoredValues.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "efiling/json/JsonValue.h"

namespace MemberReader
{

namespace
{

bool isDerived(const Member &m)
{
    return m.isConst || m.as == QLatin1String("auditor") || m.as == QLatin1String("assessmentYear") ||
           m.as == QLatin1String("blockMethod");
}

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

// A drop-down list filled from the host's tables offers "CODE-NAME" entries: a value
// written as the beginning of one (a unit's code, say) is completed to that entry.
QString completed(const QString &value, const Catalogue::Column *column, ReadContext &ctx)
{
    if (!column || column->list.isEmpty() || value.isEmpty())
        return value;
    if (ctx.catalogue().listSource(column->list).query.isEmpty())
        return value;
    const QStringList items = ctx.names().listItems(column->list);
    if (items.contains(value))
        return value;
    for (const QString &item : items) {
        if (item.startsWith(value))
            return item;
    }
    return value;
}

QString storedScalar(const Member &m, const QString &value, const Catalogue::Column *column, ReadContext &ctx)
{
    const QString &as = m.as;
    if (as == QLatin1String("date"))
        return StoredValues::date(value);
    if (as == QLatin1String("code")) {
        const QStringList preferred = column ? ctx.names().listItems(column->list) : QStringList();
        return StoredValues::textOfCode(ctx.catalogue(), m.table, value, preferred);
    }
    if (as == QLatin1String("state")) {
        const QString name = ctx.names().stateName(value);
        return name.isEmpty() ? value : name;
    }
    if (as == QLatin1String("blockId")) {
        // 0 stands for a block the list does not have: its text is not in the file.
        for (const Catalogue::CodeEntry &e : ctx.catalogue().codeTable(m.table)) {
            if (e.code == value.trimmed())
                return e.text;
        }
        return {};
    }
    if (as == QLatin1String("text"))
        return completed(value, column, ctx);
    return value; // amount, number
}

void readYesNo(const Member &m, const QString &letter, const Place &place, ReadContext &ctx)
{
    const Catalogue::Column *column = ctx.column(place.page, place.point, m.column);
    if (!column && place.point.startsWith(QLatin1String("Opt"))) {
        OptionAnswers::store(ctx.rows(), place.page, place.point, letter);
        return;
    }
    const bool tick = column && column->kind == Catalogue::Kind::Tick;
    ctx.rows().set(rowOf(place, ctx), m.column, StoredValues::yesNo(letter, tick));
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
    for (qsizetype i = 1; i <= elements.Count(); ++i) {
        const int row = ctx.rows().append(ref.page, ref.point);
        read(m.members, elements.Item(i), Place{ref.page, ref.point, row}, ctx);
    }
}

} // namespace

void read(const QList<Member> &members, const JsonValue &element, const Place &place, ReadContext &ctx)
{
    for (const Member &m : members) {
        if (isDerived(m) || !element.Exists(m.name))
            continue;
        const JsonValue &value = element.Item(m.name);
        if (m.as == QLatin1String("table")) {
            readTable(m, value, place, ctx);
            continue;
        }
        const Place target = placeOf(m, place, ctx);
        if (m.as == QLatin1String("object")) {
            // Its members may name their own points even where the object has none.
            read(m.members, value, target, ctx);
        } else if (target.point.isEmpty()) {
            continue;
        } else if (m.as == QLatin1String("name")) {
            const int row = rowOf(target, ctx);
            for (int i = 0; i < m.names.size(); ++i)
                ctx.rows().set(row, m.columns.value(i), StoredValues::text(value.Item(m.names.at(i))));
        } else if (m.as == QLatin1String("address")) {
            AddressReader::read(value, m.address, ctx.rows(), rowOf(target, ctx), ctx.names());
        } else if (m.as == QLatin1String("csvList")) {
            readCsvList(m, value, target, ctx);
        } else if (m.as == QLatin1String("yesno")) {
            readYesNo(m, StoredValues::text(value), target, ctx);
        } else if (m.as == QLatin1String("sector")) {
            readSector(m, StoredValues::text(value), target, ctx);
        } else {
            const Catalogue::Column *column = ctx.column(target.page, target.point, m.column);
            ctx.rows().set(rowOf(target, ctx), m.column,
                           storedScalar(m, StoredValues::text(value), column, ctx));
        }
    }
}

} // namespace MemberReader
