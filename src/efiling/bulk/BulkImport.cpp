#include "BulkImport.h"

#include "ZipExtractor.h"
#include "base/Prompt.h"
#include "efiling/json/Json.h"
#include "host/HostContext.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace BulkImport
{

const QString kNotFound = QStringLiteral("NOT FOUND");

namespace
{

// The form root of a document: "FORM3CA" or "FORM3CB" (an upload envelope is opened at
// "data"), or empty.
QString readHeader(const QString &path, QString &year, QString &pan)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::optional<JsonValue> parsed = JSON::ParseJson(QString::fromUtf8(file.readAll()));
    if (!parsed || !JSON::ParserErrors().isEmpty() || !parsed->isObject() || parsed->Keys().isEmpty())
        return {};
    const JsonValue *root = &*parsed;
    if (root->Keys().first() == QLatin1String("metadata"))
        root = &root->Item(QStringLiteral("data"));
    if (!root->isObject() || root->Keys().isEmpty())
        return {};
    const QString form = root->Keys().first();
    if (form != QLatin1String("FORM3CA") && form != QLatin1String("FORM3CB"))
        return {};
    const JsonValue &body = root->Item(form).Item(form == QLatin1String("FORM3CA") ? QStringLiteral("F3CA")
                                                                                   : QStringLiteral("F3CB"));
    year = body.Item(QStringLiteral("Form_Details")).Item(QStringLiteral("AssessmentYear")).text();
    pan = body.Item(QStringLiteral("Declaration"))
              .Item(QStringLiteral("Point1"))
              .Item(QStringLiteral("PAN"))
              .text();
    return form;
}

QString ownerName(const QString &column, const QVariant &value)
{
    Recordset rs = host().DBObj().Execute(
        QStringLiteral("Select F_Nm, M_Nm, L_Nm from owner1 where %1 = ? ORDER BY SrNo").arg(column),
        {value});
    if (rs.Eof())
        return {};
    QStringList parts;
    for (int i = 0; i < 3; ++i) {
        if (!rs.Fields(i).trimmed().isEmpty())
            parts << rs.Fields(i).trimmed();
    }
    return parts.join(u' ');
}

} // namespace

void matchClient(File &file)
{
    file.client = kNotFound;
    file.clientName.clear();
    if (file.pan.isEmpty())
        return;
    Recordset rs =
        host().DBObj().Execute(QStringLiteral("Select Code_No from main_info1 where pan = ?"), {file.pan});
    if (rs.Eof())
        return;
    file.client = rs.Fields(0);
    file.clientName = ownerName(QStringLiteral("pan"), file.pan);
}

void assignClient(File &file, const QString &clientCode)
{
    Recordset rs = host().DBObj().Execute(
        QStringLiteral("Select Code_No, Name from main_info1 where Code_No = ?"), {clientCode});
    if (rs.Eof())
        return;
    file.client = rs.Fields(0);
    file.clientName = ownerName(QStringLiteral("Code_No"), clientCode);
    if (file.clientName.isEmpty())
        file.clientName = rs.Fields(1);
}

QList<File> scanFolder(const QString &folder)
{
    QList<File> files;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &info : entries) {
        if (!info.fileName().toUpper().endsWith(QLatin1String(".JSON")))
            continue;
        File f;
        f.path = info.absoluteFilePath();
        f.fileName = info.fileName();
        const QString form = readHeader(f.path, f.year, f.pan);
        if (!form.isEmpty())
            f.form = form + QStringLiteral(" - 3CD");
        matchClient(f);
        files << f;
    }
    return files;
}

bool scan(const QString &path, bool isZip, QList<File> &files)
{
    files.clear();
    const QString p = path.trimmed();
    if (p.isEmpty()) {
        prompts().inform(isZip ? QStringLiteral("Please Select a Zip File.")
                               : QStringLiteral("Please Select a Folder."));
        return false;
    }
    QString folder = p;
    if (isZip) {
        if (!QFileInfo(p).isFile()) {
            prompts().inform(QStringLiteral("Zip File does not Exists."));
            return false;
        }
        folder = QDir(host().vTmpPath()).filePath(QFileInfo(p).completeBaseName());
        if (QFileInfo::exists(folder) && !QDir(folder).removeRecursively()) {
            prompts().inform(QStringLiteral("Could not Delete Temporary Folder [%1]").arg(folder));
            return false;
        }
        const QString problem = ZipExtractor::extract(p, folder);
        if (!problem.isEmpty() || !QFileInfo(folder).isDir()) {
            prompts().inform(QStringLiteral("Could not Extract the Zip File.") +
                             (problem.isEmpty() ? QString() : u'\n' + problem));
            return false;
        }
    } else if (!QFileInfo(p).isDir()) {
        prompts().inform(QStringLiteral("Folder does not Exists."));
        return false;
    }
    files = scanFolder(folder);
    if (files.isEmpty()) {
        prompts().inform(QStringLiteral("Could not Find any JSON File."));
        return false;
    }
    return true;
}

bool importSelected(QList<File> &files, const FileImport &importFile)
{
    bool any = false;
    for (const File &f : files) {
        if (!f.selected)
            continue;
        any = true;
        if (f.client.isEmpty() || f.client == kNotFound) {
            prompts().inform(QStringLiteral("Please select client."));
            return false;
        }
    }
    if (!any) {
        prompts().inform(QStringLiteral("Please select at least one record to import."));
        return false;
    }
    if (!prompts().askYesNo(QStringLiteral(
            "Do you want to import data from JSON.?\nIt will remove all existing data of 3CD.")))
        return false;
    for (File &f : files) {
        if (!f.selected)
            continue;
        const bool ok = !f.form.isEmpty() && importFile(f.path, f.client, f.year);
        f.status = ok ? QStringLiteral("Success") : QStringLiteral("Invalid File.");
    }
    return true;
}

} // namespace BulkImport
