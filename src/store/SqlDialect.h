#pragma once

#include <QString>

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
    // that have no meaning here (such as "Flush Tables" on SQLite).
    QString translate(const QString &sql) const;

    // Column types for table definitions.
    QString keyType(int length) const;
    QString textType() const;
    QString intType() const;
    QString tableOptions() const;

    QString beginTransaction() const;
    // A statement that lists the names of the base tables (one column).
    QString listTablesSql() const;

private:
    Engine m_engine;
};
