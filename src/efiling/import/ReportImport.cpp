#include "ReportImport.h"

#include "ClauseBlockReader.h"
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

// Members of the form key that no block of the catalogue names.
void noteUnknownBlocks(const JsonValue &formKey, const ClauseCatalogue &catalogue, ReadContext &ctx)
{
    QStringList known{QStringLiteral("CreationInfo"), QStringLiteral("Form_Details"),
                      QStringLiteral("Declaration"), QStringLiteral("assignFlag"), QStringLiteral("type")};
    for (const Catalogue::JsonBlock &block : catalogue.jsonBlocks()) {
        known << block.member;
        if (block.shape == QLatin1String("csv"))
            known << block.element;
    }
    for (const QString &key : formKey.Keys()) {
        if (!known.contains(key))
            ctx.noteUnknown(key);
    }
}

// The clauses whose question the flags block asks and the import left unanswered.
QStringList unansweredClauses(const ClauseCatalogue &catalogue, const ImportedRows &rows)
{
    QStringList clauses;
    for (const Catalogue::JsonBlock &block : catalogue.jsonBlocks()) {
        if (block.shape != QLatin1String("object"))
            continue;
        for (const Catalogue::JsonPart &part : block.parts) {
            for (const Catalogue::JsonMember &m : part.members) {
                if (m.as != QLatin1String("yesno") || !m.point.startsWith(QLatin1String("Opt")))
                    continue;
                const int page = m.page ? m.page : part.page;
                const Catalogue::Clause *clause = catalogue.clauseOf(page, m.point);
                if (clause && !rows.has(page, m.point) && !clauses.contains(clause->label))
                    clauses << clause->label;
            }
        }
    }
    return clauses;
}

// The rows the form key's object of a file of the form ("3CA" or "3CB") gives, and what the
// user should know of the import.
ImportedRows rowsOf(const JsonValue &formKey, const QString &formCode, Notes &notes)
{
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    ImportedRows rows;
    NameLookups names(catalogue);
    ReadContext ctx(catalogue, formCode, rows, names);
    for (int step = 0; step < ClauseBlockReader::kSteps; ++step) {
        if (step == 0) {
            if (const Catalogue::JsonBlock *declaration = catalogue.declaration(formCode))
                ClauseBlockReader::readBlock(formKey, *declaration, ctx);
            continue;
        }
        ClauseBlockReader::read(formKey, ctx, step);
        if (step == 1)
            readClause8a(formKey, rows);
    }
    ctx.storeImpliedAnswers();
    noteUnknownBlocks(formKey, catalogue, ctx);
    notes.unknownMembers = ctx.unknownMembers();
    notes.unansweredClauses = unansweredClauses(catalogue, rows);
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

std::unique_ptr<ReportModel> reportOf(const ImportTarget &target, const JsonValue &formKey, Notes *notes)
{
    Notes unused;
    return modelOf(target, rowsOf(formKey, target.report.formCode, notes ? *notes : unused).takeRows());
}

Notes replace(const ImportTarget &target, ImportDocument document)
{
    Notes notes;
    QList<ImportedRows::Row> rows = rowsOf(document.formKey(), target.report.formCode, notes).takeRows();
    document.release();
    ReportReplacement::replace(host().DBObj(), target, *modelOf(target, std::move(rows)));
    return notes;
}

QString Notes::text() const
{
    QStringList paragraphs;
    if (!unknownMembers.isEmpty())
        paragraphs << QStringLiteral("These members of the file are not known to the program and were not "
                                     "imported:\n") +
                          unknownMembers.join(u'\n');
    if (!unansweredClauses.isEmpty())
        paragraphs << QStringLiteral("The file does not answer the question of clause %1: please answer it "
                                     "on its page.")
                          .arg(unansweredClauses.join(QStringLiteral(", ")));
    return paragraphs.join(QStringLiteral("\n\n"));
}

} // namespace ReportImport
