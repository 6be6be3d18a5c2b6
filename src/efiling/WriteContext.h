#pragma once

#include "GridText.h"
#include "model/ReportModel.h"

#include <QHash>
#include <QString>
#include <optional>

class ClauseCatalogue;

// What the clause writers read: the report's rows, the catalogue that says how, and the
// open form ("3CA" or "3CB", which chooses the report page behind "@declaration"). Grids
// kept as text beside the model (`grids`) are read a row at a time by the table blocks.
class WriteContext
{
public:
    using Row = ClauseStore::ClauseRow;

    WriteContext(const ReportModel &rows, const ClauseCatalogue &catalogue, const QString &formCode,
                 const GridTexts *grids = nullptr)
        : m_rows(rows), m_catalogue(catalogue), m_formCode(formCode), m_grids(grids)
    {
    }

    const ReportModel &rows() const { return m_rows; }
    const ClauseCatalogue &catalogue() const { return m_catalogue; }
    const QString &formCode() const { return m_formCode; }

    // The rows of a point of a page; the point may be a catalogue alias ("@declaration").
    // A grid kept as text is made into rows here, once, for the writers that need it whole.
    const QList<Row> &rowsOf(int page, const QString &point) const;
    // The point's grid kept as text, or null when the model holds its rows.
    const GridText *gridOf(int page, const QString &point) const;
    // The first row of such a point, or an empty row.
    const Row &firstRowOf(int page, const QString &point) const;

    // A member of "OtherInformation1" taken from the signing auditor's record.
    QString auditorValue(const QString &member) const;

private:
    const ReportModel &m_rows;
    const ClauseCatalogue &m_catalogue;
    QString m_formCode;
    const GridTexts *m_grids;
    mutable std::map<std::pair<int, QString>, QList<Row>> m_gridRows;
    mutable std::optional<QHash<QString, QString>> m_auditor;
};
