#include "ReportImport.h"

#include "ClauseBlockReader.h"
#include "DeclarationReader.h"
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

} // namespace

std::unique_ptr<ReportModel> reportOf(const ImportTarget &target, const JsonValue &formKey)
{
    const ImportedRows rows = rowsOf(formKey, target.report.formCode);
    // What the file gives, made whole by the rules every writer of a report applies: block
    // texts of earlier versions, computed values, and the Part A rows the file does not carry.
    auto made = std::make_unique<ReportModel>(ReportKey{target.client, target.yearKey, target.report});
    ReportModel &report = *made;
    for (const ImportedRows::Row &row : rows.rows()) {
        QStringList cols = row.cols;
        if (!row.sequence.isEmpty()) {
            cols.resize(ImportedRows::kValueColumns);
            cols << row.sequence;
        }
        report.append({row.page, target.report.formNameForPage(row.page), row.point, cols});
    }
    ReportRules::applyAll(report);
    return made;
}

void replace(const ImportTarget &target, const JsonValue &formKey)
{
    ReportReplacement::replace(host().DBObj(), target, *reportOf(target, formKey));
}

} // namespace ReportImport
