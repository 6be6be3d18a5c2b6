#include "EfilingCommands.h"

#include "CommandWords.h"
#include "Commands.h"
#include "Xml3cebCommands.h"
#include "base/BoundedFile.h"
#include "base/Prompt.h"
#include "base/ScriptedPrompt.h"
#include "commands/JsonGeneration.h"
#include "commands/clsExportXML3CEB.h"
#include "efiling/EfilingExport.h"
#include "efiling/FileFindings.h"
#include "efiling/JsonFileCheck.h"
#include "efiling/JsonSchemaCheck.h"
#include "efiling/ReportCheck.h"
#include "efiling/XmlInput.h"
#include "efiling/XmlSchemaCheck.h"
#include "efiling/json/Json.h"
#include "host/TalvexBase.h"
#include "model/ReportModel.h"
#include "model/rules/ReportRules.h"
#include "store/Database.h"
#include "store/ModuleState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace EfilingCommands
{

FormKind storedFormKind(TalvexBase &host)
{
    moduleState().openForm(FormKind::F3CA, host.yearKey());
    Recordset rs = host.DBObj().Execute(
        QStringLiteral("SELECT count(*) FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=101 AND FormName='3CB'")
            .arg(moduleState().clauseTable),
        {host.Temp_Code(), host.yearKey()});
    return rs.Fields(0).toInt() > 0 ? FormKind::F3CB : FormKind::F3CA;
}

void printFindings(const QList<ValidationFinding> &findings, QTextStream &out)
{
    for (const ValidationFinding &f : findings)
        out << FileFindings::line(f) << '\n';
}

int generateJson(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!selectClientAndYear(host, line, err, YearUse::Read))
        return 2;
    const QString envelope = line.value(QStringLiteral("--envelope")).toUpper();
    if (!envelope.isEmpty() && envelope != QLatin1String("O") && envelope != QLatin1String("R")) {
        err << "--envelope takes O (original) or R (revised).\n";
        return 2;
    }
    moduleState().openForm(storedFormKind(host), host.yearKey());
    const QString target = QFileInfo(line.has(QStringLiteral("--out"))
                                         ? line.value(QStringLiteral("--out"))
                                         : QDir::current().filePath(EfilingExport::defaultFileName(
                                               moduleState().formKind, host.vAsPAN(), host.yearKey())))
                               .absoluteFilePath();
    if (!mayWrite(target, line, err))
        return 2;
    // The stored report as every writer writes it; the rules change nothing in the database.
    const EfilingExport::Result result = JsonGeneration::write(ReportKey::current(), target, envelope);
    switch (result.outcome) {
    case EfilingExport::Outcome::Valid:
        if (!result.failure.isEmpty()) {
            err << result.failure << '\n';
            return 2;
        }
        out << QDir::toNativeSeparators(target) << '\n';
        return 0;
    case EfilingExport::Outcome::Invalid:
        // The findings as `validate` words them; the file is not put in place.
        printFindings(result.check.findings, err);
        err << CommandWords::NoFileWritten;
        return 1;
    case EfilingExport::Outcome::NotWritten:
        err << result.failure << '\n';
        break;
    }
    err << CommandWords::NoFileWritten;
    return 2;
}

int validateReport(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!selectClientAndYear(host, line, err))
        return 2;
    const QString form = line.value(QStringLiteral("--form")).toUpper();
    if (!form.isEmpty() && form != QLatin1String("3CEB")) {
        err << "--form takes 3CEB; a Form 3CA or 3CB report is checked as it is stored.\n";
        return 2;
    }
    moduleState().openForm(form.isEmpty() ? storedFormKind(host) : FormKind::F3CEB, host.yearKey());
    const QList<ReportFinding> findings = ReportCheck::findings(*ReportRules::loadAsWritten());
    for (const ReportFinding &f : findings)
        out << ReportFindings::line(f) << '\n';
    return findings.isEmpty() ? 0 : 1;
}

int validate(TalvexBase &, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 1) {
        err << "usage: taxaudit validate FILE [--schema SCHEMA]\n";
        return 2;
    }
    const QString file = line.arguments.first();
    const bool xml = file.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
    QString why;
    const std::optional<QByteArray> data =
        xml ? XmlInput::read(file, &why) : BoundedFile::read(file, BoundedFile::kMaxJsonBytes, &why);
    if (!data) {
        err << why << '\n';
        return 2;
    }
    QString schema = line.value(QStringLiteral("--schema"));

    QList<ValidationFinding> findings;
    if (xml) {
        if (schema.isEmpty() && Xml3cebCommands::isForm3ceb(*data))
            schema = clsExportXML3CEB::schemaPath();
        if (schema.isEmpty()) {
            err << "Give the XML Schema of the form with --schema.\n";
            return 2;
        }
        const XmlSchemaCheck::Result result = XmlSchemaCheck::run(file, schema);
        if (!result.failure.isEmpty()) {
            err << result.failure << '\n';
            return 2;
        }
        findings = result.findings;
    } else {
        const std::string_view text(data->constData(), size_t(data->size()));
        // A file that cannot be read is reported at its fault, whichever schema it was meant
        // for; the fault is looked for only in a file that does not pass, so that a good file
        // is read once.
        const auto unreadable = [&]() -> std::optional<ValidationFinding> {
            return JsonSchemaCheck::syntaxFault(std::string(text));
        };
        if (schema.isEmpty()) {
            const FormKind kind = JsonFileCheck::formOfText(text);
            if (kind == FormKind::None) {
                if (const std::optional<ValidationFinding> fault = unreadable()) {
                    printFindings({*fault}, out);
                    return 2;
                }
                err << file
                    << " is not a Form 3CA-3CD or Form 3CB-3CD JSON file; give its schema with --schema.\n";
                return 2;
            }
            schema = EfilingExport::schemaFile(kind);
        }
        const std::optional<QByteArray> schemaText =
            BoundedFile::read(schema, BoundedFile::kMaxJsonBytes, &why);
        if (!schemaText) {
            err << "Cannot read the schema " << schema << ": " << why << '\n';
            return 2;
        }
        try {
            findings = JsonSchemaCheck(schemaText->toStdString()).run(text);
        } catch (const std::exception &e) {
            err << schema << ": " << e.what() << '\n';
            return 2;
        }
        if (!findings.isEmpty()) {
            if (const std::optional<ValidationFinding> fault = unreadable()) {
                printFindings({*fault}, out);
                return 2;
            }
            // A file of an earlier layout is told so once; its findings are then the real faults.
            const FileFindings::Sifted sifted = FileFindings::sift(*data, findings);
            if (!sifted.layout.isEmpty())
                out << sifted.layout << '\n';
            findings = sifted.findings;
        }
    }
    printFindings(findings, out);
    return findings.isEmpty() ? 0 : 1;
}

} // namespace EfilingCommands
