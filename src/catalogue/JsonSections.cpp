#include "JsonSections.h"

#include "JsonFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <stdexcept>
#include <string>

namespace
{

qsizetype skipSpace(const QByteArray &text, qsizetype i)
{
    while (i < text.size() && (text[i] == ' ' || text[i] == '\n' || text[i] == '\r' || text[i] == '\t'))
        ++i;
    return i;
}

// One past the closing quote of the string whose opening quote is at i; -1 when unclosed.
qsizetype stringEnd(const QByteArray &text, qsizetype i)
{
    for (++i; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i;
        else if (text[i] == '"')
            return i + 1;
    }
    return -1;
}

// One past the value that starts at i (an object, an array, a string or a bare word); -1 when
// its brackets do not close.
qsizetype valueEnd(const QByteArray &text, qsizetype i)
{
    int depth = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            const qsizetype end = stringEnd(text, i);
            if (end < 0)
                return -1;
            if (depth == 0)
                return end;
            i = end - 1;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth == 0)
                return i;
            if (--depth == 0)
                return i + 1;
        } else if (depth == 0 && c == ',') {
            return i;
        }
    }
    return depth == 0 ? i : -1;
}

} // namespace

JsonSections::JsonSections(const QString &path, const char *what) : m_path(path), m_what(what)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("cannot read the ") + what + ' ' + path.toStdString());
    m_text = file.readAll();
    if (!locate()) {
        // Parsed whole, the file is refused with the parser's reason, or read as it is.
        m_whole = readJsonObject(path, what);
        m_parsedWhole = true;
    }
}

bool JsonSections::locate()
{
    qsizetype i = skipSpace(m_text, 0);
    if (i >= m_text.size() || m_text[i] != '{')
        return false;
    ++i;
    while (true) {
        i = skipSpace(m_text, i);
        if (i < m_text.size() && m_text[i] == '}')
            return skipSpace(m_text, i + 1) == m_text.size();
        if (i >= m_text.size() || m_text[i] != '"')
            return false;
        const qsizetype keyEnd = stringEnd(m_text, i);
        if (keyEnd < 0)
            return false;
        const QByteArray key = m_text.mid(i + 1, keyEnd - i - 2);
        if (key.contains('\\'))
            return false;
        i = skipSpace(m_text, keyEnd);
        if (i >= m_text.size() || m_text[i] != ':')
            return false;
        const qsizetype start = skipSpace(m_text, i + 1);
        const qsizetype end = valueEnd(m_text, start);
        if (end < 0)
            return false;
        m_members.insert(QString::fromUtf8(key), {start, end - start});
        i = skipSpace(m_text, end);
        if (i < m_text.size() && m_text[i] == ',')
            ++i;
        else if (i >= m_text.size() || m_text[i] != '}')
            return false;
    }
}

bool JsonSections::contains(const QString &name) const
{
    return m_parsedWhole ? m_whole.contains(name) : m_members.contains(name);
}

QJsonValue JsonSections::parse(const QString &name) const
{
    if (m_parsedWhole)
        return m_whole.value(name);
    const auto it = m_members.constFind(name);
    if (it == m_members.constEnd())
        return {};
    QJsonParseError error;
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray::fromRawData(m_text.constData() + it->first, it->second), &error);
    if (doc.isNull())
        throw std::runtime_error(std::string("the ") + m_what + ' ' + m_path.toStdString() +
                                 " is not valid JSON in " + name.toStdString() + ": " +
                                 error.errorString().toStdString());
    return doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
}

QJsonObject JsonSections::object(const QString &name) const
{
    return parse(name).toObject();
}

QJsonArray JsonSections::array(const QString &name) const
{
    return parse(name).toArray();
}
