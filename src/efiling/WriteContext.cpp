#include "WriteContext.h"

#include "AuditorMembers.h"
#include "catalogue/ClauseCatalogue.h"

const QList<WriteContext::Row> &WriteContext::rowsOf(int page, const QString &point) const
{
    const Catalogue::PointRef ref = m_catalogue.resolve(point, page, m_formCode);
    return m_rows.rows(ref.page, ref.point);
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
