#include "efiling/json/Json.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

using JSON::JsonToText;
using JSON::ParseJson;
using JSON::ParserErrors;

namespace
{

// A key holding a double quote is written without escaping and cannot be read back the
// same; every other tree must survive writing and reading again unchanged.
bool hasQuoteInAKey(const JsonValue &value)
{
    if (value.isObject()) {
        for (const QString &key : value.Keys()) {
            if (key.contains(u'"') || hasQuoteInAKey(value.Item(key)))
                return true;
        }
    } else if (value.isArray()) {
        for (qsizetype position = 1; position <= value.Count(); ++position) {
            if (hasQuoteInAKey(value.Item(position)))
                return true;
        }
    }
    return false;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Parses the characters from a buffer of exactly their size, so that reading one character
// past the end lands in the address sanitizer's red zone instead of a string's terminator.
void check(const char16_t *characters, qsizetype count)
{
    const auto exact = std::make_unique<char16_t[]>(size_t(count));
    std::memcpy(exact.get(), characters, size_t(count) * sizeof(char16_t));
    const QString text = QString::fromRawData(reinterpret_cast<const QChar *>(exact.get()), count);

    const std::optional<JsonValue> root = ParseJson(text);
    const QString errors = ParserErrors();
    if (!root) {
        require(errors == u"Invalid JSON\r\n");
        return;
    }
    require(errors.isEmpty() || errors.endsWith(u"\r\n"));

    const QString written = JsonToText(*root);
    if (hasQuoteInAKey(*root))
        return;
    const std::optional<JsonValue> again = ParseJson(written);
    require(again.has_value() && ParserErrors().isEmpty() && JsonToText(*again) == written);
}

// The bytes read as UTF-8 as they stand, from a buffer of exactly their size: never a read
// past the end, and for valid UTF-8 the same tree as the decoded text gives.
void checkUtf8(const std::uint8_t *data, std::size_t size, const QString &decoded)
{
    const auto exact = std::make_unique<char[]>(size);
    std::memcpy(exact.get(), data, size);
    const std::optional<JsonValue> root = JSON::ParseJsonUtf8(QByteArrayView(exact.get(), qsizetype(size)));
    if (decoded.toUtf8() != QByteArrayView(exact.get(), qsizetype(size)))
        return;
    const std::optional<JsonValue> fromText = ParseJson(decoded);
    require(root.has_value() == fromText.has_value());
    if (root)
        require(JsonToText(*root) == JsonToText(*fromText));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString decoded = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    check(reinterpret_cast<const char16_t *>(decoded.constData()), decoded.size());
    checkUtf8(data, size, decoded);

    // The same bytes taken as UTF-16 code units reach what UTF-8 decoding never gives:
    // lone surrogates and every code unit up to U+FFFF.
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    check(units.data(), qsizetype(units.size()));
    return 0;
}
