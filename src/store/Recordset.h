#pragma once

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <memory>

// A forward-only view of a result: the current record's Fields, Eof() once past the last
// record, MoveNext() to advance. Null values read as "".
class Recordset
{
public:
    Recordset() = default;
    explicit Recordset(QSqlQuery query);

    bool Eof() const { return m_eof; }
    void MoveNext();

    QString Fields(int index) const;
    QString Fields(const QString &name) const;
    QVariant value(int index) const;
    bool isNull(int index) const;

    int fieldCount() const;
    QString fieldName(int index) const;

private:
    std::shared_ptr<QSqlQuery> m_query;
    QSqlRecord m_record;
    bool m_eof = true;
};
