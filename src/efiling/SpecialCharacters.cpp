#include "SpecialCharacters.h"

#include "JsonLineWriter.h"
#include "host/HostContext.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace SpecialCharacters {

namespace {

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
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {{QStringLiteral("\u2018"), QStringLiteral("'")},   {QStringLiteral("\u2019"), QStringLiteral("'")},
                {QStringLiteral("\u201C"), QStringLiteral("\"")},  {QStringLiteral("\u201D"), QStringLiteral("\"")},
                {QStringLiteral("\u2013"), QStringLiteral("-")},   {QStringLiteral("\u2014"), QStringLiteral("-")},
                {QStringLiteral("\u2026"), QStringLiteral("...")}, {QStringLiteral("\u00A0"), QStringLiteral(" ")}};
    }
    QList<Pair> pairs;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab > 0)
            pairs << Pair{line.left(tab), line.mid(tab + 1)};
    }
    return pairs;
}

bool save(const QList<Pair> &pairs)
{
    QDir().mkpath(host().DocPath());
    QSaveFile file(listFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    for (const Pair &p : pairs)
        file.write((p.character + u'\t' + p.replacement + u'\n').toUtf8());
    return file.commit();
}

QString cleanJson(const QString &text, const QList<Pair> &pairs)
{
    QString out;
    out.reserve(text.size());
    bool inString = false;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (!inString) {
            inString = c == u'"';
            out += c;
            ++i;
            continue;
        }
        if (c == u'\\' && i + 1 < text.size()) {
            out += c;
            out += text.at(i + 1);
            i += 2;
            continue;
        }
        if (c == u'"') {
            inString = false;
            out += c;
            ++i;
            continue;
        }
        if (const Pair *p = matchAt(text, i, pairs)) {
            out += jsonEscaped(p->replacement);
            i += p->character.size();
            continue;
        }
        out += c;
        ++i;
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
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        *why = out.errorString();
        return false;
    }
    out.write((xml ? cleanXml(text, pairs) : cleanJson(text, pairs)).toUtf8());
    if (!out.commit()) {
        *why = out.errorString();
        return false;
    }
    return true;
}

} // namespace SpecialCharacters
