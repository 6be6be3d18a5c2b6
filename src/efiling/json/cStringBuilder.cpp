#include "cStringBuilder.h"

void cStringBuilder::ChunkSize(qsizetype characters)
{
    // A chunk of nothing would never make room for anything.
    m_chunkSize = characters > 0 ? characters : 1;
}

QString cStringBuilder::toString() const
{
    // A plain copy would share the chunked buffer; callers keep many small results (one per
    // string literal), so each gets storage of its own size.
    return QString(m_text.constData(), m_text.size());
}

void cStringBuilder::TheString(QStringView text)
{
    if (text.isEmpty()) {
        Clear();
        return;
    }
    m_text.clear();
    Append(text);
}

void cStringBuilder::Clear()
{
    m_text = QString();
    m_capacity = 0;
}

void cStringBuilder::Append(QStringView text)
{
    reserveFor(m_text.size() + text.size());
    m_text.append(text);
}

void cStringBuilder::Append(QChar character)
{
    reserveFor(m_text.size() + 1);
    m_text.append(character);
}

void cStringBuilder::AppendNL(QStringView text)
{
    Append(text);
    Append(u"\r\n");
}

bool cStringBuilder::Insert(qsizetype index, QStringView text)
{
    if (index < 0 || index > m_text.size())
        return false;
    reserveFor(m_text.size() + text.size());
    m_text.insert(index, text);
    return true;
}

bool cStringBuilder::Remove(qsizetype index, qsizetype length)
{
    if (index < 0 || index >= m_text.size() || length < 0)
        return false;
    m_text.remove(index, qMin(length, m_text.size() - index));
    return true;
}

qsizetype cStringBuilder::Find(QStringView text, qsizetype startPosition,
                               Qt::CaseSensitivity sensitivity) const
{
    const qsizetype from = qMax<qsizetype>(startPosition, 1) - 1;
    if (from > m_text.size())
        return 0;
    return QStringView(m_text).indexOf(text, from, sensitivity) + 1;
}

void cStringBuilder::HeapMinimize()
{
    const qsizetype chunks = (m_text.size() + m_chunkSize - 1) / m_chunkSize;
    m_capacity = chunks * m_chunkSize;
    m_text.squeeze();
    m_text.reserve(m_capacity);
}

void cStringBuilder::reserveFor(qsizetype length)
{
    if (length <= m_capacity)
        return;
    // At least double, still in whole chunks: growing by one chunk at a time would copy a
    // long text once per chunk, which is quadratic in its length.
    const qsizetype wanted = qMax(length, 2 * m_capacity);
    const qsizetype chunks = (wanted + m_chunkSize - 1) / m_chunkSize;
    m_capacity = chunks * m_chunkSize;
    m_text.reserve(m_capacity);
}
