#include "SqlDialect.h"

#include <QRegularExpression>
#include <algorithm>

namespace
{

// Finds the argument list of a call whose opening parenthesis is at 'open'; returns the
// arguments split at top-level commas and sets 'close' to the closing parenthesis.
QStringList splitCallArguments(const QString &sql, qsizetype open, qsizetype &close)
{
    QStringList args;
    int depth = 0;
    bool inQuote = false;
    qsizetype start = open + 1;
    for (qsizetype i = open; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (inQuote) {
            if (c == u'\'') {
                if (i + 1 < sql.size() && sql.at(i + 1) == u'\'')
                    ++i;
                else
                    inQuote = false;
            }
            continue;
        }
        if (c == u'\'') {
            inQuote = true;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (--depth == 0) {
                args << sql.mid(start, i - start).trimmed();
                close = i;
                return args;
            }
        } else if (c == u',' && depth == 1) {
            args << sql.mid(start, i - start).trimmed();
            start = i + 1;
        }
    }
    close = -1;
    return {};
}

// Rewrites every call that 'call' finds (outside quoted text) with 'rewrite'.
template <typename Rewrite> QString rewriteCalls(QString sql, const QRegularExpression &call, Rewrite rewrite)
{
    qsizetype from = 0;
    while (true) {
        const auto match = call.match(sql, from);
        if (!match.hasMatch())
            return sql;
        // Skip matches inside quoted literals.
        const auto quotesBefore = sql.left(match.capturedStart()).count(u'\'');
        if (quotesBefore % 2 == 1) {
            from = match.capturedEnd();
            continue;
        }
        qsizetype close = -1;
        const QStringList args = splitCallArguments(sql, match.capturedEnd() - 1, close);
        if (close < 0)
            return sql;
        const QString replacement = rewrite(args);
        if (replacement.isNull()) {
            from = match.capturedEnd();
            continue;
        }
        sql.replace(match.capturedStart(), close + 1 - match.capturedStart(), replacement);
        from = match.capturedStart() + replacement.size();
    }
}

QRegularExpression callOf(const char *name)
{
    return QRegularExpression(QStringLiteral("\\b%1\\s*\\(").arg(QLatin1String(name)),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

QString SqlDialect::translate(const QString &sql) const
{
    if (m_engine == Engine::MySQL)
        return sql;
    const auto found = m_translated.constFind(sql);
    if (found != m_translated.constEnd())
        return *found;
    // Statements carry no values, so their number stays small; the bound only guards
    // against a caller that builds a new text each time.
    if (m_translated.size() >= 4096)
        m_translated.clear();
    return *m_translated.insert(sql, rewrite(sql));
}

QString SqlDialect::rewrite(const QString &sql) const
{
    static const QRegularExpression convertCall = callOf("convert");
    static const QRegularExpression concatCall = callOf("concat");
    static const QRegularExpression leftCall = callOf("left");

    const QString trimmed = sql.trimmed();
    if (trimmed.compare(QLatin1String("flush tables"), Qt::CaseInsensitive) == 0)
        return {};
    if (trimmed.compare(QLatin1String("start transaction"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("BEGIN");

    QString out = sql;
    out = rewriteCalls(out, convertCall, [](const QStringList &args) {
        if (args.size() == 2 && args[1].compare(QLatin1String("signed"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("CAST(%1 AS INTEGER)").arg(args[0]);
        if (args.size() == 2 && args[1].compare(QLatin1String("binary"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("CAST(%1 AS BLOB)").arg(args[0]);
        return QString();
    });
    out = rewriteCalls(out, concatCall, [](const QStringList &args) {
        return QStringLiteral("(") + args.join(QLatin1String(" || ")) + QStringLiteral(")");
    });
    out = rewriteCalls(out, leftCall, [](const QStringList &args) {
        if (args.size() != 2)
            return QString();
        return QStringLiteral("substr(%1,1,%2)").arg(args[0], args[1]);
    });

    // MySQL takes "CREATE TABLE t SELECT ..."; SQLite wants "CREATE TABLE t AS SELECT ...".
    static const QRegularExpression createSelect(
        QStringLiteral(
            "^(\\s*CREATE\\s+(?:TEMPORARY\\s+)?TABLE\\s+(?:IF\\s+NOT\\s+EXISTS\\s+)?[\\w`]+)\\s+(SELECT\\b)"),
        QRegularExpression::CaseInsensitiveOption);
    out.replace(createSelect, QStringLiteral("\\1 AS \\2"));
    out.replace(u'`', u'"');
    return out;
}

QString SqlDialect::keyType(int length) const
{
    return m_engine == Engine::MySQL ? QStringLiteral("VARCHAR(%1)").arg(length) : QStringLiteral("TEXT");
}

QString SqlDialect::textType() const
{
    return m_engine == Engine::MySQL ? QStringLiteral("MEDIUMTEXT") : QStringLiteral("TEXT");
}

QString SqlDialect::intType() const
{
    return m_engine == Engine::MySQL ? QStringLiteral("INT") : QStringLiteral("INTEGER");
}

QString SqlDialect::amountType() const
{
    return m_engine == Engine::MySQL ? QStringLiteral("DECIMAL(18,2)") : QStringLiteral("NUMERIC");
}

QString SqlDialect::serialKeyType() const
{
    // AUTOINCREMENT never gives a number again, so a snapshot's number names it for good.
    return m_engine == Engine::MySQL ? QStringLiteral("INT AUTO_INCREMENT PRIMARY KEY")
                                     : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
}

QString SqlDialect::tableOptions() const
{
    // Binary collation keeps "Nil" and "NIL" apart and stores Devanagari text.
    return m_engine == Engine::MySQL ? QStringLiteral(" CHARACTER SET utf8mb4 COLLATE utf8mb4_bin")
                                     : QString();
}

QStringList SqlDialect::createTable(const QString &name, const QStringList &columnDefinitions,
                                    const QStringList &indexColumns) const
{
    QStringList defs = columnDefinitions;
    const QString index = QStringLiteral("ix_") + name;
    if (m_engine == Engine::MySQL) {
        if (!indexColumns.isEmpty())
            defs << QStringLiteral("INDEX %1 (%2)").arg(index, indexColumns.join(u','));
        return {QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)%3")
                    .arg(name, defs.join(u','), tableOptions())};
    }
    QStringList statements{QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(name, defs.join(u','))};
    if (!indexColumns.isEmpty())
        statements << QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                          .arg(index, name, indexColumns.join(u','));
    return statements;
}

int SqlDialect::rowsAnInsert(int valuesARow) const
{
    // Qt hands SQLite each "?" as a named placeholder, and SQLite finds a name by a linear
    // search, so a statement's cost grows with the square of its values: a few hundred
    // values a statement is fastest, and stays under the 999 of SQLite before 3.32.
    constexpr int kRows = 32;
    constexpr int kSqliteValues = 200;
    return m_engine == Engine::MySQL ? kRows : std::clamp(kSqliteValues / std::max(1, valuesARow), 1, kRows);
}

QString SqlDialect::beginTransaction() const
{
    return m_engine == Engine::MySQL ? QStringLiteral("START TRANSACTION")
                                     : QStringLiteral("BEGIN IMMEDIATE");
}

QString SqlDialect::schemaCheck() const
{
    return m_engine == Engine::SQLite ? QStringLiteral("SELECT 1 FROM sqlite_master LIMIT 1") : QString();
}

QString SqlDialect::listTablesSql() const
{
    return m_engine == Engine::MySQL
               ? QStringLiteral(
                     "SELECT table_name FROM information_schema.tables WHERE table_schema = DATABASE()")
               : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'");
}
