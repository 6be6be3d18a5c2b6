#include "Database.h"

#include "DbAddressForms.h"
#include "DbError.h"
#include "MariadbTextRows.h"
#include "SqlErrorText.h"
#include "SqliteTextRows.h"
#include "base/OutputFile.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QThread>
#include <limits>

using namespace SqlErrorText;

namespace
{
QAtomicInt connectionCounter;

// The server went away or the line to it broke (MySQL client errors 2006, 2013, and 4031
// for a connection the server closed as idle).
bool isConnectionLost(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("2006") || code == QLatin1String("2013") || code == QLatin1String("4031");
}

// What a statement carries to the server: its text and its bound values.
qint64 statementBytes(const QString &sql, const QVariantList &values)
{
    qint64 bytes = sql.size();
    for (const QVariant &v : values)
        bytes += v.typeId() == QMetaType::QByteArray ? v.toByteArray().size() : v.toString().toUtf8().size();
    return bytes;
}
// A statement that reads every column of a table ("SELECT *", "a.*"), when another
// workstation has added a column, is prepared again by the engine with more columns than the
// driver made room for: a failed statement on a server, a write past the end of the row in
// SQLite. Such a statement is not kept prepared, and SQLite reads the tables' definitions
// again first. A "COUNT(*)" has its one column whatever the table holds.
bool readsEveryColumn(const QString &sql)
{
    for (qsizetype at = sql.indexOf(u'*'); at >= 0; at = sql.indexOf(u'*', at + 1)) {
        qsizetype before = at - 1;
        while (before >= 0 && sql.at(before).isSpace())
            --before;
        if (before < 0 || sql.at(before) != u'(')
            return true;
    }
    return false;
}

} // namespace

Database::Database(const DbUrl &url, QSqlDatabase db, SqlDialect::Engine engine)
    : m_url(url), m_db(std::move(db)), m_dialect(engine), m_connectionName(m_db.connectionName())
{
}

Database::~Database()
{
    if (m_url.kind == DbUrl::Kind::SQLite)
        OutputFile::release(m_url.path);
    m_reusable.clear();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

std::unique_ptr<Database> Database::open(const DbUrl &url)
{
    const QString name = QStringLiteral("talvex-%1").arg(connectionCounter.fetchAndAddRelaxed(1));
    QSqlDatabase db;
    SqlDialect::Engine engine;
    switch (url.kind) {
    case DbUrl::Kind::SQLite: {
        QFileInfo info(url.path);
        QDir().mkpath(info.absolutePath());
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(url.path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        engine = SqlDialect::Engine::SQLite;
        break;
    }
    case DbUrl::Kind::MySQL:
        db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
        db.setHostName(url.host);
        db.setPort(url.port);
        db.setUserName(url.user);
        db.setPassword(url.password);
        db.setDatabaseName(url.database);
        engine = SqlDialect::Engine::MySQL;
        break;
    default:
        throw DbError(QStringLiteral("Not a database address. Use ") + databaseAddressForms() + u'.');
    }
    if (!db.isValid()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw DbError(QStringLiteral("The database driver for %1 is not installed.").arg(url.toString()));
    }
    if (!db.open()) {
        const QString message = errorText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw DbError(QStringLiteral("Could not open the database %1: %2").arg(url.toString(), message));
    }
    std::unique_ptr<Database> result(new Database(url, db, engine));
    // No output of the program may be written over the database or its log.
    if (url.kind == DbUrl::Kind::SQLite)
        OutputFile::holdOpen(url.path);
    result->startSession();
    return result;
}

void Database::startSession()
{
    if (m_dialect.isSQLite()) {
        // In WAL mode a commit is appended to the log and made durable at the next
        // checkpoint: a crash of the program, or of the machine, still finds every
        // transaction whole or not at all, and a commit no longer waits for the disk.
        runRaw(QStringLiteral("PRAGMA journal_mode=WAL"));
        runRaw(QStringLiteral("PRAGMA synchronous=NORMAL"));
        return;
    }
    runRaw(QStringLiteral("SET NAMES utf8mb4 COLLATE utf8mb4_bin"));
    runRaw(QStringLiteral("SET SESSION sql_mode = 'NO_ENGINE_SUBSTITUTION'"));
    // Known before any statement that might be too large for it.
    maxStatementBytes();
}

void Database::fail(const QSqlError &error, const QString &sql, qint64 bytes)
{
    // A statement over max_allowed_packet is refused by the client library (2020) or by the
    // server (1153), which then ends the connection, or the server just drops the line.
    const QString code = error.nativeErrorCode();
    const bool tooLarge = code == QLatin1String("1153") || code == QLatin1String("2020") ||
                          (isConnectionLost(error) && m_packetBytes > 0 && bytes > m_packetBytes);
    if (!m_dialect.isSQLite() && (isConnectionLost(error) || tooLarge)) {
        // Whatever the open transaction held is gone with the connection; the next
        // statement outside a transaction connects afresh.
        m_lost = true;
        if (tooLarge) {
            const auto mb = [](qint64 n) { return QString::number(double(n) / (1024 * 1024), 'f', 1); };
            throw DbError(QStringLiteral("The report is too large for the database server: one of its rows "
                                         "takes %1 MB, more than the server's max_allowed_packet of %2 MB. "
                                         "Nothing was saved; the server's max_allowed_packet must be raised.")
                              .arg(mb(bytes), mb(m_packetBytes)),
                          sql, DbError::Kind::TooLarge);
        }
        throw DbError(QStringLiteral("The connection to the database server was lost (%1). What was being "
                                     "saved was not saved; try again.")
                          .arg(rawText(error)),
                      sql, DbError::Kind::ConnectionLost);
    }
    throw errorOf(error, sql);
}

void Database::reconnectIfLost()
{
    if (!m_lost || m_depth > 0)
        return;
    m_reusable.clear();
    m_db.close();
    if (!m_db.open())
        throw DbError(QStringLiteral("The database server %1 cannot be reached: %2")
                          .arg(m_url.toString(), rawText(m_db.lastError())));
    m_lost = false;
    m_statementBytes = 0;
    startSession();
}

void Database::forgetTablesAfter(const QString &sql)
{
    const QStringView head = QStringView(sql).trimmed().left(6);
    for (const char *verb : {"CREATE", "DROP", "ALTER", "RENAME"}) {
        if (head.startsWith(QLatin1String(verb), Qt::CaseInsensitive)) {
            // A statement prepared before may read the changed table's columns otherwise.
            m_tables.reset();
            m_reusable.clear();
            return;
        }
    }
}

void Database::checkSchema()
{
    if (!m_dialect.schemaCheck().isEmpty())
        runRaw(m_dialect.schemaCheck());
}

void Database::runRaw(const QString &sql)
{
    forgetTablesAfter(sql);
    QSqlQuery query(m_db);
    if (!query.exec(sql))
        fail(query.lastError(), sql);
}

QSqlQuery Database::prepare(const QString &sql)
{
    reconnectIfLost();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const QString translated = m_dialect.translate(sql);
    forgetTablesAfter(translated);
    if (readsEveryColumn(translated))
        checkSchema();
    if (!query.prepare(translated))
        fail(query.lastError(), translated);
    return query;
}

QSqlQuery Database::select(const QString &sql, const QVariantList &binds)
{
    QSqlQuery query = prepare(sql);
    for (const QVariant &v : binds)
        query.addBindValue(v);
    exec(query);
    return query;
}

std::unique_ptr<TextRows> Database::readText(const QString &sql, const QVariantList &binds)
{
    reconnectIfLost();
    const QString translated = m_dialect.translate(sql);
    const QVariant handle = m_db.driver()->handle();
    const auto fail = [this, translated](const QSqlError &error) { this->fail(error, translated); };
    if (sqlite3 *connection = SqliteTextRows::connectionOf(handle))
        return std::make_unique<SqliteTextRows>(connection, translated, binds, fail);
    st_mysql *connection = MariadbTextRows::connectionOf(handle);
    if (!connection)
        fail(QSqlError(TextRows::failure(), QStringLiteral("The connection has no client handle"),
                       QSqlError::ConnectionError));
    return std::make_unique<MariadbTextRows>(connection, translated, binds, fail);
}

void Database::exec(QSqlQuery &query)
{
    if (!query.exec())
        fail(query.lastError(), query.lastQuery(), statementBytes(query.lastQuery(), query.boundValues()));
}

Recordset Database::Execute(const QString &sql, const QVariantList &binds)
{
    int affected = 0;
    return Execute(sql, affected, binds);
}

Recordset Database::Execute(const QString &sql, int &affected, const QVariantList &binds)
{
    const QString translated = m_dialect.translate(sql);
    affected = 0;
    if (translated.isEmpty())
        return {};
    reconnectIfLost();
    forgetTablesAfter(translated);
    const bool wholeRows = readsEveryColumn(translated);
    if (wholeRows)
        checkSchema();
    if (binds.isEmpty()) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.exec(translated))
            fail(query.lastError(), translated, statementBytes(translated, {}));
        affected = query.numRowsAffected();
        return Recordset(query);
    }
    std::optional<QSqlQuery> single;
    if (wholeRows) {
        single.emplace(m_db);
        single->setForwardOnly(true);
        if (!single->prepare(translated))
            fail(single->lastError(), translated);
    }
    QSqlQuery &query = single ? *single : reusable(translated);
    for (int i = 0; i < binds.size(); ++i)
        query.bindValue(i, binds.at(i));
    if (!query.exec())
        fail(query.lastError(), translated, statementBytes(translated, binds));
    affected = query.numRowsAffected();
    // The rows are read and the statement finished: it holds no lock until it runs again.
    return Recordset(query);
}

QSqlQuery &Database::reusable(const QString &translated)
{
    const auto found = m_reusable.find(translated);
    if (found != m_reusable.end())
        return *found;
    // A server limits the statements all connections keep prepared; a few dozen serve the
    // statements a connection repeats.
    if (m_reusable.size() >= 32)
        m_reusable.clear();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(translated))
        fail(query.lastError(), translated);
    return *m_reusable.insert(translated, std::move(query));
}

void Database::BeginTrans(bool forWriting)
{
    if (m_depth == 0)
        reconnectIfLost();
    if (m_depth++ == 0) {
        m_rollbackOnly = false;
        if (forWriting && m_dialect.isSQLite())
            runRaw(m_dialect.beginTransaction());
        else if (!m_db.transaction())
            runRaw(m_dialect.beginTransaction());
    }
}

void Database::runInTransaction(const std::function<void()> &work)
{
    for (int attempt = 1;; ++attempt) {
        const bool outermost = m_depth == 0;
        try {
            Transaction transaction(*this, true);
            work();
            transaction.commit();
            return;
        } catch (const DbError &e) {
            if (e.kind() != DbError::Kind::Deadlock || !outermost || attempt == 5)
                throw;
        }
        QThread::msleep(20 * attempt);
    }
}

void Database::CommitTrans()
{
    if (m_depth == 0)
        return;
    if (--m_depth > 0)
        return;
    if (m_rollbackOnly) {
        m_db.rollback();
        m_rollbackOnly = false;
        throw DbError(QStringLiteral("The changes were undone because part of the work failed."));
    }
    if (!m_db.commit()) {
        const QSqlError error = m_db.lastError();
        m_db.rollback();
        fail(error, {});
    }
}

void Database::RollbackTrans()
{
    if (m_depth == 0)
        return;
    if (--m_depth > 0) {
        m_rollbackOnly = true;
        return;
    }
    m_rollbackOnly = false;
    m_db.rollback();
}

bool Database::tableExists(const QString &name)
{
    const QString lower = name.toLower();
    if (m_tables && m_tables->contains(lower))
        return true;
    m_tables = listTables();
    return m_tables->contains(lower);
}

QSet<QString> Database::tableNames()
{
    if (!m_tables)
        m_tables = listTables();
    return *m_tables;
}

QSet<QString> Database::listTables()
{
    QSet<QString> names;
    for (Recordset rs = Execute(m_dialect.listTablesSql()); !rs.Eof(); rs.MoveNext())
        names.insert(rs.Fields(0).toLower());
    return names;
}

qint64 Database::maxStatementBytes()
{
    if (m_dialect.isSQLite())
        return std::numeric_limits<qint64>::max();
    if (m_statementBytes == 0) {
        Recordset rs = Execute(QStringLiteral("SELECT @@max_allowed_packet"));
        const qint64 packet = rs.Eof() ? 0 : rs.Fields(0).toLongLong();
        m_packetBytes = packet;
        m_statementBytes = std::max<qint64>(packet > 0 ? packet : 4 * 1024 * 1024, 1024 * 1024) / 4;
    }
    return m_statementBytes;
}
