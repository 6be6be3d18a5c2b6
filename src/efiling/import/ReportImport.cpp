#include "ReportImport.h"

#include "ClauseBlockReader.h"
#include "DocumentRows.h"
#include "ImportDocument.h"
#include "ImportTarget.h"
#include "OptionAnswers.h"
#include "ReadContext.h"
#include "ReportReplacement.h"
#include "StoredValues.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/PartAPoints.h"
#include "efiling/FiledLayout.h"
#include "efiling/FrameMembers.h"
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
        OptionAnswers::store(rows, PartAPoints::Page, PartAPoints::Answer8a,
                             StoredValues::text(formKey.Item(QStringLiteral("assignFlag"))));
    if (formKey.Exists(QStringLiteral("type")))
        rows.set(rows.single(PartAPoints::Page, PartAPoints::Section8a), 1,
                 StoredValues::text(formKey.Item(QStringLiteral("type"))));
}

// Members of the form key that no block of the catalogue names: kept with the report, but
// listed, as the writer has no place for them.
void noteUnknownBlocks(const JsonValue &formKey, const ClauseCatalogue &catalogue, ReadContext &ctx)
{
    QStringList known{FrameMembers::Creation, FrameMembers::FormDetails, FrameMembers::Declaration,
                      QStringLiteral("assignFlag"), QStringLiteral("type")};
    for (const Catalogue::JsonBlock &block : catalogue.jsonBlocks()) {
        known << block.member;
        if (block.shape == Catalogue::BlockShape::Csv)
            known << block.element;
    }
    for (const QString &key : formKey.Keys()) {
        if (!known.contains(key)) {
            ctx.keep(key, formKey.Item(key));
            ctx.noteUnknown(key);
        }
    }
}

// The clauses whose question the flags block asks and the import left unanswered.
QStringList unansweredClauses(const ClauseCatalogue &catalogue, const ImportedRows &rows)
{
    QStringList clauses;
    for (const Catalogue::JsonBlock &block : catalogue.jsonBlocks()) {
        if (block.shape != Catalogue::BlockShape::Object)
            continue;
        for (const Catalogue::JsonPart &part : block.parts) {
            for (const Catalogue::JsonMember &m : part.members) {
                if (m.as != Catalogue::MemberKind::YesNo || !m.point.startsWith(QLatin1String("Opt")))
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

// Reads the rest of the document (its tables were read as it was parsed) into its rows, and
// says what the user should know of the import.
ImportedRows &rowsOf(const ImportDocument &document, Notes &notes)
{
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    const JsonValue &formKey = document.formKey();
    ReadContext &ctx = document.context();
    for (int step = 0; step < ClauseBlockReader::kSteps; ++step) {
        if (step == 0) {
            if (const Catalogue::JsonBlock *declaration = catalogue.declaration(ctx.formCode()))
                ClauseBlockReader::readBlock(formKey, *declaration, ctx);
            continue;
        }
        ClauseBlockReader::read(formKey, ctx, step);
        if (step == 1)
            readClause8a(formKey, ctx.rows());
    }
    ctx.storeImpliedAnswers();
    ClauseBlockReader::keepUnwritten(formKey, ctx);
    noteUnknownBlocks(formKey, catalogue, ctx);
    if (document.document)
        notes.layout = FiledLayout::of(*document.document).summary();
    notes.unknownMembers = ctx.unknownMembers();
    notes.unansweredClauses = unansweredClauses(catalogue, ctx.rows());
    return ctx.rows();
}

// The report the rows give, made whole by the rules every writer of a report applies: block
// texts of earlier versions, computed values, and the Part A rows the file does not carry.
// Grid rows no rule reads are left out when `passing` is given and listed there instead: they
// are written as they were read, without a model to hold them.
std::unique_ptr<ReportModel> modelOf(const ImportTarget &target, const ImportedRows &rows,
                                     QList<int> *passing = nullptr)
{
    auto made = std::make_unique<ReportModel>(ReportKey{target.client, target.yearKey, target.report});
    QHash<QString, bool> ruled; // by page and point
    for (int i = 0; i < rows.count(); ++i) {
        ImportedRows::Row row = rows.row(i);
        if (passing && !row.sequence.isEmpty()) {
            const QString key = QString::number(row.page) + u'|' + row.point;
            auto found = ruled.constFind(key);
            if (found == ruled.cend())
                found = ruled.insert(key, ReportRules::reads(row.page, row.point));
            if (!*found) {
                *passing << i;
                continue;
            }
        }
        made->append(
            {row.page, target.report.formNameForPage(row.page), row.point, std::move(row).storedColumns()});
    }
    ReportRules::applyAll(*made);
    return made;
}

} // namespace

std::unique_ptr<ReportModel> reportOf(const ImportTarget &target, const ImportDocument &document,
                                      Notes *notes)
{
    Notes unused;
    return modelOf(target, rowsOf(document, notes ? *notes : unused));
}

ReadFile readAll(ImportDocument document)
{
    ReadFile file;
    file.form = document.form;
    rowsOf(document, file.notes);
    file.rows = document.rows;
    document.release();
    return file;
}

Notes replace(const ImportTarget &target, ImportDocument document)
{
    return replace(target, readAll(std::move(document)));
}

Notes replace(const ImportTarget &target, const ReadFile &file)
{
    const ImportedRows &rows = file.rows->rows();
    QList<int> passing;
    const std::unique_ptr<ReportModel> report = modelOf(target, rows, &passing);
    ReportReplacement::replace(host().DBObj(), target, *report, rows, passing);
    return file.notes;
}

namespace
{
FilesRead *filesRead = nullptr;
} // namespace

FilesRead::FilesRead(QHash<QString, std::shared_ptr<const ReadFile>> byPath)
    : m_byPath(std::move(byPath)), m_outer(filesRead)
{
    filesRead = this;
}

FilesRead::~FilesRead()
{
    filesRead = m_outer;
}

std::shared_ptr<const ReadFile> FilesRead::take(const QString &path)
{
    return filesRead ? filesRead->m_byPath.take(path) : nullptr;
}

QString Notes::text() const
{
    QStringList paragraphs;
    if (!layout.isEmpty())
        paragraphs << layout;
    if (!unknownMembers.isEmpty())
        paragraphs << QStringLiteral("These members of the file have no place in the report and are not "
                                     "written again:\n") +
                          unknownMembers.join(u'\n');
    if (!unansweredClauses.isEmpty())
        paragraphs << QStringLiteral("The file does not answer the question of clause %1: please answer it "
                                     "on its page.")
                          .arg(unansweredClauses.join(QStringLiteral(", ")));
    return paragraphs.join(QStringLiteral("\n\n"));
}

} // namespace ReportImport
