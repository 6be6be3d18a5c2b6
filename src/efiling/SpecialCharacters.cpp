#include "SpecialCharacters.h"

#include "JsonLineWriter.h"
#include "base/OutputFile.h"
#include "host/HostContext.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace SpecialCharacters
{

namespace
{

// Where a pair's character starts at position i of the text, the pair; else null.
const Pair *matchAt(const QString &text, qsizetype i, const QList<Pair> &pairs)
{
    for (const Pair &p : pairs) {
        if (!p.character.isEmpty() && QStringView(text).mid(i).startsWith(p.character))
            return &p;
    }
    return nullptr;
}

QString jsonEscaped(const QString &replacement)
{
    const QString quoted = JsonLineWriter::quoted(replacement);
    return quoted.mid(1, quoted.size() - 2);
}

QString xmlEscaped(const QString &replacement)
{
    return replacement.toHtmlEscaped();
}

} // namespace

QString listFile()
{
    return QDir(host().DocPath()).filePath(QStringLiteral("SpChList"));
}

QList<Pair> load()
{
    QFile file(listFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return {{QStringLiteral("\u2018"), QStringLiteral("'")},
                {QStringLiteral("\u2019"), QStringLiteral("'")},
                {QStringLiteral("\u201C"), QStringLiteral("\"")},
                {QStringLiteral("\u201D"), QStringLiteral("\"")},
                {QStringLiteral("\u2013"), QStringLiteral("-")},
                {QStringLiteral("\u2014"), QStringLiteral("-")},
                {QStringLiteral("\u2026"), QStringLiteral("...")},
                {QStringLiteral("\u00A0"), QStringLiteral(" ")}};
    }
    QList<Pair> pairs;
    for (const QJsonValue &v : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonArray pair = v.toArray();
        if (!pair.at(0).toString().isEmpty())
            pairs << Pair{pair.at(0).toString(), pair.at(1).toString()};
    }
    return pairs;
}

bool save(const QList<Pair> &pairs)
{
    QDir().mkpath(host().DocPath());
    QJsonArray list;
    for (const Pair &p : pairs)
        list.append(QJsonArray{p.character, p.replacement});
    OutputFile file(listFile());
    if (file.open())
        file.device().write(QJsonDocument(list).toJson());
    return file.commit();
}

QString cleanJson(const QString &text, const QList<Pair> &pairs)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i) != u'"') {
            out += text.at(i++);
            continue;
        }
        // A string runs to the next quote that no backslash escapes.
        qsizetype end = i + 1;
        while (end < text.size() && text.at(end) != u'"')
            end += text.at(end) == u'\\' ? 2 : 1;
        end = std::min(end, text.size() - 1);
        qsizetype next = end + 1;
        while (next < text.size() && text.at(next).isSpace())
            ++next;
        const bool memberName = next < text.size() && text.at(next) == u':';
        out += u'"';
        for (qsizetype k = i + 1; k < end;) {
            const Pair *p = memberName ? nullptr : matchAt(text, k, pairs);
            if (p) {
                out += jsonEscaped(p->replacement);
                k += p->character.size();
            } else if (text.at(k) == u'\\' && k + 1 < end) {
                out += text.mid(k, 2);
                k += 2;
            } else {
                out += text.at(k++);
            }
        }
        out += u'"';
        i = end + 1;
    }
    return out;
}

QString cleanXml(const QString &text, const QList<Pair> &pairs)
{
    QString out;
    out.reserve(text.size());
    bool inTag = false;
    QChar quote;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        const bool data = (!inTag || !quote.isNull());
        if (data && c == u'&') {
            // An entity or character reference is markup: copy it whole.
            const qsizetype end = text.indexOf(u';', i);
            const qsizetype stop = end < 0 ? text.size() : end + 1;
            out += text.mid(i, stop - i);
            i = stop;
            continue;
        }
        if (!inTag && c == u'<') {
            inTag = true;
        } else if (inTag && quote.isNull() && c == u'>') {
            inTag = false;
        } else if (inTag && quote.isNull() && (c == u'"' || c == u'\'')) {
            quote = c;
        } else if (inTag && c == quote) {
            quote = QChar();
        } else if (data) {
            if (const Pair *p = matchAt(text, i, pairs)) {
                out += xmlEscaped(p->replacement);
                i += p->character.size();
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

bool cleanFile(const QString &path, bool xml, const QList<Pair> &pairs, QString *why)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        *why = in.errorString();
        return false;
    }
    const QString text = QString::fromUtf8(in.readAll());
    in.close();
    OutputFile out(path);
    if (out.open())
        out.device().write((xml ? cleanXml(text, pairs) : cleanJson(text, pairs)).toUtf8());
    if (!out.commit()) {
        *why = out.errorString();
        return false;
    }
    return true;
}

} // namespace SpecialCharacters
