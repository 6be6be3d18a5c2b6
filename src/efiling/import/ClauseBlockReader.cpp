#include "ClauseBlockReader.h"

#include "MemberReader.h"
#include "StoredValues.h"
#include "catalogue/ClauseCatalogue.h"
#include "efiling/json/JsonValue.h"

namespace ClauseBlockReader
{

namespace
{

using Catalogue::JsonBlock;
using Catalogue::JsonPart;
using MemberReader::Place;

// The part an element belongs to: the only one, or the one whose fixed members
// ("ParticularType": "CAPITAL") the element carries.
const JsonPart *partOf(const JsonBlock &block, const JsonValue &element)
{
    if (block.parts.size() == 1)
        return &block.parts.first();
    for (const JsonPart &part : block.parts) {
        bool matches = true;
        for (const Catalogue::JsonMember &m : part.members) {
            if (m.isConst && StoredValues::text(element.Item(m.name)) != m.constValue)
                matches = false;
        }
        if (matches)
            return &part;
    }
    return nullptr;
}

// The elements of a table block, unwrapped from the shape the writer gave them.
QList<const JsonValue *> elementsOf(const JsonBlock &block, const JsonValue &value)
{
    const bool nested =
        block.shape == QLatin1String("objectWithArray") || block.shape == QLatin1String("csv");
    const JsonValue &array = nested ? value.Item(block.element) : value;
    QList<const JsonValue *> elements;
    for (qsizetype i = 1; i <= array.Count(); ++i) {
        const JsonValue &element = array.Item(i);
        elements << (block.shape == QLatin1String("arrayOfWrapped") ? &element.Item(block.element)
                                                                    : &element);
    }
    return elements;
}

Place pointPlace(const JsonPart &part, ReadContext &ctx)
{
    if (part.point.isEmpty())
        return Place{part.page, {}, -1};
    const Catalogue::PointRef ref = ctx.resolve(part.page, part.point);
    return Place{ref.page, ref.point, -1};
}

void noteGate(const JsonPart &part, ReadContext &ctx)
{
    if (!part.gateOption.isEmpty())
        ctx.answeredYesBy(part.page, part.gateOption);
}

// A block of single values: each part's members go to its point's row or their own.
void readObject(const JsonBlock &block, const JsonValue &value, ReadContext &ctx)
{
    for (const JsonPart &part : block.parts) {
        MemberReader::read(part.members, value, pointPlace(part, ctx), ctx);
        noteGate(part, ctx);
    }
}

// A value written bare ("value") or as a one-element array ("valueArray"): the part's
// first member, read as if it were the member of an element.
void readValues(const JsonBlock &block, const JsonValue &value, ReadContext &ctx)
{
    const JsonPart &part = block.parts.first();
    const Catalogue::JsonMember &m = part.members.first();
    const bool array = block.shape == QLatin1String("valueArray");
    const Place place = pointPlace(part, ctx);
    for (qsizetype i = 1; i <= (array ? value.Count() : 1); ++i) {
        JsonValue element = JsonValue::object();
        element.Add(m.name, array ? value.Item(i) : value);
        const int row = array ? ctx.rows().append(place.page, place.point) : -1;
        MemberReader::read({m}, element, Place{place.page, place.point, row}, ctx);
    }
    noteGate(part, ctx);
}

// True when the file does not carry Col1 of the part's rows and the page keeps a serial
// number there (clause 32(a)): the writer needs Col1 filled to write the table again.
bool numbersRows(const JsonPart &part, ReadContext &ctx)
{
    for (const Catalogue::JsonMember &m : part.members) {
        if (m.point.isEmpty() && m.column == 1)
            return false;
    }
    const Place place = pointPlace(part, ctx);
    const Catalogue::Column *first = ctx.column(place.page, place.point, 1);
    return first && first->kind == Catalogue::Kind::Whole;
}

void readTable(const JsonBlock &block, const JsonValue &value, ReadContext &ctx)
{
    QHash<const JsonPart *, int> numbered;
    for (const JsonValue *element : elementsOf(block, value)) {
        const JsonPart *part = partOf(block, *element);
        if (!part)
            continue;
        Place place = pointPlace(*part, ctx);
        place.row = ctx.rows().append(place.page, place.point);
        if (numbersRows(*part, ctx))
            ctx.rows().set(place.row, 1, QString::number(++numbered[part]));
        MemberReader::read(part->members, *element, place, ctx);
        noteGate(*part, ctx);
    }
}

void readBlock(const JsonValue &formKey, const JsonBlock &block, ReadContext &ctx)
{
    if (!formKey.Exists(block.member) || block.parts.isEmpty())
        return;
    const JsonValue &value = formKey.Item(block.member);
    if (block.shape == QLatin1String("object"))
        readObject(block, value, ctx);
    else if (block.shape == QLatin1String("value") || block.shape == QLatin1String("valueArray"))
        readValues(block, value, ctx);
    else
        readTable(block, value, ctx);
}

} // namespace

void read(const JsonValue &formKey, ReadContext &ctx, int step)
{
    for (const JsonBlock &block : ctx.catalogue().jsonBlocks()) {
        if (block.readStep == step)
            readBlock(formKey, block, ctx);
    }
}

} // namespace ClauseBlockReader
