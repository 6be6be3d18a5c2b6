#include "ImportedRows.h"

int ImportedRows::add(int page, const QString &point, const QString &sequence)
{
    m_rows << Row{page, point, QStringList(), sequence};
    const int index = int(m_rows.size()) - 1;
    m_first.insert(keyOf(page, point), m_first.value(keyOf(page, point), index));
    return index;
}

int ImportedRows::append(int page, const QString &point)
{
    const int number = ++m_count[keyOf(page, point)];
    return add(page, point, QString::number(number));
}

int ImportedRows::single(int page, const QString &point)
{
    const auto found = m_first.constFind(keyOf(page, point));
    return found != m_first.cend() ? *found : add(page, point, QString());
}

void ImportedRows::set(int row, int col, const QString &value)
{
    if (row < 0 || row >= m_rows.size() || col < 1 || col > kValueColumns)
        return;
    QStringList &cols = m_rows[row].cols;
    if (cols.size() < col)
        cols.resize(col);
    cols[col - 1] = value;
}
