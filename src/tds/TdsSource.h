#pragma once

#include "store/DbUrl.h"

#include <QDate>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class Database;

// The TDS return product's database, read through an adapter of our own. The product keeps
// its clients in Main_Info, the due dates of the statements and of the return of income in
// DueDT_Master, the quarters of a year in Period_Master, and for each client and quarter a
// challan table ("CD" + period + "_" + client) and a deductee table ("DD" + period + "_" +
// client), one deductee master ("DM_" + client) and one table of filed statements
// ("TRD_" + client). Main_Info1 keeps the deductor's office (the address of the TAN),
// GenInfo_MiscInf the answers of each assessment year, IntCalcSetup how interest is counted.
// Dates are kept as "dd/mm/yyyy" text.
struct TdsClient {
    QString code;
    QString name;
    QString pan;
    QString tan;
    QString status;
    QString city;
    QString state;
    // The state of the office the TAN is registered for (Main_Info1), where it differs from
    // the client's; the due dates extended for a state follow the office.
    QString officeState;

    QString deductorState() const { return officeState.isEmpty() ? state : officeState; }
    // An individual or a Hindu undivided family, by the product's status text.
    bool individualOrFamily() const;
};

// How interest under section 201(1A) counts "a month or part of a month": by calendar
// months, or by months running from the day of the event (the 20th to the 19th).
enum class TdsInterestMonths { Calendar, FromTheDay };

struct TdsPeriod {
    int quarter = 0; // 1 to 4
    QString code;
};

struct TdsChallan {
    QString serial; // ChSrNo
    QString section;
    QString date;
    double amount = 0;
    double interest = 0;
};

struct TdsDeducteeRow {
    QString challanSerial; // SrNo: the challan that carried the tax
    QString section;       // SubSec, the product's own code
    QString deducteeKey;   // "DedSrNo:PANSrNo"
    QString paymentDate;
    double amount = 0;
    double rate = 0; // RateTax + RateSC + RateEC + RateEC1, in per cent
    double taxDeducted = 0;
    double deposited = 0;
    QString deductionDate;
    QString reason; // a code of the statement: "A" lower-deduction certificate, others no deduction
};

struct TdsDeductee {
    QString name;
    QString pan;
    QString addressLine1;
    QString addressLine2;
    QString city;
    QString pin;
    QString state;
    QString country;
    bool resident = true;
};

struct TdsFiledStatement {
    QString form; // "24Q", "26Q", "27Q", "27EQ"
    QString periodCode;
    QString filingDate;
};

class TdsSource
{
public:
    ~TdsSource();
    TdsSource(const TdsSource &) = delete;
    TdsSource &operator=(const TdsSource &) = delete;

    // Throws DbError with the server's message when the database cannot be opened, and when
    // an SQLite address names no existing file.
    static std::unique_ptr<TdsSource> open(const DbUrl &url);
    explicit TdsSource(std::unique_ptr<Database> db);

    // By name; empty when the product has no clients.
    QList<TdsClient> clients();
    // Due date of a quarterly statement ("TDS" or "TCS") or of the return of income ("ITR",
    // quarter 0) for an assessment year ("2026-27"), the revised date where one is given;
    // the date extended for the deductor's state where the product records one (its State
    // column: "TAMILNADU", "ORISSA" or "ODISHA", ...); empty when the table has none.
    QString dueDate(const QString &assessmentYear, const QString &kind, int quarter = 0,
                    const QString &deductorState = {});
    // A state's name as the due dates are matched by it: letters only, in capitals, Orissa
    // under its present name ("TAMIL NADU" and "TamilNadu" are "TAMILNADU").
    static QString stateKey(const QString &state);
    // The due date for depositing tax that falls due on `due`, extended where the product
    // records an extension (DueDT_Master rows of FormType "CHALLAN": deposits falling due from
    // FromDt to ToDt are due by the row's date, for the row's state or, without one, for all);
    // `due` itself otherwise.
    QDate depositDueDate(const QString &assessmentYear, const QDate &due, const QString &deductorState = {});
    // Whether the deductor's accounts were audited in the preceding year, as the product
    // answers it for the assessment year (GenInfo_MiscInf, Opt44AA); nothing when it does not say.
    std::optional<bool> auditedBefore(const TdsClient &client, const QString &assessmentYear);
    // How the product counts the months of interest (IntCalcSetup's Opts, "2" from the day,
    // anything else by calendar months): the client's own setting, else the one for all
    // clients ("##ALL##CLIENTS##"), else by calendar months.
    TdsInterestMonths interestMonths(const TdsClient &client);
    QList<TdsPeriod> periods(const QString &assessmentYear);
    QList<TdsChallan> challans(const TdsClient &client, const TdsPeriod &period);
    QList<TdsDeducteeRow> deducteeRows(const TdsClient &client, const TdsPeriod &period);
    TdsDeductee deductee(const TdsClient &client, const QString &deducteeKey);
    QList<TdsFiledStatement> filedStatements(const TdsClient &client);

    Database &database() { return *m_db; }

    // Table names are built from the product's codes, which therefore hold letters and
    // digits only.
    static bool isPlainCode(const QString &code);
    static QString quarterTable(const QString &prefix, const QString &periodCode, const QString &clientCode);
    static QString deducteeMasterTable(const QString &clientCode);
    static QString statementTable(const QString &clientCode);

private:
    std::unique_ptr<Database> m_db;
};
