#include "MariadbTextRows.h"

#include "MariadbClient.h"

#include <QAnyStringView>
#include <QVariant>
#include <cstring>

namespace
{
// Enough for nearly every value of a clause row; a longer one is fetched again in full.
constexpr qsizetype kFirstBufferSize = 256;

// A bound parameter's value, kept alive until the statement has run.
struct Parameter {
    QByteArray bytes;
    long long number = 0;
    double real = 0;
};
} // namespace

MariadbTextRows::MariadbTextRows(st_mysql *connection, const QString &sql, const QVariantList &binds,
                                 Fail fail)
    : m_client(MariadbClient::instance()), m_connection(connection), m_fail(std::move(fail))
{
    if (!m_client.failure.isEmpty()) {
        m_fail(QSqlError(failure(), m_client.failure, QSqlError::ConnectionError));
        std::terminate();
    }
    m_statement = m_client.stmtInit(m_connection);
    if (!m_statement)
        raise();
    const QByteArray text = sql.toUtf8();
    if (m_client.stmtPrepare(m_statement, text.constData(), static_cast<unsigned long>(text.size())) != 0)
        raise();
    bindParameters(binds);
    bindColumns();
}

MariadbTextRows::~MariadbTextRows()
{
    // Closing drops the rows the server still sends, so the connection is free again.
    if (m_statement)
        m_client.stmtClose(m_statement);
}

void MariadbTextRows::raise() const
{
    const bool onStatement = m_statement && m_client.stmtErrorNumber(m_statement) != 0;
    const unsigned int code =
        onStatement ? m_client.stmtErrorNumber(m_statement) : m_client.errorNumber(m_connection);
    const char *message = onStatement ? m_client.stmtError(m_statement) : m_client.error(m_connection);
    m_fail(
        QSqlError(failure(), QString::fromUtf8(message), QSqlError::StatementError, QString::number(code)));
    // m_fail throws; a caller that forgot to would otherwise read a broken statement.
    std::terminate();
}

void MariadbTextRows::bindParameters(const QVariantList &binds)
{
    if (binds.size() != qsizetype(m_client.stmtParamCount(m_statement))) {
        m_fail(QSqlError(failure(),
                         QStringLiteral("The statement takes %1 values, %2 were given")
                             .arg(m_client.stmtParamCount(m_statement))
                             .arg(binds.size()),
                         QSqlError::StatementError));
        std::terminate();
    }
    std::vector<Parameter> values(size_t(binds.size()));
    std::vector<MYSQL_BIND> places(size_t(binds.size()));
    for (qsizetype i = 0; i < binds.size(); ++i) {
        const QVariant &value = binds.at(i);
        Parameter &p = values[size_t(i)];
        MYSQL_BIND &place = places[size_t(i)];
        std::memset(&place, 0, sizeof place);
        switch (boundKindOf(value)) {
        case BoundKind::Null:
            place.buffer_type = MYSQL_TYPE_NULL;
            break;
        case BoundKind::Integer:
            p.number = value.toLongLong();
            place.buffer_type = MYSQL_TYPE_LONGLONG;
            place.buffer = &p.number;
            break;
        case BoundKind::Real:
            p.real = value.toDouble();
            place.buffer_type = MYSQL_TYPE_DOUBLE;
            place.buffer = &p.real;
            break;
        case BoundKind::Bytes:
            p.bytes = value.toByteArray();
            place.buffer_type = MYSQL_TYPE_BLOB;
            break;
        case BoundKind::Text:
            p.bytes = value.toString().toUtf8();
            place.buffer_type = MYSQL_TYPE_STRING;
            break;
        }
        if (place.buffer_type == MYSQL_TYPE_STRING || place.buffer_type == MYSQL_TYPE_BLOB) {
            place.buffer = p.bytes.data();
            place.buffer_length = static_cast<unsigned long>(p.bytes.size());
        }
    }
    if (!places.empty() && m_client.stmtBindParam(m_statement, places.data()) != 0)
        raise();
    if (m_client.stmtExecute(m_statement) != 0)
        raise();
}

void MariadbTextRows::bindColumns()
{
    const unsigned int count = m_client.stmtFieldCount(m_statement);
    m_columns.resize(count);
    m_binds.resize(count);
    for (unsigned int i = 0; i < count; ++i) {
        Column &c = m_columns[i];
        c.buffer.resize(kFirstBufferSize);
        MYSQL_BIND &b = m_binds[i];
        std::memset(&b, 0, sizeof b);
        // Every value as text: the library writes numbers and dates out as the text protocol would.
        b.buffer_type = MYSQL_TYPE_STRING;
        b.buffer = c.buffer.data();
        b.buffer_length = static_cast<unsigned long>(c.buffer.size());
        b.length = &c.length;
        b.is_null = reinterpret_cast<my_bool *>(&c.isNull);
        b.error = reinterpret_cast<my_bool *>(&c.truncated);
    }
    if (count && m_client.stmtBindResult(m_statement, m_binds.data()) != 0)
        raise();
}

bool MariadbTextRows::next()
{
    switch (m_client.stmtFetch(m_statement)) {
    case 0:
        return true;
    case MYSQL_NO_DATA:
        return false;
    case MYSQL_DATA_TRUNCATED:
        fetchTruncated();
        return true;
    default:
        raise();
    }
}

void MariadbTextRows::fetchTruncated()
{
    bool grown = false;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        Column &c = m_columns[i];
        if (!c.truncated)
            continue;
        // The buffer grows to the value's length and keeps that size for the rows that follow.
        c.buffer.resize(qsizetype(c.length));
        MYSQL_BIND &b = m_binds[i];
        b.buffer = c.buffer.data();
        b.buffer_length = c.length;
        if (m_client.stmtFetchColumn(m_statement, &b, static_cast<unsigned int>(i), 0) != 0)
            raise();
        grown = true;
    }
    if (grown && m_client.stmtBindResult(m_statement, m_binds.data()) != 0)
        raise();
}

QByteArrayView MariadbTextRows::bytes(int column) const
{
    const Column &c = m_columns[size_t(column)];
    return {c.buffer.constData(), qsizetype(std::min<unsigned long>(c.length, c.buffer.size()))};
}

QString MariadbTextRows::text(int column) const
{
    if (m_columns[size_t(column)].isNull)
        return QString();
    const QByteArrayView value = bytes(column);
    return QString::fromUtf8(value.data(), value.size());
}

QString MariadbTextRows::text(int column, const QString &same) const
{
    if (m_columns[size_t(column)].isNull)
        return QString();
    const QByteArrayView bytesRead = bytes(column);
    const QUtf8StringView value(bytesRead.data(), bytesRead.size());
    return QAnyStringView::equal(value, same) ? same : value.toString();
}

qint64 MariadbTextRows::number(int column) const
{
    if (m_columns[size_t(column)].isNull)
        return 0;
    return bytes(column).toLongLong();
}

st_mysql *MariadbTextRows::connectionOf(const QVariant &driverHandle)
{
    // Qt names the type by its typedef or by its struct, as its version registered it.
    if (!driverHandle.isValid() || (qstrcmp(driverHandle.typeName(), "MYSQL*") != 0 &&
                                    qstrcmp(driverHandle.typeName(), "st_mysql*") != 0))
        return nullptr;
    return *static_cast<st_mysql *const *>(driverHandle.constData());
}
