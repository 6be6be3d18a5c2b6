#include "ReadContext.h"

#include "OptionAnswers.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/FiledRows.h"
#include "efiling/FiledMembers.h"
#include "efiling/json/Json.h"

Catalogue::PointRef ReadContext::resolve(int page, const QString &point) const
{
    return m_catalogue.resolve(point, page, m_formCode);
}

const Catalogue::Column *ReadContext::column(int page, const QString &point, int col) const
{
    const Catalogue::Control *control = m_catalogue.controlOf(page, point);
    if (!control || col < 1 || col > control->columns.size())
        return nullptr;
    return &control->columns.at(col - 1);
}

void ReadContext::answeredYesBy(int page, const QString &option)
{
    // Each element of a table under the question says so: the question is kept once.
    for (const Option &o : std::as_const(m_implied)) {
        if (o.page == page && o.point == option)
            return;
    }
    m_implied << Option{page, option};
}

void ReadContext::storeImpliedAnswers()
{
    for (const Option &o : std::as_const(m_implied)) {
        if (!m_rows.has(o.page, o.point))
            OptionAnswers::store(m_rows, o.page, o.point, QStringLiteral("Y"));
    }
}

void ReadContext::noteUnknown(const QString &path)
{
    if (!m_unknown.contains(path))
        m_unknown << path;
}

namespace
{
// A kept member stands in one cell; a block of thousands of rows is not kept whole.
constexpr qsizetype kMaxKeptText = 256 * 1024;
// An attachment block without rows, or the few rows of a clause answered No.
constexpr qsizetype kHeldItems = 20;
} // namespace

bool ReadContext::keep(const QString &place, const JsonValue &value)
{
    const QString text = JSON::JsonToText(value);
    if (text.size() > kMaxKeptText)
        return false;
    const int row = m_rows.append(FiledRows::kPage, FiledRows::point());
    m_rows.set(row, 1, place);
    m_rows.set(row, 2, text);
    return true;
}

void ReadContext::holdItem(const Catalogue::JsonBlock *block, const JsonValue &item)
{
    if (m_tooManyHeld.contains(block))
        return;
    QList<JsonValue> &held = m_held[block];
    if (held.size() < kHeldItems) {
        held << item;
        return;
    }
    m_held.remove(block);
    m_tooManyHeld.insert(block);
}

const QList<JsonValue> *ReadContext::heldItems(const Catalogue::JsonBlock *block) const
{
    static const QList<JsonValue> none;
    if (m_tooManyHeld.contains(block))
        return nullptr;
    const auto found = m_held.constFind(block);
    return found != m_held.cend() ? &*found : &none;
}
