#pragma once

#include "catalogue/ClauseCatalogue.h"

#include <optional>

// The clause grid a point names ("18", "34a"): its page and catalogue columns.
struct AnnexureClause {
    int page = 0;
    QString point;
    QList<Catalogue::Column> columns;

    // Nothing when no page of the catalogue has a grid of that point.
    static std::optional<AnnexureClause> find(const QString &point);
};
