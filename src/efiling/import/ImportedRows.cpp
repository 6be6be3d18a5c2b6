#include "ImportedRows.h"

namespace
{

// A block holds the packed rows of many rows; a row larger than that gets a block of its own.
constexpr size_t kBlockBytes = size_t(1) << 20;

void appendLength(std::string &out, size_t length)
{
    while (length >= 0x80) {
        out.push_back(char(0x80 | (length & 0x7F)));
        length >>= 7;
    }
    out.push_back(char(length));
}

size_t readLength(const char *&in)
{
    size_t length = 0;
    int shift = 0;
    unsigned char byte = 0;
    do {
        byte = static_cast<unsigned char>(*in++);
        length |= size_t(byte & 0x7F) << shift;
        shift += 7;
    } while (byte & 0x80);
    return length;
}

} // namespace

int ImportedRows::add(int page, const QString &point, int sequence)
{
    auto found = m_pointIndex.constFind(point);
    if (found == m_pointIndex.cend()) {
        m_points << point;
        found = m_pointIndex.insert(point, int(m_points.size()) - 1);
    }
    m_rows.push_back(Packed{page, *found, sequence});
    const int index = int(m_rows.size()) - 1;
    m_first.insert(keyOf(page, point), m_first.value(keyOf(page, point), index));
    return index;
}

int ImportedRows::append(int page, const QString &point)
{
    return add(page, point, ++m_count[keyOf(page, point)]);
}

int ImportedRows::single(int page, const QString &point)
{
    const auto found = m_first.constFind(keyOf(page, point));
    return found != m_first.cend() ? *found : add(page, point, 0);
}

QString ImportedRows::value(int page, const QString &point, int col) const
{
    const auto found = m_first.constFind(keyOf(page, point));
    return found != m_first.cend() ? row(*found).col(col) : QString();
}

void ImportedRows::set(int row, int col, const QString &value)
{
    if (row < 0 || row >= count() || col < 1 || col > kValueColumns)
        return;
    open(row);
    if (m_openCols.size() < col)
        m_openCols.resize(col);
    m_openCols[col - 1] = value;
}

void ImportedRows::open(int row)
{
    if (row == m_open)
        return;
    close();
    m_open = row;
    m_openCols = unpack(m_rows[size_t(row)]);
}

// Packs the open row at the end of the last block; a row packed before is packed anew
// (only single-valued rows are set again after another row, and they are few).
void ImportedRows::close()
{
    if (m_open < 0)
        return;
    std::string packed;
    appendLength(packed, size_t(m_openCols.size()));
    for (const QString &value : std::as_const(m_openCols)) {
        const QByteArray utf8 = value.toUtf8();
        appendLength(packed, size_t(utf8.size()));
        packed.append(utf8.constData(), size_t(utf8.size()));
    }
    if (m_blocks.empty() || m_blocks.back().size() + packed.size() > m_blocks.back().capacity()) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(std::max(kBlockBytes, packed.size()));
    }
    Packed &row = m_rows[size_t(m_open)];
    row.block = int(m_blocks.size()) - 1;
    row.offset = int(m_blocks.back().size());
    m_blocks.back().append(packed);
    m_open = -1;
    m_openCols.clear();
}

QStringList ImportedRows::unpack(const Packed &packed) const
{
    QStringList cols;
    if (packed.block < 0)
        return cols;
    const char *in = m_blocks[size_t(packed.block)].data() + packed.offset;
    const size_t columns = readLength(in);
    cols.reserve(qsizetype(columns));
    for (size_t c = 0; c < columns; ++c) {
        const size_t length = readLength(in);
        cols << QString::fromUtf8(in, qsizetype(length));
        in += length;
    }
    return cols;
}

ImportedRows::Row ImportedRows::row(int index) const
{
    const Packed &packed = m_rows[size_t(index)];
    return Row{packed.page, m_points.at(packed.point), index == m_open ? m_openCols : unpack(packed),
               packed.sequence > 0 ? QString::number(packed.sequence) : QString()};
}
