#include "Commands.h"

#include "EfilingCommands.h"
#include "ImportCommands.h"

#include "host/DemoData.h"
#include "host/HostSchema.h"
#include "host/LookupLoader.h"
#include "host/TalvexBase.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

namespace
{

QString oneLine(QString value)
{
    value.replace(u'\\', QLatin1String("\\\\"));
    value.replace(u'\t', QLatin1String("\\t"));
    value.replace(u'\n', QLatin1String("\\n"));
    value.replace(u'\r', QLatin1String("\\r"));
    return value;
}

int listClients(TalvexBase &host, const CommandLine &, QTextStream &out, QTextStream &)
{
    Recordset rs = host.DBObj().Execute(
        QStringLiteral("SELECT Code_No, Name, PAN, Status FROM main_info1 ORDER BY Code_No"));
    for (; !rs.Eof(); rs.MoveNext())
        out << rs.Fields(0) << '\t' << rs.Fields(1) << '\t' << rs.Fields(2) << '\t' << rs.Fields(3) << '\n';
    return 0;
}

int createDemo(TalvexBase &host, const CommandLine &, QTextStream &out, QTextStream &)
{
    const int created = DemoData::create(host, DemoData::Report::Filled);
    out << "Demo clients created: " << created << " (reports for the year " << DemoData::demoYearKey()
        << ")\n";
    return 0;
}

int dumpRows(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!selectClientAndYear(host, line, err))
        return 2;
    // Both report tables of the year: the Form 3CA/3CB-3CD table, then Form 3CEB.
    for (FormKind kind : {FormKind::F3CA, FormKind::F3CEB}) {
        moduleState().openForm(kind, host.yearKey());
        for (const ClauseStore::ClauseRow &row : ClauseStore::readAll()) {
            QStringList cols = row.cols;
            while (!cols.isEmpty() && cols.last().isEmpty())
                cols.removeLast();
            QStringList fields{QString::number(row.page), row.formName, oneLine(row.point)};
            for (const QString &c : cols)
                fields << oneLine(c);
            out << fields.join(u'\t') << '\n';
        }
    }
    return 0;
}

int loadLookup(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 2) {
        err << "usage: taxaudit load-lookup TABLE FILE.csv\n";
        return 2;
    }
    const int rows = LookupLoader::load(host.DBObj(), line.arguments.at(0), line.arguments.at(1));
    out << "Loaded " << rows << " rows into " << line.arguments.at(0) << '\n';
    return 0;
}

} // namespace

bool selectClientAndYear(TalvexBase &host, const CommandLine &line, QTextStream &err)
{
    const QString client = line.value(QStringLiteral("--client"));
    const QString year = line.value(QStringLiteral("--year"));
    if (client.isEmpty() || !HostSchema::isValidYearKey(year)) {
        err << "Give the client code with --client and the year key (2026 for 2025-26) with --year.\n";
        return false;
    }
    host.selectClient(client);
    host.selectYear(year);
    return true;
}

const QList<Command> &commands()
{
    static const QList<Command> list{
        {QStringLiteral("clients"), QStringLiteral("clients                      list the clients"),
         listClients},
        {QStringLiteral("demo"),
         QStringLiteral("demo                         create the demo clients and reports"), createDemo},
        {QStringLiteral("rows"),
         QStringLiteral("rows --client C --year Y     print the clause rows of a report, tab-separated"),
         dumpRows},
        {QStringLiteral("load-lookup"),
         QStringLiteral("load-lookup TABLE FILE.csv   replace a look-up table from a CSV file"), loadLookup},
        {QStringLiteral("generate-json"),
         QStringLiteral(
             "generate-json --client C --year Y [--out FILE] [--envelope O|R] [--yes]\n"
             "                               write the e-filing JSON of a Form 3CA/3CB-3CD report"),
         EfilingCommands::generateJson},
        {QStringLiteral("validate"),
         QStringLiteral(
             "validate FILE [--schema SCHEMA]\n"
             "                               check an e-filing file against its schema (exit 0 valid,\n"
             "                               1 invalid, 2 unreadable), one finding a line"),
         EfilingCommands::validate},
        {QStringLiteral("import-json"),
         QStringLiteral("import-json --client C --year Y FILE\n"
                        "                               replace a report by an e-filing JSON file (remarks stay)"),
         ImportCommands::importJson},
        {QStringLiteral("bulk-import"),
         QStringLiteral("bulk-import FOLDER|FILE.zip [--yes]\n"
                        "                               import each return of a folder or zip file into the\n"
                        "                               client whose PAN it carries, one status line a file"),
         ImportCommands::bulkImport},
    };
    return list;
}
