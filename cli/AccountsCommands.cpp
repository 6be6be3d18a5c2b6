#include "AccountsCommands.h"

#include "CommandWords.h"
#include "Commands.h"
#include "host/TalvexBase.h"
#include "print/FinancialStatements.h"

#include <QDir>
#include <QFileInfo>

namespace AccountsCommands
{

int printStatement(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!selectClientAndYear(host, line, err, YearUse::Read))
        return 2;
    const std::optional<FinancialStatements::Statement> statement =
        FinancialStatements::named(line.value(QStringLiteral("--statement")));
    if (!statement) {
        err << "--statement takes one of " << FinancialStatements::names().join(QStringLiteral(", "))
            << ".\n";
        return 2;
    }
    const QString pdf = pdfTarget(line, err);
    if (pdf.isEmpty())
        return 2;
    if (!mayWrite(pdf, line, err))
        return 2;
    QString reason;
    if (!FinancialStatements::printToPdf(host.DBObj(), *statement, line.value(QStringLiteral("--client")),
                                         host.yearKey(), pdf, &reason)) {
        err << reason << '\n';
        return 2;
    }
    out << QDir::toNativeSeparators(QFileInfo(pdf).absoluteFilePath()) << '\n';
    return 0;
}

} // namespace AccountsCommands
