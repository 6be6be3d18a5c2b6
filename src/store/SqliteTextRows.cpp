#include "SqliteTextRows.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QVariant>
#include <sqlite3.h>

SqliteTextRows::SqliteTextRows(sqlite3 *connection, const QString &sql, const QVariantList &binds, Fail fail)
    : m_connection(connection), m_fail(std::move(fail))
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_connection, text.constData(), int(text.size()), &m_statement, nullptr) !=
        SQLITE_OK)
        raise();
    for (int i = 0; i < binds.size(); ++i)
        bind(i + 1, binds.at(i));
}

SqliteTextRows::~SqliteTextRows()
{
    sqlite3_finalize(m_statement);
}

void SqliteTextRows::raise() const
{
    m_fail(QSqlError(failure(), QString::fromUtf8(sqlite3_errmsg(m_connection)), QSqlError::StatementError,
                     QString::number(sqlite3_extended_errcode(m_connection))));
    // m_fail throws; a caller that forgot to would otherwise read a broken statement.
    std::terminate();
}

void SqliteTextRows::bind(int place, const QVariant &value)
{
    int result = SQLITE_OK;
    switch (boundKindOf(value)) {
    case BoundKind::Null:
        result = sqlite3_bind_null(m_statement, place);
        break;
    case BoundKind::Integer:
        result = sqlite3_bind_int64(m_statement, place, value.toLongLong());
        break;
    case BoundKind::Real:
        result = sqlite3_bind_double(m_statement, place, value.toDouble());
        break;
    case BoundKind::Bytes: {
        const QByteArray bytes = value.toByteArray();
        result = sqlite3_bind_blob64(m_statement, place, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_TRANSIENT);
        break;
    }
    case BoundKind::Text: {
        const QByteArray utf8 = value.toString().toUtf8();
        result = sqlite3_bind_text64(m_statement, place, utf8.constData(), sqlite3_uint64(utf8.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
    }
    }
    if (result != SQLITE_OK)
        raise();
}

bool SqliteTextRows::next()
{
    switch (sqlite3_step(m_statement)) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default:
        raise();
    }
}

QString SqliteTextRows::text(int column) const
{
    // A text value is kept as UTF-8 in a UTF-8 database: SQLite hands its bytes over as they
    // are, and a null has none.
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return bytes ? QString::fromUtf8(bytes, sqlite3_column_bytes(m_statement, column)) : QString();
}

QString SqliteTextRows::text(int column, const QString &same) const
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    if (!bytes)
        return QString();
    const QUtf8StringView value(bytes, sqlite3_column_bytes(m_statement, column));
    return QAnyStringView::equal(value, same) ? same : value.toString();
}

qint64 SqliteTextRows::number(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

sqlite3 *SqliteTextRows::connectionOf(const QVariant &driverHandle)
{
    if (!driverHandle.isValid() || qstrcmp(driverHandle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(driverHandle.constData());
}
