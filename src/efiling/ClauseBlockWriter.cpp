#include "ClauseBlockWriter.h"

#include "CsvAttachment.h"
#include "EfilingValues.h"
#include "FiledMembers.h"
#include "JsonLineWriter.h"
#include "MemberWriter.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"

#include <memory>
#include <unordered_map>

namespace ClauseBlockWriter
{

namespace
{

using Catalogue::JsonBlock;
using Catalogue::JsonPart;
using Row = ClauseStore::ClauseRow;

// One row of a table block and the part it came from; the row stays in the report model,
// or in its grid's text, read back when it is written.
struct Element {
    const JsonPart *part;
    const Row *row;
    const GridText *grid = nullptr;
    qsizetype index = 0;
};

const Row &rowOf(const Element &e, Row &held)
{
    return e.grid ? e.grid->row(e.index, held) : *e.row;
}

const Row *noRow()
{
    static const Row none;
    return &none;
}

bool gateOpen(const JsonPart &part, const WriteContext &ctx)
{
    if (!part.gateOption.isEmpty() && !Vocabulary::isYes(ctx.rows().value(part.page, part.gateOption)))
        return false;
    // Not applicable when the tick's value, read as a number, is 1.
    if (!part.gateNA.isEmpty() && ctx.rows().value(part.page, part.gateNA).trimmed().toDouble() == 1.0)
        return false;
    return true;
}

// The rows of the parts that pass their gates. A part whose first row is blank or "NA"
// gives none; rows left by a "No" or "Not Applicable" answer are skipped.
QList<Element> elementsOf(const JsonBlock &block, const WriteContext &ctx)
{
    QList<Element> elements;
    for (const JsonPart &part : block.parts) {
        if (!gateOpen(part, ctx))
            continue;
        const GridText *grid = ctx.gridOf(part.page, part.point);
        static const QList<Row> none;
        const QList<Row> &rows = grid ? none : ctx.rowsOf(part.page, part.point);
        Row held;
        const qsizetype count = grid ? grid->size() : rows.size();
        const QString first =
            count == 0 ? QString() : (grid ? grid->row(0, held) : rows.first()).col(1).trimmed();
        if (first.isEmpty() || Vocabulary::isNA(first)) {
            if (part.always)
                elements << Element{&part, noRow()};
            continue;
        }
        const qsizetype before = elements.size();
        for (qsizetype i = 0; i < count; ++i) {
            if (grid) {
                if (!grid->isMarker(i))
                    elements << Element{&part, nullptr, grid, i};
            } else if (!MemberWriter::isMarkerRow(rows.at(i))) {
                elements << Element{&part, &rows.at(i)};
            }
        }
        // A part written in any case ("Nil" in clause 22(a)) still gives its element.
        if (part.always && elements.size() == before)
            elements << Element{&part, noRow()};
    }
    return elements;
}

// The members of each part of a block, resolved once for all its rows.
class PartPlans
{
public:
    const MemberWriter::Plan &of(const JsonPart *part)
    {
        auto it = m_plans.find(part);
        if (it == m_plans.end())
            it = m_plans.emplace(part, MemberWriter::Plan(part->members)).first;
        return it->second;
    }

private:
    std::unordered_map<const JsonPart *, MemberWriter::Plan> m_plans;
};

void writeElementMembers(JsonLineWriter &w, const Element &e, const WriteContext &ctx)
{
    Row held;
    MemberWriter::write(w, e.part->members, rowOf(e, held), e.part->page, ctx);
}

// Each element an object, its members in an object of `wrapper` when one is named.
void writeElements(JsonLineWriter &w, const QList<Element> &elements, const WriteContext &ctx,
                   const QString &wrapper = {})
{
    PartPlans plans;
    Row held;
    for (const Element &e : elements) {
        w.openObject();
        if (!wrapper.isEmpty())
            w.openObject(wrapper);
        MemberWriter::write(w, plans.of(e.part), rowOf(e, held), e.part->page, ctx);
        if (!wrapper.isEmpty())
            w.close();
        w.close();
    }
}

// Each element an object holding an array of one object: {wrapper: [{members}]}.
void writeListedElements(JsonLineWriter &w, const QList<Element> &elements, const WriteContext &ctx,
                         const QString &wrapper)
{
    PartPlans plans;
    Row held;
    for (const Element &e : elements) {
        w.openObject();
        w.openArray(wrapper);
        w.openObject();
        MemberWriter::write(w, plans.of(e.part), rowOf(e, held), e.part->page, ctx);
        w.close();
        w.close();
        w.close();
    }
}

// Each element holds its key members in an object of their own, the others beside it.
void writeKeyedElements(JsonLineWriter &w, const JsonBlock &block, const QList<Element> &elements,
                        const WriteContext &ctx)
{
    struct KeyedPlans {
        QList<Catalogue::JsonMember> key, rest;
        std::unique_ptr<MemberWriter::Plan> keyPlan, restPlan;
    };
    std::unordered_map<const JsonPart *, KeyedPlans> plans;
    Row held;
    for (const Element &e : elements) {
        const Row &row = rowOf(e, held);
        KeyedPlans &p = plans[e.part];
        if (!p.keyPlan) {
            for (const Catalogue::JsonMember &m : e.part->members)
                (block.key.contains(m.name) ? p.key : p.rest) << m;
            p.keyPlan = std::make_unique<MemberWriter::Plan>(p.key);
            p.restPlan = std::make_unique<MemberWriter::Plan>(p.rest);
        }
        w.openObject();
        w.openObject(block.element);
        MemberWriter::write(w, *p.keyPlan, row, e.part->page, ctx);
        w.close();
        MemberWriter::write(w, *p.restPlan, row, e.part->page, ctx);
        w.close();
    }
}

// The blocks written inside this block's object rather than in the form key.
void writeBlocksWithin(JsonLineWriter &w, const JsonBlock &block, const WriteContext &ctx)
{
    for (const JsonBlock &inner : ctx.catalogue().jsonBlocks()) {
        if (inner.within == block.member)
            writeBlock(w, inner, ctx);
    }
}

void writeCsvBlock(JsonLineWriter &w, const JsonBlock &block, const QList<Element> &elements,
                   const WriteContext &ctx)
{
    // The elements follow the attachment in the file but are made with it, row by row, each
    // value converted once for both and each row read once.
    PartPlans plans;
    w.openObject(block.member);
    JsonLineWriter array = w.branch();
    array.openArray(block.element);
    CsvAttachment::Stream csv(w, block.csvHeader, elements.size());
    Row held;
    for (const Element &e : elements) {
        array.openObject();
        MemberWriter::writeWithCsvLine(array, csv.lines(), plans.of(e.part), rowOf(e, held), e.part->page,
                                       ctx);
        array.close();
        csv.rowDone();
    }
    csv.finish();
    array.close();
    w.splice(std::move(array));
    w.close();
}

// Blocks of single values: every part that passes its gate adds its members; a part
// tied to a point needs a row of that point.
void writeObjectBlock(JsonLineWriter &w, const JsonBlock &block, const WriteContext &ctx)
{
    QList<Element> parts;
    for (const JsonPart &part : block.parts) {
        if (!gateOpen(part, ctx))
            continue;
        if (part.point.isEmpty()) {
            parts << Element{&part, noRow()};
            continue;
        }
        const QList<Row> &rows = ctx.rowsOf(part.page, part.point);
        // A clause answered "No" or "Not Applicable" has only its marker row: nothing to say.
        const bool marker = !rows.isEmpty() && MemberWriter::isMarkerRow(rows.first());
        if ((!rows.isEmpty() && !marker) || part.always)
            parts << Element{&part, rows.isEmpty() || marker ? noRow() : &rows.first()};
    }
    if (parts.isEmpty())
        return;
    const bool inArray = block.shape == Catalogue::BlockShape::ObjectInArray;
    if (inArray) {
        w.openArray(block.member);
        w.openObject();
    } else {
        w.openObject(block.member);
    }
    w.rememberNames();
    for (const Element &e : parts)
        writeElementMembers(w, e, ctx);
    FiledMembers::writeBack(w, ctx, block.member);
    w.close();
    if (inArray)
        w.close();
}

} // namespace

void writeBlock(JsonLineWriter &w, const JsonBlock &block, const WriteContext &ctx)
{
    if (block.shape == Catalogue::BlockShape::Object || block.shape == Catalogue::BlockShape::ObjectInArray) {
        writeObjectBlock(w, block, ctx);
        return;
    }
    const QList<Element> elements = elementsOf(block, ctx);
    if (elements.isEmpty())
        return;
    if (block.shape == Catalogue::BlockShape::Array) {
        w.openArray(block.member);
        writeElements(w, elements, ctx);
        w.close();
    } else if (block.shape == Catalogue::BlockShape::ObjectWithArray) {
        w.openObject(block.member);
        w.openArray(block.element);
        writeElements(w, elements, ctx);
        w.close();
        writeBlocksWithin(w, block, ctx);
        w.close();
    } else if (block.shape == Catalogue::BlockShape::ArrayOfWrapped) {
        w.openArray(block.member);
        writeElements(w, elements, ctx, block.element);
        w.close();
    } else if (block.shape == Catalogue::BlockShape::ArrayOfListed) {
        w.openArray(block.member);
        writeListedElements(w, elements, ctx, block.element);
        w.close();
    } else if (block.shape == Catalogue::BlockShape::ArrayWithKey) {
        w.openArray(block.member);
        writeKeyedElements(w, block, elements, ctx);
        w.close();
    } else if (block.shape == Catalogue::BlockShape::Csv) {
        writeCsvBlock(w, block, elements, ctx);
    } else if (block.shape == Catalogue::BlockShape::ValueArray ||
               block.shape == Catalogue::BlockShape::Value) {
        // One stored value: the first member of the part, from the first row.
        const Element &e = elements.first();
        const Catalogue::JsonMember &m = e.part->members.first();
        Row held;
        const QString value = MemberWriter::converted(m, rowOf(e, held).col(m.column), ctx);
        if (block.shape == Catalogue::BlockShape::ValueArray)
            w.numberArray(block.member, value.trimmed().isEmpty() ? QStringLiteral("0") : value);
        else
            MemberWriter::writeValue(w, block.member, m, value);
    }
}

void write(JsonLineWriter &w, const WriteContext &ctx, int writer)
{
    for (const JsonBlock &block : ctx.catalogue().jsonBlocks()) {
        if (block.writer == writer && block.within.isEmpty())
            writeBlock(w, block, ctx);
    }
}

} // namespace ClauseBlockWriter
