#include "WriteContext.h"

#include "AuditorMembers.h"
#include "catalogue/ClauseCatalogue.h"

const QList<WriteContext::Row> &WriteContext::rowsOf(int page, const QString &point) const
{
    if (const GridText *grid = gridOf(page, point)) {
        auto it = m_gridRows.find({grid->page(), grid->point()});
        if (it == m_gridRows.end())
            it = m_gridRows.emplace(std::make_pair(grid->page(), grid->point()), grid->rows()).first;
        return it->second;
    }
    const Catalogue::PointRef ref = m_catalogue.resolve(point, page, m_formCode);
    return m_rows.rows(ref.page, ref.point);
}

const GridText *WriteContext::gridOf(int page, const QString &point) const
{
    if (!m_grids || m_grids->empty())
        return nullptr;
    const Catalogue::PointRef ref = m_catalogue.resolve(point, page, m_formCode);
    const auto it = m_grids->find({ref.page, ref.point});
    return it == m_grids->end() ? nullptr : &it->second;
}

const WriteContext::Row &WriteContext::firstRowOf(int page, const QString &point) const
{
    static const Row none;
    const QList<Row> &list = rowsOf(page, point);
    return list.isEmpty() ? none : list.first();
}

QString WriteContext::auditorValue(const QString &member) const
{
    if (!m_auditor)
        m_auditor = AuditorMembers::load(m_rows.key());
    return m_auditor->value(member);
}
