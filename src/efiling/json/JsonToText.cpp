#include "Json.h"
#include "cStringBuilder.h"

namespace
{

// Only printable ASCII is written as itself, so the text survives any file encoding.
void appendEncoded(QStringView text, cStringBuilder &out)
{
    static constexpr char16_t hex[] = u"0123456789ABCDEF";
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        switch (code) {
        case u'"':
            out.Append(u"\\\"");
            break;
        case u'\\':
            out.Append(u"\\\\");
            break;
        case u'/':
            out.Append(u"\\/");
            break;
        case 0x08:
            out.Append(u"\\b");
            break;
        case 0x0C:
            out.Append(u"\\f");
            break;
        case u'\n':
            out.Append(u"\\n");
            break;
        case u'\r':
            out.Append(u"\\r");
            break;
        case u'\t':
            out.Append(u"\\t");
            break;
        default:
            if (code >= 32 && code <= 126) {
                out.Append(c);
            } else {
                const char16_t escape[] = {
                    u'\\',          u'u', hex[code >> 12], hex[(code >> 8) & 0xF], hex[(code >> 4) & 0xF],
                    hex[code & 0xF]};
                out.Append(QStringView(escape, 6));
            }
        }
    }
}

void write(const JsonValue &value, cStringBuilder &out)
{
    switch (value.type()) {
    case JsonValue::Type::Null:
        out.Append(u"null");
        return;
    case JsonValue::Type::Boolean:
        out.Append(value.toBool() ? u"true" : u"false");
        return;
    case JsonValue::Type::Number:
        out.Append(value.text());
        return;
    case JsonValue::Type::String:
        out.Append(u'"');
        appendEncoded(value.text(), out);
        out.Append(u'"');
        return;
    case JsonValue::Type::Object:
        out.Append(u'{');
        for (qsizetype i = 0; i < value.Count(); ++i) {
            if (i > 0)
                out.Append(u',');
            // Keys are written as they are: the reader takes no escapes in keys either.
            const QString &key = value.Keys()[i];
            out.Append(u'"');
            out.Append(key);
            out.Append(u"\":");
            write(value.Item(key), out);
        }
        out.Append(u'}');
        return;
    case JsonValue::Type::Array:
        out.Append(u'[');
        for (qsizetype position = 1; position <= value.Count(); ++position) {
            if (position > 1)
                out.Append(u',');
            write(value.Item(position), out);
        }
        out.Append(u']');
        return;
    }
}

} // namespace

namespace JSON
{

QString JsonToText(const JsonValue &value)
{
    cStringBuilder out;
    write(value, out);
    return out.toString();
}

} // namespace JSON
