#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Everything that differs between the embedded SQLite file and a shared MariaDB/MySQL
// server lives here. The module writes its statements in the MySQL dialect; on SQLite
// they pass through translate() first.
class SqlDialect
{
public:
    enum class Engine { SQLite, MySQL };

    explicit SqlDialect(Engine engine) : m_engine(engine) {}

    Engine engine() const { return m_engine; }
    bool isSQLite() const { return m_engine == Engine::SQLite; }

    // Rewrites a MySQL statement for this engine; returns an empty string for statements
    // that have no meaning here (such as "Flush Tables" on SQLite). A statement is rewritten
    // once and then found again: the same few statements run for every row and every page.
    QString translate(const QString &sql) const;

    // Column types for table definitions.
    QString keyType(int length) const;
    QString textType() const;
    QString intType() const;
    // Exact decimals: sums of rupees and paise must not drift.
    QString amountType() const;
    // A key column whose number the database gives each new row.
    QString serialKeyType() const;
    QString tableOptions() const;

    // The statements that create a table and its one lookup index (inline on MySQL,
    // where each separate DDL statement costs a disk sync).
    QStringList createTable(const QString &name, const QStringList &columnDefinitions,
                            const QStringList &indexColumns) const;

    // How many rows one INSERT statement carries when each binds `valuesARow` values. On a
    // server every statement is a round trip; SQLite runs in the process, where a statement
    // of many rows still saves the work of running one statement a row.
    int rowsAnInsert(int valuesARow) const;

    QString beginTransaction() const;
    // A statement that makes this connection read the tables' definitions again when another
    // connection changed them; empty where the server does that itself. SQLite otherwise
    // prepares with the columns it knew and finds the new ones only when the statement runs.
    QString schemaCheck() const;
    // A statement that lists the names of the base tables (one column).
    QString listTablesSql() const;

private:
    QString rewrite(const QString &sql) const;

    Engine m_engine;
    mutable QHash<QString, QString> m_translated;
};
