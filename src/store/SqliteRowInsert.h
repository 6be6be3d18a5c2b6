#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// An INSERT of one row on an SQLite connection that Qt opened, prepared once and run for
// row after row through SQLite's own interface, its values bound by place. Qt's driver
// hands SQLite every "?" as a named placeholder and makes a variant of every value; for
// thousands of rows that costs more than SQLite's own work. The connection, and the
// transaction open on it, stay Qt's. Failures raise DbError.
class SqliteRowInsert
{
public:
    SqliteRowInsert(sqlite3 *connection, const QString &sql);
    ~SqliteRowInsert();
    SqliteRowInsert(const SqliteRowInsert &) = delete;
    SqliteRowInsert &operator=(const SqliteRowInsert &) = delete;

    void bindText(int place, const QString &value);
    void bindNull(int place);
    void bindInteger(int place, qint64 value);
    // Inserts the row bound; every place is bound again before the next run.
    void run();

private:
    [[noreturn]] void raise() const;

    sqlite3 *m_connection;
    sqlite3_stmt *m_statement = nullptr;
    QString m_sql;
    QStringEncoder m_encoder{QStringEncoder::Utf8};
    std::vector<QByteArray> m_text; // by place, the UTF-8 bytes bound there
};
