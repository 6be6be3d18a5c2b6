#include "GridText.h"

#include "MemberWriter.h"
#include "model/rules/SaveRules.h"
#include "store/ReportRowReading.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace
{
// A length under this takes one byte; a longer one the marker and four bytes.
constexpr uchar kLongLength = 0xFF;

void putLength(QByteArray &text, qsizetype length)
{
    if (length < kLongLength) {
        text.append(char(length));
        return;
    }
    const quint32 n = quint32(length);
    text.append(char(kLongLength));
    text.append(reinterpret_cast<const char *>(&n), sizeof n);
}

qsizetype takeLength(const char *&at)
{
    const uchar first = uchar(*at++);
    if (first < kLongLength)
        return first;
    quint32 n = 0;
    std::memcpy(&n, at, sizeof n);
    at += sizeof n;
    return qsizetype(n);
}
} // namespace

GridText::GridText(int page, const QString &point, const QString &pageFormName, int columns,
                   int sequenceColumn)
    : m_page(page), m_point(point), m_pageFormName(pageFormName), m_columns(columns),
      m_sequenceColumn(sequenceColumn)
{
}

void GridText::add(Row &&row)
{
    // The order is the stored text's, as the report model sorts the rows before the rules trim them.
    m_sequence.push_back(ClauseStore::sequenceNumber(row.col(m_sequenceColumn)));
    if (row.formName == m_pageFormName && row.mayBePadded)
        SaveRules::trimCells(row.cols);
    m_starts.push_back(m_text.size());
    m_markers.push_back(MemberWriter::isMarkerRow(row));
    qsizetype form = m_formNames.indexOf(row.formName);
    if (form < 0) {
        form = m_formNames.size();
        m_formNames << row.formName;
    }
    m_forms.push_back(int(form));
    putLength(m_text, form);
    for (int c = 0; c < m_columns; ++c) {
        const QStringView cell = c < row.cols.size() ? QStringView(row.cols.at(c)) : QStringView();
        // Encoded straight into the text behind room for its length, which takes one byte when
        // even three bytes a character stay under the long length, else its five.
        const bool shortCell = cell.size() * 3 < kLongLength;
        const qsizetype lengthAt = m_text.size();
        const qsizetype lengthBytes = shortCell ? 1 : 1 + qsizetype(sizeof(quint32));
        m_text.resize(lengthAt + lengthBytes + cell.size() * 3);
        char *start = m_text.data() + lengthAt + lengthBytes;
        char *end = m_encoder.appendToBuffer(start, cell);
        const qsizetype length = end - start;
        m_text.resize(lengthAt + lengthBytes + length);
        char *lengthField = m_text.data() + lengthAt;
        if (shortCell) {
            *lengthField = char(length);
        } else {
            const quint32 n = quint32(length);
            *lengthField = char(kLongLength);
            std::memcpy(lengthField + 1, &n, sizeof n);
        }
    }
}

const GridText::Row &GridText::row(qsizetype index, Row &into) const
{
    const char *at = m_text.constData() + m_starts[size_t(index)];
    into.page = m_page;
    into.point = m_point;
    into.formName = m_formNames.at(takeLength(at));
    into.mayBePadded = into.formName != m_pageFormName;
    if (into.cols.size() != m_columns) {
        into.cols.clear();
        into.cols.reserve(m_columns);
        into.cols.resize(m_columns);
    }
    for (QString &cell : into.cols) {
        const qsizetype length = takeLength(at);
        cell = length ? QString::fromUtf8(at, length) : QString();
        at += length;
    }
    return into;
}

QList<GridText::Row> GridText::rows() const
{
    QList<Row> all;
    all.reserve(size());
    for (qsizetype i = 0; i < size(); ++i) {
        Row row;
        all << this->row(i, row);
    }
    return all;
}

void GridText::sortAsReport()
{
    const std::vector<qint64> sequence = std::move(m_sequence);
    const std::vector<int> form = std::move(m_forms);
    m_sequence = {};
    m_forms = {};
    std::vector<qsizetype> order(m_starts.size());
    std::iota(order.begin(), order.end(), 0);
    const auto before = [&](qsizetype a, qsizetype b) {
        if (form[size_t(a)] != form[size_t(b)]) {
            if (int c = m_formNames.at(form[size_t(a)]).compare(m_formNames.at(form[size_t(b)])))
                return c < 0;
        }
        return sequence[size_t(a)] < sequence[size_t(b)];
    };
    if (std::is_sorted(order.begin(), order.end(), before))
        return;
    std::stable_sort(order.begin(), order.end(), before);
    // The text is written again in the new order: a grid saved out of order is rare.
    QByteArray text;
    text.reserve(m_text.size());
    std::vector<qsizetype> starts;
    std::vector<bool> markers;
    starts.reserve(m_starts.size());
    markers.reserve(m_starts.size());
    for (qsizetype at : order) {
        const size_t i = size_t(at);
        const qsizetype end = i + 1 < m_starts.size() ? m_starts[i + 1] : m_text.size();
        starts.push_back(text.size());
        markers.push_back(m_markers[i]);
        text.append(m_text.constData() + m_starts[i], end - m_starts[i]);
    }
    m_text = std::move(text);
    m_starts = std::move(starts);
    m_markers = std::move(markers);
}
