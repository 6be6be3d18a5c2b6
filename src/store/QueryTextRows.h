#pragma once

#include "TextRows.h"

#include <QSqlQuery>

// The rows of a query run through Qt's driver (a database server), read forward only.
class QueryTextRows : public TextRows
{
public:
    explicit QueryTextRows(QSqlQuery query) : m_query(std::move(query)) {}

    bool next() override { return m_query.next(); }
    QString text(int column) const override;
    QString text(int column, const QString &same) const override;
    qint64 number(int column) const override { return m_query.value(column).toLongLong(); }

private:
    QSqlQuery m_query;
};
