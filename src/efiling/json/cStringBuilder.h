#pragma once

#include <QString>
#include <QStringView>

// A growable text buffer whose capacity grows in whole chunks (at least doubling), so that
// building a long text by many small appends reallocates rarely. Positions given to Insert and Remove
// count from 0; Find answers a position counting from 1, or 0 when the text is absent.
class cStringBuilder
{
public:
    // 8,192 characters: 16,384 bytes of UTF-16.
    static constexpr qsizetype DefaultChunkSize = 8192;

    qsizetype Length() const { return m_text.size(); }
    qsizetype Capacity() const { return m_capacity; }
    qsizetype ChunkSize() const { return m_chunkSize; }
    void ChunkSize(qsizetype characters);

    QString toString() const;
    void TheString(QStringView text);
    void Clear();

    void Append(QStringView text);
    void Append(QChar character);
    void AppendNL(QStringView text);
    // The by-value forms exist for callers written against the original interface; in
    // C++ a view is already cheap to pass, so they do the same as Append and Insert.
    void AppendByVal(QStringView text) { Append(text); }
    bool Insert(qsizetype index, QStringView text);
    bool InsertByVal(qsizetype index, QStringView text) { return Insert(index, text); }
    bool Remove(qsizetype index, qsizetype length);
    qsizetype Find(QStringView text, qsizetype startPosition = 1,
                   Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive) const;

    void HeapMinimize();

private:
    void reserveFor(qsizetype length);

    QString m_text;
    qsizetype m_capacity = 0;
    qsizetype m_chunkSize = DefaultChunkSize;
};
