#include "FinancialStatements.h"

#include "AuditReport.h"
#include "ReportEngine.h"
#include "ReportWriter.h"
#include "StatementLayouts.h"
#include "store/Database.h"

namespace FinancialStatements
{

const QStringList &captions()
{
    static const QStringList list{
        QStringLiteral("Balance Sheet (Horinzontal)"), QStringLiteral("Balance Sheet (Vertical)"),
        QStringLiteral("Balance Sheet (SchVi)"),       QStringLiteral("Profit && Loss (Horinzontal)"),
        QStringLiteral("Profit && Loss (Vertical)"),   QStringLiteral("Profit && Loss (SchVi)")};
    return list;
}

const QStringList &names()
{
    static const QStringList list{QStringLiteral("bs-horizontal"), QStringLiteral("bs-vertical"),
                                  QStringLiteral("bs-schvi"),      QStringLiteral("pl-horizontal"),
                                  QStringLiteral("pl-vertical"),   QStringLiteral("pl-schvi")};
    return list;
}

std::optional<Statement> named(const QString &name)
{
    const qsizetype index = names().indexOf(name.trimmed().toLower());
    if (index < 0)
        return std::nullopt;
    return static_cast<Statement>(index);
}

bool isBalanceSheet(Statement statement)
{
    return statement == Statement::BalanceSheetHorizontal || statement == Statement::BalanceSheetVertical ||
           statement == Statement::BalanceSheetSchVi;
}

std::optional<Books> read(Database &db, const QString &client, const QString &yearKey, QString *reason)
{
    Recordset rs =
        db.Execute(QStringLiteral("SELECT Name, Status FROM main_info1 WHERE Code_No=?"), {client});
    if (rs.Eof()) {
        if (reason)
            *reason = QStringLiteral("There is no client %1.").arg(client);
        return std::nullopt;
    }
    Books books;
    books.client = client;
    books.clientName = rs.Fields(0);
    const QString status = rs.Fields(1).toUpper();
    books.company = status.contains(QLatin1String("LTD")) || status.contains(QLatin1String("COMPANY"));
    books.current = AccountsYear::read(db, client, yearKey);
    if (books.current.isEmpty()) {
        if (reason)
            *reason = QStringLiteral("The accounts of %1 hold no balances for the year ending 31/03/%2.")
                          .arg(books.clientName, yearKey);
        return std::nullopt;
    }
    books.previous = AccountsYear::read(db, client, QString::number(yearKey.toInt() - 1));
    return books;
}

void build(ReportEngine &engine, Statement statement, const Books &books)
{
    engine.WinModeReport = true;
    // The two sides of a horizontal statement need the width of the wide page.
    engine.SetCol130(statement == Statement::BalanceSheetHorizontal ||
                     statement == Statement::ProfitLossHorizontal);
    engine.NewReport();
    ReportWriter writer(engine);
    switch (statement) {
    case Statement::BalanceSheetHorizontal:
        StatementLayouts::balanceSheetHorizontal(writer, books);
        break;
    case Statement::BalanceSheetVertical:
        StatementLayouts::balanceSheetVertical(writer, books);
        break;
    case Statement::BalanceSheetSchVi:
        StatementLayouts::balanceSheetSchVi(writer, books);
        break;
    case Statement::ProfitLossHorizontal:
        StatementLayouts::profitLossHorizontal(writer, books);
        break;
    case Statement::ProfitLossVertical:
        StatementLayouts::profitLossVertical(writer, books);
        break;
    case Statement::ProfitLossSchVi:
        StatementLayouts::profitLossSchVi(writer, books);
        break;
    }
    AuditReport::writeFooter(engine, books.current.yearKey(), books.clientName);
}

bool printToPdf(Database &db, Statement statement, const QString &client, const QString &yearKey,
                const QString &pdf, QString *reason)
{
    const std::optional<Books> books = read(db, client, yearKey, reason);
    if (!books)
        return false;
    ReportEngine engine;
    build(engine, statement, *books);
    return engine.saveAsPdf(pdf, reason);
}

} // namespace FinancialStatements
