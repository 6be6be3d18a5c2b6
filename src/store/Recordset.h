#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

// A forward-only view of a result: the current record's Fields, Eof() once past the last
// record, MoveNext() to advance. Null values read as "". The rows are fetched at once and
// the statement is finished, so a table read by a recordset can still be dropped or
// altered while the recordset lives (SQLite refuses that while a statement is open).
class Recordset
{
public:
    Recordset() = default;
    explicit Recordset(QSqlQuery &query);

    bool Eof() const { return !m_data || m_position >= m_data->rows.size(); }
    void MoveNext()
    {
        if (!Eof())
            ++m_position;
    }

    QString Fields(int index) const;
    QString Fields(const QString &name) const;
    QVariant value(int index) const;
    bool isNull(int index) const { return value(index).isNull(); }

    int fieldCount() const { return m_data ? int(m_data->names.size()) : 0; }
    QString fieldName(int index) const { return m_data ? m_data->names.value(index) : QString(); }
    int recordCount() const { return m_data ? int(m_data->rows.size()) : 0; }

private:
    struct Data {
        QStringList names;
        std::vector<QVariantList> rows;
    };
    std::shared_ptr<const Data> m_data;
    size_t m_position = 0;
};
