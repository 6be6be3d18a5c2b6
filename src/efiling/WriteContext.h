#pragma once

#include "model/ReportModel.h"

#include <QHash>
#include <QString>
#include <optional>

class ClauseCatalogue;

// What the clause writers read: the report's rows, the catalogue that says how, and the
// open form ("3CA" or "3CB", which chooses the report page behind "@declaration").
class WriteContext
{
public:
    using Row = ClauseStore::ClauseRow;

    WriteContext(const ReportModel &rows, const ClauseCatalogue &catalogue, const QString &formCode)
        : m_rows(rows), m_catalogue(catalogue), m_formCode(formCode)
    {
    }

    const ReportModel &rows() const { return m_rows; }
    const ClauseCatalogue &catalogue() const { return m_catalogue; }
    const QString &formCode() const { return m_formCode; }

    // The rows of a point of a page; the point may be a catalogue alias ("@declaration").
    const QList<Row> &rowsOf(int page, const QString &point) const;
    // The first row of such a point, or an empty row.
    const Row &firstRowOf(int page, const QString &point) const;

    // A member of "OtherInformation1" taken from the signing auditor's record.
    QString auditorValue(const QString &member) const;

private:
    const ReportModel &m_rows;
    const ClauseCatalogue &m_catalogue;
    QString m_formCode;
    mutable std::optional<QHash<QString, QString>> m_auditor;
};
