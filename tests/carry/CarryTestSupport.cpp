#include "CarryTestSupport.h"

#include "dialogs/clsExportJSON.h"
#include "efiling/JsonFileCheck.h"
#include "commands/CarryCommands.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QDate>
#include <QDir>
#include <QFile>

void CarryTest::open(const QString &client, const QString &year, FormKind form)
{
    env->openForm(form, client, year);
}

QStringList CarryTest::rows()
{
    QStringList lines;
    for (const ClauseStore::ClauseRow &row : ClauseStore::readAll())
        lines << QStringList{QString::number(row.page), row.formName, row.point, row.cols.join(u'|')}.join(
            u'|');
    return lines;
}

QList<QStringList> CarryTest::point(int page, const QString &point)
{
    QList<QStringList> list;
    for (const ClauseStore::ClauseRow &row : ClauseStore::readPoint(page, point))
        list << row.cols;
    return list;
}

void CarryTest::store(int page, const QString &point, const QList<QStringList> &rows)
{
    Transaction transaction(env->host().DBObj());
    ClauseStore::deletePoint(page, point);
    if (rows.size() == 1)
        ClauseStore::insertRow(page, point, rows.first());
    else
        ClauseStore::insertRows(page, point, rows);
    transaction.commit();
}

QString CarryTest::writeFile(const QString &name, const QByteArray &text) const
{
    const QString path = QDir(env->dir()).filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
    return path;
}

QStringList CarryTest::schemaFindings()
{
    const QString path = writeFile(QStringLiteral("report.json"), clsExportJSON::compose(QDate(2026, 10, 1)));
    QStringList lines;
    const QString schema =
        clsExportJSON::schemaFolder() + (moduleState().formKind == FormKind::F3CB
                                             ? QStringLiteral("/FORM3CB3CD_MainSchema.json")
                                             : QStringLiteral("/FORM3CA3CD_MainSchema.json"));
    for (const ValidationFinding &f : JsonFileCheck::check(path, schema).findings)
        lines << f.root + u'.' + f.member + QStringLiteral(": ") + f.message;
    return lines;
}

bool CarryTest::carry(bool withoutFigures)
{
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes);
    CarryCommands::Answers answers;
    answers.withoutFigures = withoutFigures;
    return CarryCommands::previousYear(answers);
}
