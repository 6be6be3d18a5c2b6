#include "PageCommands.h"

#include "AccountsCommands.h"
#include "FilingCommands.h"
#include "PrintCommands.h"
#include "commands/pages/ReportPrint.h"
#include "print/FilingStatusReport.h"
#include "print/ReportEngine.h"

#include <QDir>
#include <QFileInfo>

namespace PageCommands
{

namespace
{

// "filing-status --pdf OUT": the list printed as the status report.
int printFilingStatus(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    QList<AuditFiling::Entry> entries;
    if (!FilingCommands::statusEntries(host, line, err, entries))
        return 2;
    const QString pdf = line.value(QStringLiteral("--pdf"));
    if (!mayWrite(pdf, line, err))
        return 2;
    ReportEngine engine;
    FilingStatusReport::build(
        engine, AuditFiling::titleOf(AuditFiling::listedOf(line.value(QStringLiteral("--flag")))),
        line.value(QStringLiteral("--year")), entries);
    QString reason;
    if (!engine.saveAsPdf(pdf, &reason)) {
        err << ReportPrint::cannotWrite(pdf, reason) << '\n';
        return 2;
    }
    out << QDir::toNativeSeparators(QFileInfo(pdf).absoluteFilePath()) << '\n';
    return 0;
}

} // namespace

Command::Run workOf(const CommandLine &line)
{
    if (line.command == QLatin1String("print"))
        return PrintCommands::print;
    if (line.command == QLatin1String("to-pdf"))
        return PrintCommands::toPdf;
    if (line.command == QLatin1String("sign"))
        return PrintCommands::sign;
    if (line.command == QLatin1String("accounts"))
        return AccountsCommands::printStatement;
    return printFilingStatus;
}

} // namespace PageCommands
