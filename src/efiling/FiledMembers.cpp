#include "FiledMembers.h"

#include "catalogue/FiledRows.h"

#include "JsonLineWriter.h"
#include "WriteContext.h"
#include "catalogue/ClauseCatalogue.h"
#include "efiling/json/Json.h"

namespace FiledMembers
{

bool layoutHas(const QString &place)
{
    const qsizetype slash = place.indexOf(u'/');
    const QString block = slash < 0 ? place : place.left(slash);
    const QString member = slash < 0 ? QString() : place.mid(slash + 1);
    for (const Catalogue::JsonBlock &b : ClauseCatalogue::instance().jsonBlocks()) {
        if (b.member != block)
            continue;
        if (member.isEmpty())
            return true;
        for (const Catalogue::JsonPart &part : b.parts) {
            for (const Catalogue::JsonMember &m : part.members) {
                if (m.name == member)
                    return true;
            }
        }
    }
    return false;
}

void writeBack(JsonLineWriter &w, const WriteContext &ctx, const QString &block)
{
    const QList<WriteContext::Row> &kept = ctx.rowsOf(FiledRows::kPage, FiledRows::point());
    for (const WriteContext::Row &row : kept) {
        const QString place = row.col(1);
        const qsizetype slash = place.indexOf(u'/');
        const QString owner = slash < 0 ? QString() : place.left(slash);
        const QString name = slash < 0 ? place : place.mid(slash + 1);
        if (owner != block || name.isEmpty() || w.hasMember(name) || !layoutHas(place))
            continue;
        if (const std::optional<JsonValue> value = JSON::ParseJson(QStringLiteral("[%1]").arg(row.col(2)));
            value && value->Count() == 1)
            writeValue(w, name, value->Item(1));
    }
}

void writeValue(JsonLineWriter &w, const QString &name, const JsonValue &value)
{
    switch (value.type()) {
    case JsonValue::Type::Object:
        w.openObject(name);
        for (const QString &key : value.Keys())
            writeValue(w, key, value.Item(key));
        w.close();
        break;
    case JsonValue::Type::Array:
        w.openArray(name);
        for (qsizetype i = 1; i <= value.Count(); ++i)
            writeValue(w, QString(), value.Item(i));
        w.close();
        break;
    case JsonValue::Type::String:
        w.text(name, value.text());
        break;
    case JsonValue::Type::Number:
        w.number(name, value.text());
        break;
    case JsonValue::Type::Boolean:
        w.literal(name, value.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
        break;
    case JsonValue::Type::Null:
        w.literal(name, QStringLiteral("null"));
        break;
    }
}

} // namespace FiledMembers
