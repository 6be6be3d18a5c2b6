#include "Form3cebTestSupport.h"

#include "efiling/xml3ceb/Xml3cebWriter.h"
#include "store/ClauseStore.h"
#include "store/ReportKey.h"

#include <QDir>
#include <QFile>

void Form3cebTest::open(const QString &client)
{
    env->openForm(FormKind::F3CEB, client);
}

QByteArray Form3cebTest::documentOf(const QString &client)
{
    open(client);
    return Xml3cebWriter::document(*ReportModel::load(), kWritten);
}

QString Form3cebTest::writeFile(const QString &name, const QByteArray &text) const
{
    const QString path = QDir(env->dir()).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

QStringList Form3cebTest::rowsOf(const QString &client)
{
    QStringList lines;
    for (const ClauseStore::ClauseRow &row :
         ClauseStore::readAll(ReportKey::of(client, QStringLiteral("2026"), FormKind::F3CEB)))
        lines << QStringList{QString::number(row.page), row.formName, row.point, row.cols.join(u'|')}.join(
            u'|');
    lines.sort();
    return lines;
}

ReportModel emptyReport(const QString &yearKey)
{
    return ReportModel(ReportKey::of(QStringLiteral("C001"), yearKey, FormKind::F3CEB));
}
