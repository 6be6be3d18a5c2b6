#include "ReportCheck.h"

#include "EditorPlace.h"
#include "EfilingExport.h"
#include "KestrovaJVUtil.h"
#include "model/ReportModel.h"
#include "model/form3ceb/Form3cebChecks.h"

#include <QSet>

namespace ReportCheck
{

QList<ReportFinding> findings(const ReportModel &model, const QDate &today)
{
    // Form 3CEB's XML is checked when it is written; its findings here are those of its pages.
    if (model.key().form.formKind == FormKind::F3CEB)
        return Form3cebChecks::findings(model);
    QList<ReportFinding> found = ReportFindings::collect(model);
    // A clause already named (blank, unanswered, a value refused) is not named again by what
    // its gap does to the file.
    QSet<QString> named;
    for (const ReportFinding &f : std::as_const(found))
        named << QString::number(f.page) + u'|' + (f.clause.isEmpty() ? f.item : f.clause);

    const FormKind kind = model.key().form.formKind;
    const QByteArray document = EfilingExport::compose(model, today);
    const SchemaCheckResult checked = KestrovaJVUtil().ValidateText(
        std::string_view(document.constData(), size_t(document.size())), EfilingExport::schemaFile(kind));
    if (checked.failed()) {
        found << ReportFinding{ReportFinding::Kind::Filing, 0, {}, {}, 0, -1, {}, checked.failure};
        return found;
    }
    for (const ValidationFinding &v : checked.findings) {
        const EditorPlace::Place place = EditorPlace::locate(v.pointer);
        if (named.contains(QString::number(place.page) + u'|' +
                           (place.clause.isEmpty() ? place.item : place.clause)))
            continue;
        found << ReportFinding{ReportFinding::Kind::Filing,
                               place.page,
                               place.clause,
                               place.point,
                               place.row,
                               place.column,
                               place.item,
                               v.message};
    }
    return found;
}

} // namespace ReportCheck
