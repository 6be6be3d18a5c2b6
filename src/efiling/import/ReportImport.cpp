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

} // namespace

void replace(const ImportTarget &target, ImportDocument document)
{
    QList<ImportedRows::Row> rows = rowsOf(document.formKey(), target.report.formCode).takeRows();
    document.release();
    // What the file gives, made whole by the rules every writer of a report applies: block
    // texts of earlier versions, computed values, and the Part A rows the file does not carry.
    ReportModel report(ReportKey{target.client, target.yearKey, target.report});
    for (ImportedRows::Row &row : rows) {
        QStringList cols = std::move(row.cols);
        if (!row.sequence.isEmpty()) {
            cols.resize(ImportedRows::kValueColumns);
            cols << std::exchange(row.sequence, {});
        }
        report.append({row.page, target.report.formNameForPage(row.page), row.point, std::move(cols)});
    }
    rows = {};
    ReportRules::applyAll(report);
    ReportReplacement::replace(host().DBObj(), target, report);
}

} // namespace ReportImport
