#pragma once

#include "host/AccountsYear.h"

#include <QStringList>
#include <optional>

class Database;
class ReportEngine;

// The balance sheet and the profit and loss account of a client's books, printed from the
// host's accounts in the three layouts accountants file: horizontal (two sides), vertical
// (sources and application of funds) and Schedule III (face with notes), with the year
// before beside the year where the layout has a column for it.
namespace FinancialStatements
{

enum class Statement {
    BalanceSheetHorizontal,
    BalanceSheetVertical,
    BalanceSheetSchVi,
    ProfitLossHorizontal,
    ProfitLossVertical,
    ProfitLossSchVi
};

// The captions the signing window offers, in the order of Statement.
const QStringList &captions();
// The names taxaudit takes ("bs-horizontal" ... "pl-schvi"), in the order of Statement.
const QStringList &names();
std::optional<Statement> named(const QString &name);
bool isBalanceSheet(Statement statement);

struct Books {
    QString client;
    QString clientName;
    bool company = false;
    AccountsYear current;
    AccountsYear previous;
};

// The client's balances of the year and of the year before; nothing, with the reason,
// for an unknown client or a year without balances.
std::optional<Books> read(Database &db, const QString &client, const QString &yearKey, QString *reason);

// Writes the statement into a new report of the engine, the caller shows or saves it.
void build(ReportEngine &engine, Statement statement, const Books &books);

// Reads the books, builds the statement and writes it to the PDF file without showing it.
bool printToPdf(Database &db, Statement statement, const QString &client, const QString &yearKey,
                const QString &pdf, QString *reason);

} // namespace FinancialStatements
