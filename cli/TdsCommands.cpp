#include "TdsCommands.h"

#include "Commands.h"
#include "base/SharedMessages.h"
#include "commands/TdsImportCommand.h"
#include "host/TalvexBase.h"
#include "model/ReportModel.h"
#include "spreadsheet/TdsImport.h"
#include "spreadsheet/TdsWorkbook.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ModuleState.h"
#include "tds/TdsDbImport.h"
#include "tds/TdsDemo.h"

#include <QFileInfo>
#include <algorithm>

namespace TdsCommands
{

namespace
{

int importFromDatabase(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const DbUrl url = DbUrl::parse(line.value(QStringLiteral("--tds-db")));
    const QString code = line.value(QStringLiteral("--tds-client"));
    if (!url.isValid() || code.isEmpty()) {
        err << "usage: taxaudit import-tds --client C --year Y --tds-db URL --tds-client CODE [--yes]\n";
        return 2;
    }
    std::unique_ptr<TdsSource> source;
    QList<TdsClient> clients;
    try {
        source = TdsSource::open(url);
        clients = source->clients();
    } catch (const DbError &e) {
        err << SharedMessages::tdsConnectionFailed(e.message()) << '\n';
        return 1;
    }
    const auto client = std::find_if(clients.cbegin(), clients.cend(), [&](const TdsClient &c) {
        return c.code.compare(code, Qt::CaseInsensitive) == 0;
    });
    if (client == clients.cend()) {
        err << "There is no client [" << oneLine(code) << "] in the TDS database.\n";
        return 1;
    }
    moduleState().openForm(FormKind::F3CA, host.yearKey());
    const auto report = ReportModel::load();
    if (!TdsImportCommand::confirmClients({*client}, host.vAsPAN()))
        return 1;
    const QString assessmentYear = host.assessmentYearText();
    const TdsLists::Options options{assessmentYear, TdsDbImport::returnDueDate(*source, assessmentYear)};
    if (!TdsImportCommand::fromDatabase(*report, *source, {*client}, options, host.annexFolder(),
                                        [](const QString &, int, int) { return true; })
             .imported)
        return 1;
    out << oneLine(client->code) << '\t' << oneLine(client->name) << "\tImported\n";
    return 0;
}

} // namespace

int importTds(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString workbook = line.value(QStringLiteral("--workbook"));
    const bool fromDatabase = line.has(QStringLiteral("--tds-db"));
    if (workbook.isEmpty() == !fromDatabase || !line.arguments.isEmpty()) {
        err << "usage: taxaudit import-tds --client C --year Y (--workbook FILE | --tds-db URL --tds-client "
               "CODE) "
               "[--yes]\n";
        return 2;
    }
    if (!selectClientAndYear(host, line, err))
        return 2;
    if (fromDatabase)
        return importFromDatabase(host, line, out, err);
    // The TDS lists are Form 3CD pages, the same under Form 3CA and Form 3CB.
    moduleState().openForm(FormKind::F3CA, host.yearKey());
    const auto report = ReportModel::load();
    const QString path = QFileInfo(workbook).absoluteFilePath();
    if (!TdsImportCommand::fromWorkbook(*report, path, host.vAsPAN(), host.annexFolder()).imported)
        return 1;
    out << oneLine(path) << "\tImported\n";
    return 0;
}

int tdsDemo(TalvexBase &, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const DbUrl url = DbUrl::parse(line.value(QStringLiteral("--tds-db")));
    const QString year = line.value(QStringLiteral("--year"));
    if (!url.isValid() || year.size() != 4 || year.toInt() == 0) {
        err << "usage: taxaudit tds-demo --tds-db URL --year Y\n";
        return 2;
    }
    try {
        TdsDemo::create(*Database::open(url), year);
    } catch (const DbError &e) {
        err << e.message() << '\n';
        return 1;
    }
    out << oneLine(url.toString()) << '\t' << TdsDemo::kClientCode << '\n';
    return 0;
}

int tdsTemplate(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString target = line.value(QStringLiteral("--out"));
    if (target.isEmpty()) {
        err << "usage: taxaudit tds-template [--client C --year Y] --out FILE.xlsx [--yes]\n";
        return 2;
    }
    // Without a client the template is left for the accountant to name one.
    const bool forClient = line.has(QStringLiteral("--client"));
    if (forClient && !selectClientAndYear(host, line, err, YearUse::Name))
        return 2;
    if (!mayWrite(target, line, err))
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
