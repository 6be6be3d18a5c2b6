#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// One node of a parsed JSON tree. Objects keep their keys in the order read and compare
// them exactly; arrays count positions from 1. A node owns its children by value, so a
// tree never shares nodes and copying a node copies its whole sub-tree.
//
// Numbers are held as the decimal text of their literal (see JSON::ParseJson), so amounts
// come back digit for digit; callers turn them into text or floating point at once.
class JsonValue
{
public:
    enum class Type { Null, Boolean, Number, String, Object, Array };

    JsonValue() = default;
    explicit JsonValue(bool value);
    explicit JsonValue(const QString &text);
    static JsonValue number(const QString &decimalText);
    static JsonValue object();
    static JsonValue array();

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }
    bool isBoolean() const { return m_type == Type::Boolean; }
    bool isNumber() const { return m_type == Type::Number; }
    bool isString() const { return m_type == Type::String; }
    bool isObject() const { return m_type == Type::Object; }
    bool isArray() const { return m_type == Type::Array; }

    // Scalars: the string's text or the number's decimal text; "" for the other kinds.
    QString text() const { return m_text; }
    bool toBool() const { return m_bool; }
    double toDouble() const;

    // Objects and arrays: the number of members or elements; 0 for scalars.
    qsizetype Count() const { return qsizetype(m_children.size()); }
    // Objects: the keys in the order read.
    const QStringList &Keys() const { return m_keys; }
    bool Exists(const QString &key) const;
    // A missing key or a position outside 1..Count gives a null value.
    const JsonValue &Item(const QString &key) const;
    const JsonValue &Item(qsizetype position) const;

    // Builders. Add refuses a key that is already present (and a non-object), leaving the
    // node unchanged; Append ignores a non-array.
    bool Add(const QString &key, JsonValue value);
    void Append(JsonValue value);

    // Gives back the spare room of a container that has grown by Add and Append (a long
    // array keeps up to half its room spare otherwise).
    void squeeze();

private:
    // An object of fewer keys is searched key by key: a file holds a great many small
    // objects (one a table row), and an index for each would take more than the row.
    static constexpr qsizetype kIndexedFrom = 16;
    qsizetype indexOf(const QString &key) const;

    Type m_type = Type::Null;
    bool m_bool = false;
    QString m_text;
    std::vector<JsonValue> m_children;
    QStringList m_keys;
    QHash<QString, qsizetype> m_index; // objects of kIndexedFrom keys or more
};
