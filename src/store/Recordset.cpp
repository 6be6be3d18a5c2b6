#include "Recordset.h"

#include <QSqlRecord>

Recordset::Recordset(QSqlQuery &query)
{
    auto data = std::make_shared<Data>();
    const QSqlRecord record = query.record();
    const int columns = record.count();
    for (int i = 0; i < columns; ++i)
        data->names << record.fieldName(i);
    if (query.isSelect()) {
        while (query.next()) {
            QVariantList row;
            row.reserve(columns);
            for (int i = 0; i < columns; ++i)
                row << query.value(i);
            data->rows.push_back(std::move(row));
        }
    }
    query.finish();
    m_data = std::move(data);
}

QVariant Recordset::value(int index) const
{
    if (Eof() || index < 0 || index >= fieldCount())
        return {};
    return m_data->rows[m_position].at(index);
}

QString Recordset::Fields(int index) const
{
    const QVariant v = value(index);
    return v.isNull() ? QString() : v.toString();
}

QString Recordset::Fields(const QString &name) const
{
    // Column names are matched in any letter case, as MySQL does.
    for (int i = 0; i < fieldCount(); ++i) {
        if (m_data->names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return Fields(i);
    }
    return {};
}
