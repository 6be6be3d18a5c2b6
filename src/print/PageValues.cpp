#include "PageValues.h"

#include "PrintedValues.h"
#include "PrintedWords.h"

QString PageValues::value(const QString &point, int col) const
{
    return m_blank ? PrintedValues::BlankValue : m_model.value(m_page, point, col).trimmed();
}

QString PageValues::word(const QString &point, int col, bool lower) const
{
    if (m_blank)
        return PrintedValues::BlankWord;
    const QString v = m_model.value(m_page, point, col).trimmed();
    return lower ? v.toLower() : v;
}

QString PageValues::balanceSheetDate(const QString &value)
{
    return value.size() == 4 && value.toInt() > 0 ? PrintedWords::yearEnd(value) : value;
}
