#include "TdsSource.h"

#include "store/Database.h"
#include "store/DbError.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

bool TdsClient::individualOrFamily() const
{
    const QString s = status.trimmed().toUpper();
    return s.startsWith(QLatin1String("INDIVIDUAL")) || s == QLatin1String("HUF") ||
           s.startsWith(QLatin1String("HINDU UNDIVIDED"));
}

TdsSource::~TdsSource() = default;

TdsSource::TdsSource(std::unique_ptr<Database> db) : m_db(std::move(db)) {}

std::unique_ptr<TdsSource> TdsSource::open(const DbUrl &url)
{
    // The TDS product's database is read, never made: a path that names no file is a mistake.
    if (url.kind == DbUrl::Kind::SQLite && !QFileInfo(url.path).isFile())
        throw DbError(
            QStringLiteral("There is no TDS database at [%1].").arg(QDir::toNativeSeparators(url.path)));
    return std::make_unique<TdsSource>(Database::open(url));
}

bool TdsSource::isPlainCode(const QString &code)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9]{1,20}$"));
    return plain.match(code).hasMatch();
}

QString TdsSource::quarterTable(const QString &prefix, const QString &periodCode, const QString &clientCode)
{
    return prefix + periodCode + u'_' + clientCode;
}

QString TdsSource::deducteeMasterTable(const QString &clientCode)
{
    return QStringLiteral("DM_") + clientCode;
}

QString TdsSource::statementTable(const QString &clientCode)
{
    return QStringLiteral("TRD_") + clientCode;
}

QList<TdsClient> TdsSource::clients()
{
    QHash<QString, QString> offices;
    if (m_db->tableExists(QStringLiteral("Main_Info1"))) {
        for (Recordset rs = m_db->Execute(QStringLiteral("SELECT Code_No, State FROM Main_Info1")); !rs.Eof();
             rs.MoveNext())
            offices.insert(rs.Fields(0), rs.Fields(1).trimmed());
    }
    QList<TdsClient> all;
    for (Recordset rs = m_db->Execute(QStringLiteral("Select * from Main_Info Order by Name")); !rs.Eof();
         rs.MoveNext()) {
        const QString code = rs.Fields(QStringLiteral("Code_No"));
        all << TdsClient{code,
                         rs.Fields(QStringLiteral("Name")),
                         rs.Fields(QStringLiteral("PanNo")).trimmed().toUpper(),
                         rs.Fields(QStringLiteral("TanNo")).trimmed().toUpper(),
                         rs.Fields(QStringLiteral("Status1")),
                         rs.Fields(QStringLiteral("City")),
                         rs.Fields(QStringLiteral("State")),
                         offices.value(code)};
    }
    return all;
}

QString TdsSource::stateKey(const QString &state)
{
    QString key;
    for (const QChar c : state)
        if (c.isLetter())
            key += c.toUpper();
    return key == QLatin1String("ORISSA") ? QStringLiteral("ODISHA") : key;
}

QString TdsSource::dueDate(const QString &assessmentYear, const QString &kind, int quarter,
                           const QString &deductorState)
{
    // The product records the dates extended for the deductors of one state beside the
    // date that holds for every other.
    QString everywhere;
    const QString state = stateKey(deductorState);
    for (Recordset rs =
             m_db->Execute(QStringLiteral("SELECT * FROM DueDT_Master WHERE AssYear=? AND FormType=? AND "
                                          "StatC=? ORDER BY StatC"),
                           {assessmentYear, kind, quarter});
         !rs.Eof(); rs.MoveNext()) {
        const QString revised = rs.Fields(QStringLiteral("RevDueDt")).trimmed();
        const QString date = revised.isEmpty() ? rs.Fields(QStringLiteral("DueDt")).trimmed() : revised;
        const QString rowState = stateKey(rs.Fields(QStringLiteral("State")));
        if (!rowState.isEmpty() && rowState == state)
            return date;
        if (rowState.isEmpty() && everywhere.isEmpty())
            everywhere = date;
    }
    return everywhere;
}

QDate TdsSource::depositDueDate(const QString &assessmentYear, const QDate &due, const QString &deductorState)
{
    const auto date = [](const QString &text) {
        return QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
    };
    const QString state = stateKey(deductorState);
    QDate everywhere;
    for (Recordset rs = m_db->Execute(
             QStringLiteral("SELECT * FROM DueDT_Master WHERE AssYear=? AND FormType=? ORDER BY StatC"),
             {assessmentYear, QStringLiteral("CHALLAN")});
         !rs.Eof(); rs.MoveNext()) {
        const QDate from = date(rs.Fields(QStringLiteral("FromDt")));
        const QDate to = date(rs.Fields(QStringLiteral("ToDt")));
        if (!from.isValid() || !to.isValid() || due < from || due > to)
            continue;
        const QString revised = rs.Fields(QStringLiteral("RevDueDt")).trimmed();
        const QDate extended = date(revised.isEmpty() ? rs.Fields(QStringLiteral("DueDt")) : revised);
        if (!extended.isValid())
            continue;
        const QString rowState = stateKey(rs.Fields(QStringLiteral("State")));
        if (!rowState.isEmpty() && rowState == state)
            return std::max(due, extended);
        if (rowState.isEmpty() && !everywhere.isValid())
            everywhere = extended;
    }
    return everywhere.isValid() ? std::max(due, everywhere) : due;
}

std::optional<bool> TdsSource::auditedBefore(const TdsClient &client, const QString &assessmentYear)
{
    if (!m_db->tableExists(QStringLiteral("GenInfo_MiscInf")))
        return std::nullopt;
    Recordset rs =
        m_db->Execute(QStringLiteral("SELECT Opt44AA FROM GenInfo_MiscInf WHERE Code_No=? AND ass_year=?"),
                      {client.code, assessmentYear});
    if (rs.Eof())
        return std::nullopt;
    const QString answer = rs.Fields(0).trimmed().toUpper();
    if (answer == QLatin1String("Y") || answer == QLatin1String("YES") || answer == QLatin1String("1") ||
        answer == QLatin1String("TRUE"))
        return true;
    if (answer == QLatin1String("N") || answer == QLatin1String("NO") || answer == QLatin1String("0") ||
        answer == QLatin1String("FALSE"))
        return false;
    return std::nullopt;
}

TdsInterestMonths TdsSource::interestMonths(const TdsClient &client)
{
    if (!m_db->tableExists(QStringLiteral("IntCalcSetup")))
        return TdsInterestMonths::Calendar;
    // The client's own row before the one for all clients.
    for (const QString &code : {client.code, QStringLiteral("##ALL##CLIENTS##")}) {
        Recordset rs = m_db->Execute(QStringLiteral("SELECT Opts FROM IntCalcSetup WHERE Code_No=?"), {code});
        if (!rs.Eof())
            return rs.Fields(0).trimmed() == QLatin1String("2") ? TdsInterestMonths::FromTheDay
                                                                : TdsInterestMonths::Calendar;
    }
    return TdsInterestMonths::Calendar;
}

QList<TdsPeriod> TdsSource::periods(const QString &assessmentYear)
{
    QList<TdsPeriod> all;
    for (Recordset rs = m_db->Execute(
             QStringLiteral(
                 "SELECT HalfYear, Period_Code FROM Period_Master WHERE AsYear=? ORDER BY HalfYear"),
             {assessmentYear});
         !rs.Eof(); rs.MoveNext()) {
        const QString code = rs.Fields(QStringLiteral("Period_Code")).trimmed();
        if (!isPlainCode(code))
            throw DbError(
                QStringLiteral("The TDS database names a period [%1] that is not a plain code.").arg(code));
        all << TdsPeriod{rs.Fields(QStringLiteral("HalfYear")).toInt(), code};
    }
    return all;
}

QList<TdsChallan> TdsSource::challans(const TdsClient &client, const TdsPeriod &period)
{
    const QString table = quarterTable(QStringLiteral("CD"), period.code, client.code);
    QList<TdsChallan> all;
    if (!m_db->tableExists(table))
        return all;
    for (Recordset rs = m_db->Execute(
             QStringLiteral("SELECT * FROM %1 WHERE CorMode LIKE 'A%' ORDER BY SeqNo").arg(table));
         !rs.Eof(); rs.MoveNext())
        all << TdsChallan{rs.Fields(QStringLiteral("ChSrNo")), rs.Fields(QStringLiteral("SecCode")),
                          rs.Fields(QStringLiteral("Challan_Dt")),
                          rs.Fields(QStringLiteral("Amount")).toDouble(),
                          rs.Fields(QStringLiteral("interest")).toDouble()};
    return all;
}

QList<TdsDeducteeRow> TdsSource::deducteeRows(const TdsClient &client, const TdsPeriod &period)
{
    const QString table = quarterTable(QStringLiteral("DD"), period.code, client.code);
    QList<TdsDeducteeRow> all;
    if (!m_db->tableExists(table))
        return all;
    for (Recordset rs = m_db->Execute(QStringLiteral("SELECT * FROM %1 WHERE Amount>0 AND CorMode LIKE 'A%' "
                                                     "ORDER BY DedSrNo,PANSrNo")
                                          .arg(table));
         !rs.Eof(); rs.MoveNext()) {
        const auto number = [&](const char *name) { return rs.Fields(QLatin1String(name)).toDouble(); };
        all << TdsDeducteeRow{rs.Fields(QStringLiteral("SrNo")),
                              rs.Fields(QStringLiteral("SubSec")).trimmed(),
                              rs.Fields(QStringLiteral("DedSrNo")) + u':' +
                                  rs.Fields(QStringLiteral("PANSrNo")),
                              rs.Fields(QStringLiteral("PayDt")),
                              number("Amount"),
                              number("RateTax") + number("RateSC") + number("RateEC") + number("RateEC1"),
                              number("TotTaxDed"),
                              number("AmtDep"),
                              rs.Fields(QStringLiteral("DedDt")),
                              rs.Fields(QStringLiteral("Reasons")).trimmed().toUpper()};
    }
    return all;
}

TdsDeductee TdsSource::deductee(const TdsClient &client, const QString &deducteeKey)
{
    Recordset rs = m_db->Execute(QStringLiteral("SELECT * FROM %1 WHERE CONCAT(DedSrNo,':',PANSrNo)=?")
                                     .arg(deducteeMasterTable(client.code)),
                                 {deducteeKey});
    if (rs.Eof())
        return {};
    const auto field = [&](const char *name) { return rs.Fields(QLatin1String(name)).trimmed(); };
    const auto joined = [](const QString &a, const QString &b) {
        return a.isEmpty() || b.isEmpty() ? a + b : a + QStringLiteral(", ") + b;
    };
    return TdsDeductee{field("DedName"),
                       field("DedPAN").toUpper(),
                       joined(field("DedFlat"), field("DedBuilding")),
                       joined(field("DedStreet"), field("DedArea")),
                       field("DedCity"),
                       field("DedPin"),
                       field("DedST"),
                       field("DedIST"),
                       field("DedRST").compare(QLatin1String("NR"), Qt::CaseInsensitive) != 0};
}

QList<TdsFiledStatement> TdsSource::filedStatements(const TdsClient &client)
{
    const QString table = statementTable(client.code);
    QList<TdsFiledStatement> all;
    if (!m_db->tableExists(table))
        return all;
    for (Recordset rs = m_db->Execute(QStringLiteral("Select * From %1 WHERE CorSrNo=0 AND DataStat NOT IN "
                                                     "('IP','FV') AND LENGTH(FlDt)=10")
                                          .arg(table));
         !rs.Eof(); rs.MoveNext())
        all << TdsFiledStatement{rs.Fields(QStringLiteral("FormNo")).trimmed(),
                                 rs.Fields(QStringLiteral("Period_Code")).trimmed(),
                                 rs.Fields(QStringLiteral("FlDt"))};
    return all;
}
