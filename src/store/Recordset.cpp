#include "Recordset.h"

Recordset::Recordset(QSqlQuery query) : m_query(std::make_shared<QSqlQuery>(std::move(query)))
{
    m_record = m_query->record();
    m_eof = !m_query->isSelect() || !m_query->next();
}

void Recordset::MoveNext()
{
    if (!m_eof)
        m_eof = !m_query->next();
}

QVariant Recordset::value(int index) const
{
    if (m_eof || !m_query)
        return {};
    return m_query->value(index);
}

bool Recordset::isNull(int index) const
{
    return m_eof || !m_query || m_query->isNull(index);
}

QString Recordset::Fields(int index) const
{
    const QVariant v = value(index);
    return v.isNull() ? QString() : v.toString();
}

QString Recordset::Fields(const QString &name) const
{
    // Column names are matched in any letter case, as MySQL does.
    for (int i = 0; i < m_record.count(); ++i) {
        if (m_record.fieldName(i).compare(name, Qt::CaseInsensitive) == 0)
            return Fields(i);
    }
    return {};
}

int Recordset::fieldCount() const
{
    return m_record.count();
}

QString Recordset::fieldName(int index) const
{
    return m_record.fieldName(index);
}
