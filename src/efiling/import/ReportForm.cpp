#include "ReportForm.h"

#include "store/ClauseTables.h"
#include "store/Database.h"
#include "store/InListChunks.h"

#include <functional>

namespace ReportForm
{

namespace
{

KnownForms *known = nullptr;

QString keyOf(const QString &client, const QString &yearKey)
{
    return client + u'|' + yearKey;
}

// The report pages that tell the forms apart, of the clients given: Form 3CB's page 101 and
// Form 3CA's page 1. The form switch deletes the other form's page, so both are never
// there; were they, Form 3CB wins as it does when the e-filing file is written.
void readForms(Database &db, const QString &yearKey, const QStringList &clients,
               const std::function<void(const QString &client, FormKind form)> &found)
{
    const QString table = ClauseTables::clauseTableName(yearKey);
    if (!db.tableExists(table))
        return;
    InListChunks::forEach(clients, [&](const QString &marks, const QVariantList &clientBinds) {
        Recordset rs = db.Execute(
            QStringLiteral("SELECT Code_No, FormName FROM %1 WHERE FYr=? AND ((PageNo=101 AND FormName=?) OR "
                           "(PageNo=1 AND FormName=?)) AND Code_No IN (%2) GROUP BY Code_No, FormName")
                .arg(table, marks),
            QVariantList{yearKey, QStringLiteral("3CB"), QStringLiteral("3CA")} + clientBinds);
        for (; !rs.Eof(); rs.MoveNext())
            found(rs.Fields(0), rs.Fields(1) == QLatin1String("3CB") ? FormKind::F3CB : FormKind::F3CA);
    });
}

} // namespace

FormKind stored(Database &db, const QString &client, const QString &yearKey)
{
    if (known) {
        const auto answer = known->m_forms.constFind(keyOf(client, yearKey));
        if (answer != known->m_forms.cend())
            return *answer;
    }
    FormKind form = FormKind::None;
    readForms(db, yearKey, {client}, [&](const QString &, FormKind f) {
        if (form != FormKind::F3CB)
            form = f;
    });
    return form;
}

KnownForms::KnownForms(Database &db, const QList<Report> &reports) : m_outer(known)
{
    QHash<QString, QStringList> clientsOfYear;
    for (const Report &r : reports) {
        if (ClauseTables::isValidYearKey(r.yearKey) && !m_forms.contains(keyOf(r.client, r.yearKey))) {
            m_forms.insert(keyOf(r.client, r.yearKey), FormKind::None);
            clientsOfYear[r.yearKey] << r.client;
        }
    }
    for (auto year = clientsOfYear.cbegin(); year != clientsOfYear.cend(); ++year) {
        readForms(db, year.key(), *year, [&](const QString &client, FormKind f) {
            FormKind &form = m_forms[keyOf(client, year.key())];
            if (form != FormKind::F3CB)
                form = f;
        });
    }
    known = this;
}

KnownForms::~KnownForms()
{
    known = m_outer;
}

QString notThisForm(FormKind report)
{
    return report == FormKind::F3CB ? QStringLiteral("Selected JSON File is not a Form 3CB-3CD JSON File")
                                    : QStringLiteral("Selected JSON File is not a Form 3CA-3CD JSON File");
}

} // namespace ReportForm
