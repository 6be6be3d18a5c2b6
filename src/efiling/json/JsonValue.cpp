#include "JsonValue.h"

#include <QLocale>

namespace
{
const JsonValue &nullValue()
{
    static const JsonValue value;
    return value;
}
} // namespace

JsonValue::JsonValue(bool value) : m_type(Type::Boolean), m_bool(value) {}

JsonValue::JsonValue(const QString &text) : m_type(Type::String), m_text(text) {}

JsonValue JsonValue::number(const QString &decimalText)
{
    JsonValue value;
    value.m_type = Type::Number;
    value.m_text = decimalText;
    return value;
}

JsonValue JsonValue::object()
{
    JsonValue value;
    value.m_type = Type::Object;
    return value;
}

JsonValue JsonValue::array()
{
    JsonValue value;
    value.m_type = Type::Array;
    return value;
}

double JsonValue::toDouble() const
{
    // The C locale: a decimal point whatever the user's regional settings say.
    return m_type == Type::Number ? QLocale::c().toDouble(m_text) : 0.0;
}

const JsonValue &JsonValue::Item(const QString &key) const
{
    const auto found = m_index.constFind(key);
    return found == m_index.cend() ? nullValue() : m_children[size_t(*found)];
}

const JsonValue &JsonValue::Item(qsizetype position) const
{
    if (m_type != Type::Array || position < 1 || position > Count())
        return nullValue();
    return m_children[size_t(position - 1)];
}

bool JsonValue::Add(const QString &key, JsonValue value)
{
    if (m_type != Type::Object || m_index.contains(key))
        return false;
    m_index.insert(key, Count());
    m_keys.append(key);
    m_children.push_back(std::move(value));
    return true;
}

void JsonValue::Append(JsonValue value)
{
    if (m_type == Type::Array)
        m_children.push_back(std::move(value));
}
