#include "ClauseBlockReader.h"

#include "MemberReader.h"
#include "StoredValues.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "efiling/json/JsonValue.h"

#include <deque>

namespace ClauseBlockReader
{

namespace
{

using Catalogue::JsonBlock;
using Catalogue::JsonPart;
using MemberReader::Place;

bool hasConstants(const QList<Catalogue::JsonMember> &members, const JsonValue &element)
{
    for (const Catalogue::JsonMember &m : members) {
        if (m.isConst && StoredValues::text(element.Item(m.name)) != m.constValue)
            return false;
    }
    return true;
}

// The part an element belongs to: the only one, or the one whose fixed members
// ("ParticularType": "CAPITAL") the element carries.
const JsonPart *partOf(const JsonBlock &block, const JsonValue &element)
{
    if (block.parts.size() == 1)
        return &block.parts.first();
    for (const JsonPart &part : block.parts) {
        if (hasConstants(part.members, element))
            return &part;
    }
    return nullptr;
}

// The items of a value that should be an array: other software writes a single element
// as one object, and an array of one object where one object is meant.
QList<const JsonValue *> itemsOf(const JsonValue &value)
{
    QList<const JsonValue *> items;
    if (value.isArray()) {
        for (qsizetype i = 1; i <= value.Count(); ++i)
            items << &value.Item(i);
    } else if (value.isObject()) {
        items << &value;
    }
    return items;
}

const JsonValue &singleObject(const JsonValue &value)
{
    return value.isArray() && value.Count() > 0 ? value.Item(1) : value;
}

bool isNested(const JsonBlock &block)
{
    return block.shape == Catalogue::BlockShape::ObjectWithArray || block.shape == Catalogue::BlockShape::Csv;
}

// The array of a table block's elements. The data array of an attachment block stood
// beside its "…Info" object once.
const JsonValue &arrayOf(const JsonBlock &block, const JsonValue &formKey, const JsonValue &value)
{
    if (!isNested(block))
        return value;
    return value.Exists(block.element) ? value.Item(block.element) : formKey.Item(block.element);
}

// The rows one item of a table's array stands for, in any of the layouts the department
// has used. The element may stand bare, or wrapped in its "…PK" object (one object or an
// array of one object per row); the wrapper may hold all of the element or only its key
// members with the others beside it. Elements that need their wrapper's members joined to
// their own are made in `joined`, which keeps them while they are read.
QList<const JsonValue *> elementsOf(const JsonBlock &block, const JsonValue &item,
                                    std::deque<JsonValue> &joined)
{
    if (isNested(block) || block.element.isEmpty() || !item.Exists(block.element))
        return {&item};
    QList<const JsonValue *> elements;
    for (const JsonValue *inner : itemsOf(item.Item(block.element))) {
        if (item.Count() == 1) {
            elements << inner;
            continue;
        }
        JsonValue whole = JsonValue::object();
        for (const QString &key : item.Keys()) {
            if (key != block.element)
                whole.Add(key, item.Item(key));
        }
        for (const QString &key : inner->Keys())
            whole.Add(key, inner->Item(key));
        joined.push_back(std::move(whole));
        elements << &joined.back();
    }
    return elements;
}

// What was not kept of a block, with the clause it belongs to, so that the user knows
// where to look: "Form3cdDeprAllw/Remarks (clause 18)".
QString unkept(const JsonBlock &block, const QString &path)
{
    if (block.clause.isEmpty())
        return path;
    const bool numbered = block.clause.front().isDigit();
    return QStringLiteral("%1 (%2%3)")
        .arg(path, numbered ? QStringLiteral("clause ") : QString(), block.clause);
}

bool isObject(const JsonBlock &block)
{
    return block.shape == Catalogue::BlockShape::Object ||
           block.shape == Catalogue::BlockShape::ObjectInArray;
}

// Members of an element that none of the parts knows are noted for the user: the writer has
// no place for them. Those of a block of single values are kept with the report all the same.
void noteUnknownMembers(const JsonBlock &block, const QList<const JsonPart *> &parts,
                        const JsonValue &element, ReadContext &ctx)
{
    for (const QString &key : element.Keys()) {
        bool known = key == block.element;
        for (const JsonPart *part : parts) {
            // An attachment list's entries stood directly in the element once.
            for (const Catalogue::JsonMember &m : part->members)
                known =
                    known || m.name == key || (m.as == Catalogue::MemberKind::CsvList && m.element == key);
        }
        if (known)
            continue;
        if (parts.size() == block.parts.size() && isObject(block))
            ctx.keep(block.member + u'/' + key, element.Item(key));
        ctx.noteUnknown(unkept(block, block.member + u'/' + key));
    }
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

// The words of a clause answered No or Not Applicable ("NA"), which the writer leaves out.
bool isMarkerWords(const Catalogue::JsonMember &m, const JsonValue &value)
{
    return value.isString() && !m.point.isEmpty() && m.as == Catalogue::MemberKind::Text &&
           Vocabulary::isMarker(value.text());
}

// A block of single values: each part's members go to its point's row or their own. The
// members the rows will not give again are kept as the file has them.
void readObject(const JsonBlock &block, const JsonValue &value, ReadContext &ctx)
{
    QList<const JsonPart *> parts;
    for (const JsonPart &part : block.parts)
        parts << &part;
    noteUnknownMembers(block, parts, value, ctx);
    for (const JsonPart &part : block.parts) {
        MemberReader::read(part.members, value, pointPlace(part, ctx), ctx);
        noteGate(part, ctx);
        for (const Catalogue::JsonMember &m : part.members) {
            if (value.Exists(m.name) && isMarkerWords(m, value.Item(m.name)))
                ctx.keep(block.member + u'/' + m.name, value.Item(m.name));
        }
    }
}

// A value written bare ("value") or as a one-element array ("valueArray"): the part's
// first member, read as if it were the member of an element.
void readValues(const JsonBlock &block, const JsonValue &value, ReadContext &ctx)
{
    const JsonPart &part = block.parts.first();
    const Catalogue::JsonMember &m = part.members.first();
    const bool array = block.shape == Catalogue::BlockShape::ValueArray;
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

void readTable(const JsonBlock &block, const JsonValue &formKey, const JsonValue &value, ReadContext &ctx)
{
    for (const JsonValue *item : itemsOf(arrayOf(block, formKey, value)))
        readTableItem(block, *item, ctx);
}

// Where a block stands: in the form key, or in the object of the block it is written
// within (other software puts it in the form key).
const JsonValue *blockValue(const JsonValue &formKey, const JsonBlock &block)
{
    if (!block.within.isEmpty()) {
        const JsonValue &outer = formKey.Item(block.within);
        if (outer.Exists(block.member))
            return &outer.Item(block.member);
    }
    if (formKey.Exists(block.member))
        return &formKey.Item(block.member);
    // An attachment's data array without its "…Info" object.
    if (block.shape == Catalogue::BlockShape::Csv && formKey.Exists(block.element))
        return &formKey.Item(block.member);
    return nullptr;
}

} // namespace

void readTableItem(const JsonBlock &block, const JsonValue &item, ReadContext &ctx)
{
    std::deque<JsonValue> joined;
    for (const JsonValue *element : elementsOf(block, item, joined)) {
        const JsonPart *part = partOf(block, *element);
        if (!part) {
            ctx.noteUnknown(unkept(block, block.member));
            continue;
        }
        noteUnknownMembers(block, {part}, *element, ctx);
        Place place = pointPlace(*part, ctx);
        place.row = ctx.rows().append(place.page, place.point);
        if (numbersRows(*part, ctx))
            ctx.rows().set(place.row, 1, QString::number(ctx.nextNumber(part)));
        MemberReader::read(part->members, *element, place, ctx);
        noteGate(*part, ctx);
    }
}

QStringList tablePaths(const JsonBlock &block)
{
    using S = Catalogue::BlockShape;
    static const QList<S> tables{S::Array,        S::ArrayOfListed,   S::ArrayOfWrapped,
                                 S::ArrayWithKey, S::ObjectWithArray, S::Csv};
    if (!tables.contains(block.shape) || block.parts.isEmpty())
        return {};
    const QString own = isNested(block) ? block.member + u'/' + block.element : block.member;
    QStringList paths{own};
    if (!block.within.isEmpty())
        paths << block.within + u'/' + own;
    if (block.shape == Catalogue::BlockShape::Csv)
        paths << block.element;
    return paths;
}

void readBlock(const JsonValue &formKey, const JsonBlock &block, ReadContext &ctx)
{
    const JsonValue *value = blockValue(formKey, block);
    if (!value || block.parts.isEmpty())
        return;
    if (block.shape == Catalogue::BlockShape::Object || block.shape == Catalogue::BlockShape::ObjectInArray)
        readObject(block, singleObject(*value), ctx);
    else if (block.shape == Catalogue::BlockShape::Value || block.shape == Catalogue::BlockShape::ValueArray)
        readValues(block, *value, ctx);
    else
        readTable(block, formKey, *value, ctx);
}

namespace
{

// Whether the writer would leave a part out, by the rows the file gave: its question
// answered No, its Not Applicable tick set, no rows, or a first row without a value.
bool writesNothing(const JsonPart &part, ReadContext &ctx)
{
    if (!part.gateOption.isEmpty() && !Vocabulary::isYes(ctx.rows().value(part.page, part.gateOption)))
        return true;
    if (!part.gateNA.isEmpty() && ctx.rows().value(part.page, part.gateNA).trimmed().toDouble() == 1.0)
        return true;
    const Place place = pointPlace(part, ctx);
    const QString first = ctx.rows().value(place.page, place.point).trimmed();
    return first.isEmpty() || Vocabulary::isNA(first);
}

// The block as the file had it, in today's layout: the items read while the file was
// parsed put back into its array, the array of an attachment within its "…Info" object.
JsonValue asFiled(const JsonBlock &block, const JsonValue &formKey, const JsonValue &value,
                  const QList<JsonValue> &held)
{
    const JsonValue &filedArray = arrayOf(block, formKey, value);
    JsonValue array = JsonValue::array();
    if (held.isEmpty()) {
        for (const JsonValue *item : itemsOf(filedArray))
            array.Append(*item);
    } else {
        for (const JsonValue &item : held)
            array.Append(item);
    }
    if (!isNested(block))
        return array;
    JsonValue whole = JsonValue::object();
    for (const QString &key : value.Keys())
        whole.Add(key, key == block.element ? array : value.Item(key));
    whole.Add(block.element, array);
    return whole;
}

} // namespace

void keepUnwritten(const JsonValue &formKey, ReadContext &ctx)
{
    for (const JsonBlock &block : ctx.catalogue().jsonBlocks()) {
        if (tablePaths(block).isEmpty() || !block.within.isEmpty() || block.parts.isEmpty())
            continue;
        const JsonValue *value = blockValue(formKey, block);
        if (!value)
            continue;
        bool nothing = true;
        for (const JsonPart &part : block.parts) {
            nothing = nothing && !part.always && writesNothing(part, ctx);
        }
        const QList<JsonValue> *held = ctx.heldItems(&block);
        if (nothing && !(held && ctx.keep(block.member, asFiled(block, formKey, *value, *held))))
            ctx.noteUnknown(unkept(block, block.member));
    }
}

void read(const JsonValue &formKey, ReadContext &ctx, int step)
{
    for (const JsonBlock &block : ctx.catalogue().jsonBlocks()) {
        if (block.readStep == step)
            readBlock(formKey, block, ctx);
    }
}

} // namespace ClauseBlockReader
