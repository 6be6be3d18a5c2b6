#include "BenchReports.h"

#include "TestHost.h"
#include "dialogs/clsExportJSON.h"
#include "host/HostContext.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>

namespace BenchReports
{

QStringList clause34aRecord(int i)
{
    return {QStringLiteral("MUMS12345A"),
            QStringLiteral("194C"),
            QStringLiteral("Payment to contractor %1").arg(i + 1),
            QString::number(10000 + i) + QStringLiteral(".00"),
            QStringLiteral("10000.00"),
            QStringLiteral("10000.00"),
            QStringLiteral("200.00"),
            QStringLiteral("0.00"),
            QStringLiteral("0.00"),
            QStringLiteral("0.00")};
}

void growClause34a(TestHost &env, int rows)
{
    Transaction tx(env.host().DBObj());
    ClauseStore::deletePoint(17, QStringLiteral("34a"));
    QList<QStringList> grid;
    grid.reserve(rows);
    for (int i = 0; i < rows; ++i)
        grid << clause34aRecord(i);
    ClauseStore::insertRows(17, QStringLiteral("34a"), grid);
    tx.commit();
}

QString panOf(int i)
{
    return QStringLiteral("AABCB%1K").arg(i, 4, 10, QLatin1Char('0'));
}

void addClients(Database &db)
{
    Transaction transaction(db);
    for (int i = 0; i < kReturns; ++i) {
        const QString code = QStringLiteral("B%1").arg(i, 4, 10, QLatin1Char('0'));
        db.Execute(QStringLiteral("INSERT INTO main_info1 (Code_No, Name, PAN) VALUES (?,?,?)"),
                   {code, QStringLiteral("Bench Client %1").arg(i), panOf(i)});
        db.Execute(
            QStringLiteral("INSERT INTO owner1 (Code_No, SrNo, F_Nm, M_Nm, L_Nm, PAN) VALUES (?,?,?,?,?,?)"),
            {code, 1, QString(), QString(), QStringLiteral("Bench Client %1").arg(i), panOf(i)});
    }
    transaction.commit();
}

QByteArray returnOf(const QByteArray &demoReturn, int i)
{
    static const QByteArray demoPan = "\"PAN\": \"AABCS1234K\",\r\n            \"Me_Us_Ms\"";
    QByteArray text = demoReturn;
    text.replace(demoPan, "\"PAN\": \"" + panOf(i).toLatin1() + "\",\r\n            \"Me_Us_Ms\"");
    return text;
}

bool writeReturns(TestHost &env, const QString &folder)
{
    const QByteArray demoReturn = clsExportJSON::compose();
    addClients(env.host().DBObj());
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < kReturns; ++i) {
        QFile file(QDir(folder).filePath(QStringLiteral("3CA_%1_2026.json").arg(panOf(i))));
        if (!file.open(QIODevice::WriteOnly) || file.write(returnOf(demoReturn, i)) < 0)
            return false;
    }
    return true;
}

int growForm3cebTransactions(TestHost &env, int count)
{
    env.openForm(FormKind::F3CEB, QStringLiteral("C004"));
    const QList<ClauseStore::ClauseRow> demo = ClauseStore::readPoint(3, QStringLiteral("11A"));
    if (demo.isEmpty())
        return 0;
    QList<QStringList> grid;
    grid.reserve(count);
    for (int i = 0; i < count; ++i) {
        QStringList cells = demo.at(i % demo.size()).cols;
        cells[0] += QStringLiteral(" %1").arg(i + 1);
        grid << cells;
    }
    Transaction tx(env.host().DBObj());
    ClauseStore::deletePoint(3, QStringLiteral("11A"));
    ClauseStore::insertRows(3, QStringLiteral("11A"), grid);
    tx.commit();
    return count;
}

} // namespace BenchReports
