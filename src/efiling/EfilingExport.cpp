#include "EfilingExport.h"

#include "base/SharedMessages.h"

#include "CreationInfo.h"

#include "ClauseBlockWriter.h"
#include "CodeLookups.h"
#include "EfilingValues.h"
#include "FiledMembers.h"
#include "FrameMembers.h"
#include "JsonFileCheck.h"
#include "JsonLineWriter.h"
#include "UploadEnvelope.h"
#include "WriteContext.h"
#include "WritingRows.h"
#include "base/IdentityChecks.h"
#include "base/Installation.h"
#include "base/OutputFile.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/PartAPoints.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "model/rules/FilledReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <nlohmann/json.hpp>

namespace EfilingExport
{

namespace
{

void writeFrame(JsonLineWriter &w, bool form3CB, const ReportKey &key, const QDate &today)
{
    w.openObject(FrameMembers::Creation);
    w.text(QStringLiteral("SWVersionNo"), Installation::version());
    w.text(QStringLiteral("SWCreatedBy"), CreationInfo::SoftwareId);
    w.text(QStringLiteral("JSONCreatedBy"), CreationInfo::SoftwareId);
    w.text(QStringLiteral("JSONCreationDate"), today.toString(QStringLiteral("yyyy-MM-dd")));
    w.text(QStringLiteral("IntermediaryCity"), CreationInfo::IntermediaryCity);
    w.close();

    w.openObject(FrameMembers::FormDetails);
    if (form3CB) {
        w.text(QStringLiteral("FormName"), QStringLiteral("FORM3CB"));
        w.text(QStringLiteral("Description"),
               QStringLiteral(
                   "Audit report under Section 44AB of the Income-tax Act, 1961 in the case of a person "
                   "referred to in clause (b) of sub-rule (1) of rule 6G"));
    } else {
        w.text(QStringLiteral("FormName"), QStringLiteral("FORM3CA "));
        w.text(
            QStringLiteral("Description"),
            QStringLiteral("Audit report under section 44AB of the Income-tax Act, 1961, in a case where the "
                           "accounts of the business or profession of a person have been audited under any "
                           "other law"));
    }
    w.text(FrameMembers::AssessmentYear, QString::number(EfilingValues::assessmentYear(key.firstDate())));
    w.text(FrameMembers::SchemaVersion, QStringLiteral("Ver2.1"));
    w.text(QStringLiteral("FormVer"), QStringLiteral("1.0"));
    w.close();
}

} // namespace

QString formRoot(FormKind kind)
{
    return kind == FormKind::F3CB ? QStringLiteral("FORM3CB") : QStringLiteral("FORM3CA");
}

QString formKey(FormKind kind)
{
    return kind == FormKind::F3CB ? QStringLiteral("F3CB") : QStringLiteral("F3CA");
}

QString defaultFileName(FormKind kind, const QString &pan, const QString &yearKey)
{
    const QString code = ModuleState::codeOf(kind);
    if (!IdentityChecks::ValidPan(pan))
        return QStringLiteral("%1_%2.json").arg(code, yearKey);
    return fileName(code, pan, yearKey);
}

QString fileName(const QString &first, const QString &second, const QString &yearKey)
{
    return QStringLiteral("%1_%2_%3.json").arg(first, second, yearKey);
}

QString schemaFolder(FormKind kind)
{
    return QDir(host().ExePath())
        .filePath(kind == FormKind::F3CB ? QStringLiteral("3CDFiles/JSONSchema/FORM3CB3CD")
                                         : QStringLiteral("3CDFiles/JSONSchema/FORM3CA3CD"));
}

QString schemaFile(FormKind kind)
{
    return QDir(schemaFolder(kind)).filePath(JsonFileCheck::schemaFileName(kind));
}

QByteArray compose(const ReportModel &model, const QDate &today)
{
    JsonLineWriter w;
    compose(w, model, today);
    return w.takeBytes();
}

namespace
{
void composeFrom(JsonLineWriter &w, const ReportModel &model, const GridTexts *grids, const QDate &today)
{
    const FormKind kind = model.key().form.formKind;
    const bool form3CB = kind == FormKind::F3CB;
    const CodeLookups::ScopedCache lookups;
    const WriteContext ctx(model, ClauseCatalogue::instance(), model.formCode(), grids);
    w.openObject(formRoot(kind));
    w.openObject(formKey(kind));
    w.rememberNames();
    writeFrame(w, form3CB, model.key(), today);
    if (const Catalogue::JsonBlock *declaration = ctx.catalogue().declaration(ctx.formCode()))
        ClauseBlockWriter::writeBlock(w, *declaration, ctx);
    for (int writer = 1; writer <= 4; ++writer)
        ClauseBlockWriter::write(w, ctx, writer);
    FiledMembers::writeBack(w, ctx);

    // Clause 8a: the concessional-tax option and its section.
    const bool assigned = Vocabulary::isYes(model.value(PartAPoints::Page, PartAPoints::Answer8a));
    w.text(QStringLiteral("assignFlag"), assigned ? QStringLiteral("Y") : QStringLiteral("N"));
    if (assigned)
        w.text(QStringLiteral("type"), model.value(PartAPoints::Page, PartAPoints::Section8a));
    w.close();
    w.close();
}

bool writeFrom(const ReportModel &model, const GridTexts *grids, QFileDevice &out, const QDate &today)
{
    JsonLineWriter w(&out);
    try {
        composeFrom(w, model, grids, today);
    } catch (...) {
        w.finish();
        throw;
    }
    return w.finish() && out.flush() && out.error() == QFileDevice::NoError;
}
} // namespace

void compose(JsonLineWriter &w, const ReportModel &model, const QDate &today)
{
    composeFrom(w, model, nullptr, today);
}

bool writeDocument(const ReportModel &model, QFileDevice &out, const QDate &today)
{
    return writeFrom(model, nullptr, out, today);
}

bool writeDocument(const ReportKey &key, QFileDevice &out, const QDate &today)
{
    const WritingRows rows = WritingRows::load(key);
    return writeFrom(*rows.model, &rows.grids, out, today);
}

namespace
{
// The file just written, checked through a mapping of its pages: a document of many megabytes
// is checked where the system keeps it, not copied into memory first. Every finding counts,
// as `taxaudit validate` lists them.
FileCheckResult checkWritten(const QString &path, FormKind kind)
{
    QFile in(path);
    const qint64 size = in.open(QIODevice::ReadOnly) ? in.size() : 0;
    const uchar *mapped = size > 0 ? in.map(0, size) : nullptr;
    if (!mapped)
        return JsonFileCheck::check(path, schemaFile(kind), JsonFileCheck::Heed::All);
    return JsonFileCheck::check(path, QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), size),
                                schemaFile(kind), JsonFileCheck::Heed::All);
}

// Where a document that failed its check is kept for the error report: the temporary folder,
// under the name it would have had.
QString rejectedPath(const QString &path)
{
    QDir().mkpath(host().vTmpPath());
    return QDir(host().vTmpPath()).filePath(QStringLiteral("rejected_") + QFileInfo(path).fileName());
}

// Whether the file holds one JSON document to its end; read through a mapping, without a tree.
QString readsBack(const QString &path)
{
    QFile in(path);
    const qint64 size = in.open(QIODevice::ReadOnly) ? in.size() : 0;
    const uchar *mapped = size > 0 ? in.map(0, size) : nullptr;
    const char *text = reinterpret_cast<const char *>(mapped);
    if (mapped && nlohmann::json::accept(text, text + size))
        return {};
    return QStringLiteral("The JSON written does not read back whole.");
}
} // namespace

namespace
{
// Writes the document with `write` and checks it as `taxaudit validate` does; the rows it
// was written from are gone by then.
Result writeChecked(const ReportModel &report, const QString &path, const QString &filingType,
                    const std::function<bool(QFileDevice &)> &write)
{
    Result result;
    // A report never filled in would give a form of empty members.
    if (!FilledReport::isFilled(report)) {
        result.failure = FilledReport::notFilled();
        return result;
    }
    const FormKind kind = report.key().form.formKind;
    // The document is written beside its place and put there only once it passed the check:
    // a file already there is never replaced by one that the portal would refuse. A document
    // the schema faults is kept in the temporary folder for the error report.
    OutputFile out(path);
    const bool whole = out.open() && write(out.device());
    bool faulted = false;
    const bool written = out.commit([&](const QString &file) {
        if (!whole)
            return QStringLiteral("The JSON document was not written whole.");
        result.check = checkWritten(file, kind);
        if (!result.check.failure.isEmpty())
            return result.check.failure;
        if (result.check.findings.isEmpty())
            return QString();
        faulted = true;
        result.rejected = rejectedPath(path);
        QFile::remove(result.rejected);
        if (!QFile::copy(file, result.rejected))
            result.rejected.clear();
        return QStringLiteral("The JSON document does not pass its check.");
    });
    if (faulted) {
        result.outcome = Outcome::Invalid;
        return result;
    }
    if (!written) {
        result.check = {};
        result.failure = out.errorString();
        return result;
    }
    result.outcome = Outcome::Valid;
    if (!filingType.isEmpty() && !wrapForUpload(path, filingType, report.key()))
        result.failure = SharedMessages::failedToUpdateJson();
    return result;
}
} // namespace

Result writeReport(const ReportModel &model, const QString &path, const QString &filingType,
                   const QDate &today)
{
    return writeChecked(model, path, filingType,
                        [&](QFileDevice &out) { return writeDocument(model, out, today); });
}

Result writeReport(const ReportKey &key, const QString &path, const QString &filingType, const QDate &today)
{
    // Only the key of the report stays while the file is checked: its rows are read, written
    // and let go within `write`.
    const ReportModel report(key);
    return writeChecked(report, path, filingType,
                        [&](QFileDevice &out) { return writeDocument(key, out, today); });
}

bool wrapForUpload(const QString &path, const QString &filingType, const ReportKey &key)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QString document = QString::fromUtf8(in.readAll());
    in.close();
    OutputFile out(path);
    if (out.open())
        out.device().write(UploadEnvelope::wrap(document, filingType,
                                                EfilingValues::assessmentYear(key.firstDate()),
                                                formKey(key.form.formKind) + QStringLiteral("-3CD"))
                               .toUtf8());
    return out.commit(readsBack);
}

} // namespace EfilingExport
