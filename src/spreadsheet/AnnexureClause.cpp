#include "AnnexureClause.h"

std::optional<AnnexureClause> AnnexureClause::find(const QString &point)
{
    for (const Catalogue::Page &page : ClauseCatalogue::instance().pages())
        for (const Catalogue::Clause &clause : page.clauses)
            for (const Catalogue::Control &control : clause.controls)
                if (control.type == Catalogue::ControlType::Grid && control.point == point)
                    return AnnexureClause{page.number, point, control.columns};
    return std::nullopt;
}
