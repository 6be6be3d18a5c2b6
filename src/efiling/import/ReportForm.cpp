#include "ReportForm.h"

#include "host/HostSchema.h"
#include "store/Database.h"

namespace ReportForm
{

FormKind stored(Database &db, const QString &client, const QString &yearKey)
{
    const QString table = HostSchema::clauseTableName(yearKey);
    if (!db.tableExists(table))
        return FormKind::None;
    Recordset rs = db.Execute(
        QStringLiteral("SELECT FormName, count(*) FROM %1 WHERE Code_No=? AND FYr=? AND "
                       "((PageNo=101 AND FormName=?) OR (PageNo=1 AND FormName=?)) GROUP BY FormName")
            .arg(table),
        {client, yearKey, QStringLiteral("3CB"), QStringLiteral("3CA")});
    FormKind form = FormKind::None;
    for (; !rs.Eof(); rs.MoveNext()) {
        // The form switch deletes the other form's page, so both are never there; were they, Form
        // 3CB wins as it does when the e-filing file is written.
        if (rs.Fields(0) == QLatin1String("3CB"))
            return FormKind::F3CB;
        form = FormKind::F3CA;
    }
    return form;
}

QString notThisForm(FormKind report)
{
    return report == FormKind::F3CB ? QStringLiteral("Selected JSON File is not a Form 3CB-3CD JSON File")
                                    : QStringLiteral("Selected JSON File is not a Form 3CA-3CD JSON File");
}

} // namespace ReportForm
