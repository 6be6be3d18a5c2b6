#include "ImportTestSupport.h"

#include "SourceDataDir.h"
#include "dialogs/clsExportJSON.h"
#include "efiling/JsonSchemaCheck.h"
#include "commands/clsImportJSON.h"
#include "host/DemoClauses.h"
#include "host/HostContext.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>

void ImportTest::SetUp()
{
    EngineTest::SetUp();
    if (!env)
        return;
    // The first client's demo report as the program creates it: every clause filled.
    open(QStringLiteral("C001"));
    fillDemoReport(*env);
}

void fillDemoReport(TestHost &env)
{
    env.openFilledReport();
}

void ImportTest::open(const QString &client, FormKind form)
{
    env->openForm(form, client);
}

QByteArray ImportTest::documentOf(const QString &client, FormKind form)
{
    open(client, form);
    return clsExportJSON::compose(QDate(2026, 10, 1));
}

QString ImportTest::writeFile(const QString &name, const QByteArray &text) const
{
    const QString path = QDir(env->dir()).filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
    return path;
}

nlohmann::json ImportTest::importedAndWritten(const nlohmann::json &file)
{
    const QString path = writeFile("3CA_other.json", QByteArray::fromStdString(file.dump(2)));
    open("C004");
    env->prompt().queue(PromptAnswer::Yes);
    EXPECT_TRUE(clsImportJSON().ImportJSON(path));
    return nlohmann::json::parse(documentOf("C004").toStdString());
}

QStringList ImportTest::rowsOf(const QString &client)
{
    const QString before = host().Temp_Code();
    env->host().selectClient(client);
    QStringList lines;
    for (const ClauseStore::ClauseRow &row : ClauseStore::readAll())
        lines << QStringList{QString::number(row.page), row.formName, row.point, row.cols.join(u'|')}.join(
            u'|');
    env->host().selectClient(before);
    return lines;
}

QByteArray readWhole(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void listsBesideTheirInfo(nlohmann::json &formKey)
{
    std::vector<std::string> infos;
    for (auto it = formKey.begin(); it != formKey.end(); ++it) {
        if (it->is_object() && it->contains("CsvDtls"))
            infos.push_back(it.key());
    }
    for (const std::string &info : infos) {
        for (auto it = formKey[info].begin(); it != formKey[info].end(); ++it) {
            if (it.key() != "CsvDtls") {
                formKey[it.key()] = it.value();
                formKey[info].erase(it.key());
                break;
            }
        }
    }
}

QList<ValidationFinding> schemaFindings(const nlohmann::json &doc)
{
    const QByteArray schema = readWhole(
        QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/JSONSchema/FORM3CA3CD/FORM3CA3CD_MainSchema.json"));
    return JsonSchemaCheck(schema.toStdString()).run(doc.dump(2));
}
