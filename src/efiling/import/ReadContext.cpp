#include "ReadContext.h"

#include "OptionAnswers.h"
#include "catalogue/ClauseCatalogue.h"

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
