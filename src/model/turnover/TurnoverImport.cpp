#include "TurnoverImport.h"

#include "AccountFigures.h"
#include "base/Prompt.h"
#include "host/HostContext.h"
#include "model/amounts/Amounts.h"
#include "store/ClauseTables.h"
#include "store/Database.h"

namespace TurnoverImport
{

namespace
{

// The fields of one year filled from the accounts; suffix is "" or "p".
void fillFromAccounts(Clause40::Fields &fields, const AccountFigures::RatioFigures &f, const QString &p)
{
    const QString turnover = Amounts::format0(f.turnover);
    fields[QStringLiteral("txt40a") + p] = turnover;
    fields[QStringLiteral("txt40b%1GP").arg(p)] = Amounts::format0(f.grossProfit);
    fields[QStringLiteral("txt40b%1TO").arg(p)] = turnover;
    fields[QStringLiteral("txt40c%1NP").arg(p)] = Amounts::format0(f.netProfit);
    fields[QStringLiteral("txt40c%1TO").arg(p)] = turnover;
    fields[QStringLiteral("txt40d%1SIT").arg(p)] = Amounts::format0(f.stockInTrade);
    fields[QStringLiteral("txt40d%1TO").arg(p)] = turnover;
}

bool accountsKeptFor(const QString &client, int yearKey)
{
    Recordset rs = host().DBObj().Execute(
        QStringLiteral("select PyrInd from master where code_no=? and f_yr=? and s_yr=?"),
        {client, QStringLiteral("0104%1").arg(yearKey - 1), QStringLiteral("3103%1").arg(yearKey)});
    return !rs.Eof() && rs.Fields(0).trimmed() == QLatin1String("1");
}

// Reports of years up to 2014 kept clause 32 (a) to (d): Col1 ratio, Col2 numerator, Col3 denominator.
void fillFromOldFormat(Clause40::Fields &fields, const QString &client, const QString &yearKey)
{
    Recordset rs = host().DBObj().Execute(
        QStringLiteral(
            "SELECT PointNo, Col2, Col3 FROM annex_3cd WHERE Code_No=? AND FYr=? AND PageNo=17 AND "
            "PointNo IN ('32a','32b','32c','32d')"),
        {client, yearKey});
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString point = rs.Fields(0);
        const QString numerator = Amounts::wholeRupees(rs.Fields(1));
        const QString denominator = Amounts::wholeRupees(rs.Fields(2));
        if (point == QLatin1String("32a")) {
            fields[QStringLiteral("txt40bpGP")] = numerator;
            fields[QStringLiteral("txt40bpTO")] = denominator;
            fields[QStringLiteral("txt40ap")] = denominator;
        } else if (point == QLatin1String("32b")) {
            fields[QStringLiteral("txt40cpNP")] = numerator;
            fields[QStringLiteral("txt40cpTO")] = denominator;
        } else if (point == QLatin1String("32c")) {
            fields[QStringLiteral("txt40dpSIT")] = numerator;
            fields[QStringLiteral("txt40dpTO")] = denominator;
        } else if (point == QLatin1String("32d")) {
            fields[QStringLiteral("txt40epMC")] = numerator;
            fields[QStringLiteral("txt40epFGP")] = denominator;
        }
    }
}

// The current-year columns of last year's clause 40 records become this year's
// preceding-year fields.
void fillFromReport(Clause40::Fields &fields, const QString &table, const QString &client,
                    const QString &yearKey)
{
    Database &db = host().DBObj();
    if (!db.tableExists(table))
        return;
    for (const Clause40::Record &record : Clause40::records()) {
        Recordset rs = db.Execute(
            QStringLiteral("SELECT Col1, Col2 FROM %1 WHERE Code_No=? AND FYr=? AND PageNo=20 AND PointNo=?")
                .arg(table),
            {client, yearKey, record.point});
        if (rs.Eof())
            continue;
        if (record.point == QLatin1String("40a")) {
            fields[record.fields.at(1)] = Amounts::wholeRupees(rs.Fields(0));
        } else {
            fields[record.fields.at(3)] = Amounts::wholeRupees(rs.Fields(0));
            fields[record.fields.at(4)] = Amounts::wholeRupees(rs.Fields(1));
        }
    }
}

} // namespace

void ImportTO_Data(Clause40::Fields &fields)
{
    HostContext &h = host();
    const QString client = h.Temp_Code();
    fillFromAccounts(fields, AccountFigures::figures(client, h.yearKey()), QString());

    const int previous = h.yearKey().toInt() - 1;
    const QString previousKey = QString::number(previous);
    if (accountsKeptFor(client, previous)) {
        fillFromAccounts(fields, AccountFigures::figures(client, previousKey), QStringLiteral("p"));
    } else if (previous <= 2014) {
        fillFromOldFormat(fields, client, previousKey);
    } else {
        const bool newFormat =
            prompts().askYesNo(QStringLiteral("Dou you want to import data from New Format?."));
        fillFromReport(fields,
                       newFormat ? ClauseTables::clauseTableName(previousKey)
                                 : ClauseTables::olderClauseTableName(previousKey),
                       client, previousKey);
    }
    Clause40::recomputeRatios(fields);
}

} // namespace TurnoverImport
