#pragma once

#include "store/ModuleState.h"

#include <QHash>
#include <QList>
#include <QString>

class Database;

// Which of the two forms a client's report of a year is. The Form 3CD pages are the same
// for both; only the report page tells them apart, so a report without one (or no report
// at all) has no form yet and takes that of the first file imported into it.
namespace ReportForm
{

// Form 3CB when the report has Form 3CB's report page (page 101), Form 3CA when it has
// Form 3CA's (page 1), None otherwise.
FormKind stored(Database &db, const QString &client, const QString &yearKey);

// A client's report of a year.
struct Report {
    QString client;
    QString yearKey;
};

// While one lives, stored() answers for the reports it was given from what it read of them
// at its start, a few statements for all instead of one each: a bulk import asks for every
// file, and on a server each statement is a round trip. Each report is imported once in a
// bulk import, so its answer holds until then.
class KnownForms
{
public:
    KnownForms(Database &db, const QList<Report> &reports);
    ~KnownForms();
    KnownForms(const KnownForms &) = delete;
    KnownForms &operator=(const KnownForms &) = delete;

private:
    QHash<QString, FormKind> m_forms; // by client and year
    KnownForms *m_outer;
    friend FormKind stored(Database &, const QString &, const QString &);
};

// The refusal of a file of the other form: "Selected JSON File is not a Form 3CA-3CD JSON File".
QString notThisForm(FormKind report);

} // namespace ReportForm
