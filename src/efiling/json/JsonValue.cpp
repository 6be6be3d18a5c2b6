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

qsizetype JsonValue::indexOf(const QString &key) const
{
    if (m_keys.size() < kIndexedFrom)
        return m_keys.indexOf(key);
    const auto found = m_index.constFind(key);
    return found == m_index.cend() ? -1 : *found;
}

bool JsonValue::Exists(const QString &key) const
{
    return indexOf(key) >= 0;
}

const JsonValue &JsonValue::Item(const QString &key) const
{
    const qsizetype index = indexOf(key);
    return index < 0 ? nullValue() : m_children[size_t(index)];
}

const JsonValue &JsonValue::Item(qsizetype position) const
{
    if (m_type != Type::Array || position < 1 || position > Count())
        return nullValue();
    return m_children[size_t(position - 1)];
}

bool JsonValue::Add(const QString &key, JsonValue value)
{
    if (m_type != Type::Object || indexOf(key) >= 0)
        return false;
    m_keys.append(key);
    m_children.push_back(std::move(value));
    if (m_keys.size() == kIndexedFrom) {
        for (qsizetype i = 0; i < m_keys.size(); ++i)
            m_index.insert(m_keys.at(i), i);
    } else if (m_keys.size() > kIndexedFrom) {
        m_index.insert(key, m_keys.size() - 1);
    }
    return true;
}

void JsonValue::squeeze()
{
    m_children.shrink_to_fit();
    m_keys.squeeze();
}

void JsonValue::Append(JsonValue value)
{
    if (m_type == Type::Array)
        m_children.push_back(std::move(value));
}
