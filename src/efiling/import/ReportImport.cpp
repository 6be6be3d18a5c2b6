#include "ReportImport.h"

#include "ClauseBlockReader.h"
#include "DeclarationReader.h"
#include "ImportDocument.h"
#include "ImportTarget.h"
#include "OptionAnswers.h"
#include "ReadContext.h"
#include "ReportReplacement.h"
#include "StoredValues.h"
#include "catalogue/ClauseCatalogue.h"
#include "efiling/json/JsonValue.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "model/rules/ReportRules.h"

namespace ReportImport
{

namespace
{

// The closing members of the form key: the concessional-tax option of clause 8a and its section.
void readClause8a(const JsonValue &formKey, ImportedRows &rows)
{
    if (formKey.Exists(QStringLiteral("assignFlag")))
        OptionAnswers::store(rows, 2, QStringLiteral("Opt8a"),
                             StoredValues::text(formKey.Item(QStringLiteral("assignFlag"))));
    if (formKey.Exists(QStringLiteral("type")))
        rows.set(rows.single(2, QStringLiteral("8a")), 1,
                 StoredValues::text(formKey.Item(QStringLiteral("type"))));
}

// The rows the form key's object of a file of the form ("3CA" or "3CB") gives.
ImportedRows rowsOf(const JsonValue &formKey, const QString &formCode)
{
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    ImportedRows rows;
    NameLookups names(catalogue);
    ReadContext ctx(catalogue, formCode, rows, names);
    for (int step = 0; step < ClauseBlockReader::kSteps; ++step) {
        if (step == 0) {
            if (formCode == QLatin1String("3CB"))
                DeclarationReader::readForm3CB(formKey, rows, catalogue);
            else
                DeclarationReader::readForm3CA(formKey, rows, catalogue);
            continue;
        }
        ClauseBlockReader::read(formKey, ctx, step);
        if (step == 1)
            readClause8a(formKey, rows);
    }
    ctx.storeImpliedAnswers();
    return rows;
}

// The report the rows give, made whole by the rules every writer of a report applies: block
// texts of earlier versions, computed values, and the Part A rows the file does not carry.
std::unique_ptr<ReportModel> modelOf(const ImportTarget &target, QList<ImportedRows::Row> rows)
{
    auto made = std::make_unique<ReportModel>(ReportKey{target.client, target.yearKey, target.report});
    for (ImportedRows::Row &row : rows) {
        QStringList cols = std::move(row.cols);
        if (!row.sequence.isEmpty()) {
            cols.resize(ImportedRows::kValueColumns);
            cols << std::exchange(row.sequence, {});
        }
        made->append({row.page, target.report.formNameForPage(row.page), row.point, std::move(cols)});
    }
    rows = {};
    ReportRules::applyAll(*made);
    return made;
}

} // namespace

std::unique_ptr<ReportModel> reportOf(const ImportTarget &target, const JsonValue &formKey)
{
    return modelOf(target, rowsOf(formKey, target.report.formCode).takeRows());
}

void replace(const ImportTarget &target, ImportDocument document)
{
    QList<ImportedRows::Row> rows = rowsOf(document.formKey(), target.report.formCode).takeRows();
    document.release();
    ReportReplacement::replace(host().DBObj(), target, *modelOf(target, std::move(rows)));
}

} // namespace ReportImport
