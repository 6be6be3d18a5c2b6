#include "TdsCommands.h"

#include "Commands.h"
#include "host/TalvexBase.h"
#include "model/ReportModel.h"
#include "spreadsheet/TdsImport.h"
#include "spreadsheet/TdsWorkbook.h"
#include "store/ModuleState.h"

#include <QFileInfo>

namespace TdsCommands
{

int importTds(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString workbook = line.value(QStringLiteral("--workbook"));
    if (line.has(QStringLiteral("--tds-db"))) {
        err << "The import from the TDS database is not available in this version.\n";
        return 2;
    }
    if (workbook.isEmpty() || !line.arguments.isEmpty()) {
        err << "usage: taxaudit import-tds --client C --year Y --workbook FILE [--yes]\n";
        return 2;
    }
    if (!selectClientAndYear(host, line, err))
        return 2;
    // The TDS lists are Form 3CD pages, the same under Form 3CA and Form 3CB.
    moduleState().openForm(FormKind::F3CA, host.yearKey());
    const auto report = ReportModel::load();
    const QString path = QFileInfo(workbook).absoluteFilePath();
    if (!TdsImport::importWorkbook(*report, path, host.vAsPAN(), host.annexFolder()))
        return 1;
    out << oneLine(path) << "\tImported\n";
    return 0;
}

int tdsTemplate(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString target = line.value(QStringLiteral("--out"));
    if (target.isEmpty()) {
        err << "usage: taxaudit tds-template [--client C --year Y] --out FILE.xlsx\n";
        return 2;
    }
    // Without a client the template is left for the accountant to name one.
    const bool forClient = line.has(QStringLiteral("--client"));
    if (forClient && !selectClientAndYear(host, line, err))
        return 2;
    const QString pan = forClient ? host.vAsPAN() : QString();
    const QString year = forClient ? TdsImport::financialYear(host.yearKey()) : QString();
    QString error;
    if (!TdsWorkbook::write(target, pan, year, {}, &error)) {
        err << error << '\n';
        return 1;
    }
    out << oneLine(QFileInfo(target).absoluteFilePath()) << '\n';
    return 0;
}

} // namespace TdsCommands
