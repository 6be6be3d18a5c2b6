#include "JsonLineWriter.h"

#include <QRegularExpression>

namespace {

const QString kNewLine = QStringLiteral("\r\n");

} // namespace

JsonLineWriter::JsonLineWriter()
{
    // The document is one object; its braces stand at the margin.
    m_text = QStringLiteral("{");
    m_stack.push_back(Level{});
}

void JsonLineWriter::line(int indent, const QString &text)
{
    m_text += kNewLine;
    m_text += QString(indent, u' ');
    m_text += text;
}

void JsonLineWriter::member(const QString &text)
{
    Level &level = m_stack.back();
    if (level.hasMembers)
        m_text += u',';
    level.hasMembers = true;
    // The root's braces stand at the margin and its members at 4: a member's indent is
    // two spaces per open level plus two, its closing line two spaces per open level.
    line(2 * depth() + 2, text);
}

void JsonLineWriter::openObject(const QString &name)
{
    member(name.isEmpty() ? QStringLiteral("{") : quoted(name) + QStringLiteral(": {"));
    m_stack.push_back(Level{});
}

void JsonLineWriter::openArray(const QString &name)
{
    member(quoted(name) + QStringLiteral(": ["));
    m_stack.push_back(Level{true, false});
}

void JsonLineWriter::close()
{
    if (m_stack.size() <= 1)
        return;
    const bool array = m_stack.back().array;
    const int indent = 2 * depth();
    m_stack.pop_back();
    line(indent, array ? QStringLiteral("]") : QStringLiteral("}"));
}

void JsonLineWriter::text(const QString &name, const QString &value)
{
    member(quoted(name) + QStringLiteral(": ") + quoted(value));
}

void JsonLineWriter::number(const QString &name, const QString &value)
{
    member(quoted(name) + QStringLiteral(": ") + numberText(value));
}

void JsonLineWriter::numberArray(const QString &name, const QString &value)
{
    member(quoted(name) + QStringLiteral(": [") + numberText(value) + QStringLiteral("]"));
}

QByteArray JsonLineWriter::bytes() const
{
    // Closing the root here keeps the writer usable for a partial document after an error.
    QString whole = m_text;
    for (size_t i = m_stack.size(); i > 1; --i)
        whole += kNewLine + QString(2 * int(i), u' ') + (m_stack[i - 1].array ? u']' : u'}');
    whole += kNewLine + QStringLiteral("}") + kNewLine;
    return whole.toUtf8();
}

QString JsonLineWriter::quoted(const QString &value)
{
    QString out;
    out.reserve(value.size() + 2);
    out += u'"';
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\b':
            out += QLatin1String("\\b");
            break;
        case '\f':
            out += QLatin1String("\\f");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

QString JsonLineWriter::numberText(const QString &value)
{
    static const QRegularExpression decimal(QStringLiteral("^([+-]?)0*(\\d*)(\\.\\d*)?([eE][+-]?\\d+)?$"));
    const QString v = value.trimmed();
    if (v.isEmpty())
        return QStringLiteral("null");
    const QRegularExpressionMatch m = decimal.match(v);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).size() <= 1 && !v.contains(u'0')))
        return quoted(value);
    QString whole = m.captured(2).isEmpty() ? QStringLiteral("0") : m.captured(2);
    QString fraction = m.captured(3);
    if (fraction == QLatin1String("."))
        fraction.clear();
    const QString sign = m.captured(1) == QLatin1String("-") ? QStringLiteral("-") : QString();
    return sign + whole + fraction + m.captured(4);
}
