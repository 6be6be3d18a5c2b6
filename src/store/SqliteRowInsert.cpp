#include "SqliteRowInsert.h"

#include "SqlErrorText.h"

#include <QSqlError>
#include <sqlite3.h>

SqliteRowInsert::SqliteRowInsert(sqlite3 *connection, const QString &sql)
    : m_connection(connection), m_sql(sql)
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_connection, text.constData(), int(text.size()), &m_statement, nullptr) !=
        SQLITE_OK)
        raise();
}

SqliteRowInsert::~SqliteRowInsert()
{
    sqlite3_finalize(m_statement);
}

void SqliteRowInsert::raise() const
{
    throw SqlErrorText::errorOf(
        QSqlError(QStringLiteral("Unable to write rows"), QString::fromUtf8(sqlite3_errmsg(m_connection)),
                  QSqlError::StatementError, QString::number(sqlite3_extended_errcode(m_connection))),
        m_sql);
}

void SqliteRowInsert::bindText(int place, const QString &value)
{
    // As UTF-8, the database's own form, written into the place's buffer, which grows but is
    // never given back: SQLite's own turning of UTF-16 into UTF-8 allocates for every value.
    if (size_t(place) >= m_text.size())
        m_text.resize(size_t(place) + 1);
    QByteArray &buffer = m_text[size_t(place)];
    const qsizetype space = m_encoder.requiredSpace(value.size());
    if (buffer.size() < space)
        buffer.resize(space);
    const char *end = m_encoder.appendToBuffer(buffer.data(), value);
    if (sqlite3_bind_text64(m_statement, place, buffer.constData(), sqlite3_uint64(end - buffer.constData()),
                            SQLITE_STATIC, SQLITE_UTF8) != SQLITE_OK)
        raise();
}

void SqliteRowInsert::bindNull(int place)
{
    if (sqlite3_bind_null(m_statement, place) != SQLITE_OK)
        raise();
}

void SqliteRowInsert::bindInteger(int place, qint64 value)
{
    if (sqlite3_bind_int64(m_statement, place, value) != SQLITE_OK)
        raise();
}

void SqliteRowInsert::run()
{
    const int result = sqlite3_step(m_statement);
    sqlite3_reset(m_statement);
    if (result != SQLITE_DONE)
        raise();
}
