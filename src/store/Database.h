#pragma once

#include "DbUrl.h"
#include "Recordset.h"
#include "SqlDialect.h"
#include "TextRows.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>

// The host's database connection (DBObj). Statements are written in the MySQL dialect
// with '?' placeholders; every value is bound, never spliced into the text.
class Database
{
public:
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens the database; throws DbError with a readable message when it cannot.
    static std::unique_ptr<Database> open(const DbUrl &url);

    Recordset Execute(const QString &sql, const QVariantList &binds = {});
    Recordset Execute(const QString &sql, int &affected, const QVariantList &binds = {});

    // A query run and left open, forward only, for a caller that turns its rows into its own
    // form at once: a large read then holds its rows once rather than also as a Recordset.
    QSqlQuery select(const QString &sql, const QVariantList &binds = {});
    // The rows of a query read as text, for a read of many rows that become the caller's own
    // form at once: on SQLite stepped through SQLite itself, on a server through select().
    std::unique_ptr<TextRows> readText(const QString &sql, const QVariantList &binds = {});

    // A prepared statement for repeated use (translated for this engine).
    QSqlQuery prepare(const QString &sql);
    // Runs a prepared statement with its values already bound; throws on failure.
    void exec(QSqlQuery &query);

    // Transactions nest: only the outermost begins and commits; a rollback anywhere
    // makes the outermost roll back.
    // `forWriting`: the work reads and then writes, so on SQLite the write lock is taken at the
    // start; a transaction that read first would be refused at once, without waiting, when it
    // came to write after another process had written.
    void BeginTrans(bool forWriting = false);
    void CommitTrans();
    void RollbackTrans();
    int transactionDepth() const { return m_depth; }
    // Runs `work` in one transaction; when the server stops it to break a deadlock (nothing of
    // it stays), runs it again, a few times at most. Inside an outer transaction it runs once.
    void runInTransaction(const std::function<void()> &work);

    const SqlDialect &dialect() const { return m_dialect; }
    const DbUrl &url() const { return m_url; }
    QSqlDatabase &connection() { return m_db; }

    // The most bytes one statement may carry: a quarter of the server's max_allowed_packet
    // (read once a connection), unbounded on SQLite.
    qint64 maxStatementBytes();

    // Tables are listed once and again only after a statement that makes, drops or alters
    // one on this connection, or when a name asked for is not among them (another
    // workstation may have made it since): a bulk import asks for every file.
    bool tableExists(const QString &name);
    // Names of all tables, in lower case.
    QSet<QString> tableNames();

private:
    Database(const DbUrl &url, QSqlDatabase db, SqlDialect::Engine engine);
    void startSession();
    void runRaw(const QString &sql);
    // Before a statement that reads every column: another connection may have added one.
    void checkSchema();
    // Throws the error as the user should read it; a lost server connection is marked so
    // that the next statement outside a transaction reconnects.
    // `bytes`: what the failed statement carried, to tell one too large for the server.
    [[noreturn]] void fail(const QSqlError &error, const QString &sql, qint64 bytes = 0);
    void reconnectIfLost();
    void forgetTablesAfter(const QString &sql);
    QSet<QString> listTables();
    // The statement of Execute with values, prepared on this connection once and run again:
    // on a server a prepare is a round trip of its own. Throws when it cannot be prepared.
    QSqlQuery &reusable(const QString &translated);

    DbUrl m_url;
    QSqlDatabase m_db;
    SqlDialect m_dialect;
    QString m_connectionName;
    int m_depth = 0;
    bool m_rollbackOnly = false;
    bool m_lost = false;
    qint64 m_statementBytes = 0;
    qint64 m_packetBytes = 0; // the server's max_allowed_packet

    std::optional<QSet<QString>> m_tables;
    QHash<QString, QSqlQuery> m_reusable; // by translated text
};

// Runs a block in one transaction: commit() makes it stick, leaving the scope without
// commit() rolls it back.
class Transaction
{
public:
    explicit Transaction(Database &db, bool forWriting = false) : m_db(db) { m_db.BeginTrans(forWriting); }
    ~Transaction()
    {
        if (!m_done)
            m_db.RollbackTrans();
    }
    void commit()
    {
        m_done = true;
        m_db.CommitTrans();
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Database &m_db;
    bool m_done = false;
};
