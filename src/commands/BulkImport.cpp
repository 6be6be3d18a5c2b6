#include "BulkImport.h"

#include "base/SharedMessages.h"

#include "base/Prompt.h"
#include "efiling/CodeLookups.h"
#include "efiling/bulk/ZipExtractor.h"
#include "efiling/import/ImportDocument.h"
#include "efiling/import/NameLookups.h"
#include "efiling/import/ReportForm.h"
#include "efiling/import/ReportImport.h"
#include "efiling/json/Json.h"
#include "host/HostContext.h"
#include "store/ClauseTables.h"
#include "store/Database.h"
#include "store/InListChunks.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>

namespace BulkImport
{

const QString kNotFound = QStringLiteral("NOT FOUND");

namespace
{

const QString kInvalid = SharedMessages::invalidFile();

// The files read whole while listing them hold their rows, about the size of their text,
// until each is imported: up to this much text, which a batch of returns seldom reaches.
constexpr qint64 kReadAheadBytes = 64 * 1024 * 1024;

// The form ("FORM3CA - 3CD" or "FORM3CB - 3CD"), year and PAN of a document read as a
// Form 3CA/3CB document.
void takeHeader(File &f, const ImportDocument &doc)
{
    f.year = doc.assessmentYear();
    f.pan = doc.pan();
    f.form = doc.form == FormKind::F3CB ? QStringLiteral("FORM3CB - 3CD") : QStringLiteral("FORM3CA - 3CD");
}

// Reads a file for the list, and for its import too when `whole`; false when the file is not JSON.
bool readForList(File &f, bool whole)
{
    if (whole) {
        try {
            ImportDocument doc = ImportDocument::read(f.path);
            if (doc.status != ImportDocument::Status::Ok)
                return doc.status == ImportDocument::Status::NotForm3CD;
            takeHeader(f, doc);
            f.read = std::make_shared<const ReportImport::ReadFile>(ReportImport::readAll(std::move(doc)));
            return true;
        } catch (const std::exception &) {
            // A file whose rows cannot be read here is read again at its import, which says why.
            f.read.reset();
        }
    }
    const ImportDocument doc = ImportDocument::readHeader(f.path);
    if (doc.status != ImportDocument::Status::Ok)
        return doc.status == ImportDocument::Status::NotForm3CD;
    takeHeader(f, doc);
    return true;
}

// An owner's name from the first, middle and last name columns of the row, from `first` on.
QString nameOfOwner(const Recordset &rs, int first)
{
    QStringList parts;
    for (int i = first; i < first + 3; ++i) {
        if (!rs.Fields(i).trimmed().isEmpty())
            parts << rs.Fields(i).trimmed();
    }
    return parts.join(u' ');
}

QString ownerName(const QString &column, const QVariant &value)
{
    Recordset rs = host().DBObj().Execute(
        QStringLiteral("Select F_Nm, M_Nm, L_Nm from owner1 where %1 = ? ORDER BY SrNo").arg(column),
        {value});
    return rs.Eof() ? QString() : nameOfOwner(rs, 0);
}

QString panKey(const QString &pan)
{
    return pan.trimmed().toUpper();
}

} // namespace

// A few statements for all the files rather than two for each: on a server every statement
// is a round trip.
void matchClients(QList<File> &files)
{
    QStringList pans;
    QSet<QString> listed;
    for (File &f : files) {
        f.client.clear();
        f.clientName.clear();
        if (f.status == kInvalid)
            continue;
        f.client = kNotFound;
        if (!f.pan.isEmpty() && !listed.contains(f.pan)) {
            listed.insert(f.pan);
            pans << f.pan;
        }
    }
    Database &db = host().DBObj();
    QHash<QString, QString> clientOf;
    QHash<QString, QString> ownerOf;
    InListChunks::forEach(pans, [&](const QString &marks, const QVariantList &binds) {
        for (Recordset rs = db.Execute(
                 QStringLiteral("Select pan, Code_No from main_info1 where pan IN (%1)").arg(marks), binds);
             !rs.Eof(); rs.MoveNext()) {
            // A server compares the PAN as its collation does (letter case, trailing blanks).
            const QString pan = panKey(rs.Fields(0));
            if (!clientOf.contains(pan))
                clientOf.insert(pan, rs.Fields(1));
        }
        for (Recordset rs = db.Execute(
                 QStringLiteral("Select pan, F_Nm, M_Nm, L_Nm from owner1 where pan IN (%1) ORDER BY SrNo")
                     .arg(marks),
                 binds);
             !rs.Eof(); rs.MoveNext()) {
            const QString pan = panKey(rs.Fields(0));
            if (!ownerOf.contains(pan))
                ownerOf.insert(pan, nameOfOwner(rs, 1));
        }
    });
    for (File &f : files) {
        const auto client = clientOf.constFind(panKey(f.pan));
        if (f.client != kNotFound || client == clientOf.cend())
            continue;
        f.client = *client;
        f.clientName = ownerOf.value(panKey(f.pan));
    }
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

Unpacked::Unpacked() = default;
Unpacked::~Unpacked() = default;

QString Unpacked::renew()
{
    m_dir.reset();
    QDir().mkpath(host().vTmpPath());
    auto dir =
        std::make_unique<QTemporaryDir>(QDir(host().vTmpPath()).filePath(QStringLiteral("bulk-XXXXXX")));
    if (!dir->isValid())
        return {};
    m_dir = std::move(dir);
    return m_dir->path();
}

void Unpacked::release()
{
    m_dir.reset();
}

QString Unpacked::path() const
{
    return m_dir ? m_dir->path() : QString();
}

QList<File> scanFolder(const QString &folder)
{
    // A zipped folder puts the returns one level down or more; links are not followed.
    QStringList paths;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        if (it.fileInfo().fileName().toUpper().endsWith(QLatin1String(".JSON")))
            paths << path;
    }
    paths.sort();
    const QDir root(folder);
    // The files name the same few codes: each is looked up once for all of them.
    const NameLookups::SharedScope names;
    const CodeLookups::ScopedCache codes;
    qint64 readAhead = 0;
    QList<File> files;
    for (const QString &path : paths) {
        File f;
        const QFileInfo info(path);
        f.path = info.absoluteFilePath();
        f.fileName = root.relativeFilePath(path);
        const bool whole = readAhead + info.size() <= kReadAheadBytes;
        if (!readForList(f, whole))
            f.status = kInvalid;
        if (f.read)
            readAhead += info.size();
        files << f;
    }
    matchClients(files);
    return files;
}

bool scan(const QString &path, bool isZip, QList<File> &files, Unpacked &unpacked)
{
    files.clear();
    unpacked.release();
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
        folder = unpacked.renew();
        const QString problem =
            folder.isEmpty() ? QStringLiteral("Could not create a folder under [%1].").arg(host().vTmpPath())
                             : ZipExtractor::extract(p, folder);
        if (!problem.isEmpty() || !QFileInfo(folder).isDir()) {
            unpacked.release();
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
        unpacked.release();
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
        // A file that is no return needs no client: it is only marked.
        if (!f.form.isEmpty() && (f.client.isEmpty() || f.client == kNotFound)) {
            prompts().inform(QStringLiteral("Please select client."));
            return false;
        }
    }
    if (!any) {
        prompts().inform(QStringLiteral("Please select at least one record to import."));
        return false;
    }

    // One report takes one file: the first listed of those for the same client and year.
    QHash<QString, int> firstFor;
    QList<int> skippedBy(files.size(), -1);
    QStringList twice;
    for (int i = 0; i < files.size(); ++i) {
        const File &f = files.at(i);
        if (!f.selected || f.form.isEmpty())
            continue;
        const QString key = f.client + u'|' + f.year;
        const auto first = firstFor.constFind(key);
        if (first == firstFor.cend()) {
            firstFor.insert(key, i);
            continue;
        }
        skippedBy[i] = *first;
        twice << QStringLiteral("[%1] is imported, not [%2] (client %3, year %4)")
                     .arg(files.at(*first).fileName, f.fileName, f.client, f.year);
    }
    if (!twice.isEmpty())
        prompts().inform(QStringLiteral("More than one file is for the same client and year; only the "
                                        "first of them is imported:\n") +
                         twice.join(u'\n'));

    if (!prompts().askYesNo(QStringLiteral(
            "Do you want to import data from JSON.?\nIt will remove all existing data of 3CD.")))
        return false;
    // What every file's import looks up is read once for the batch: the forms of the
    // reports, and the names behind the codes the files carry.
    QList<ReportForm::Report> reports;
    for (int i = 0; i < files.size(); ++i) {
        const File &f = files.at(i);
        if (f.selected && skippedBy.at(i) < 0 && !f.form.isEmpty())
            reports << ReportForm::Report{f.client, f.year};
    }
    const ReportForm::KnownForms forms(host().DBObj(), reports);
    const NameLookups::SharedScope names;
    const CodeLookups::ScopedCache codes;
    // The files read whole for the list go to their imports, and their rows with them.
    QHash<QString, std::shared_ptr<const ReportImport::ReadFile>> readBefore;
    for (File &f : files) {
        if (f.read)
            readBefore.insert(f.path, std::move(f.read));
    }
    const ReportImport::FilesRead filesRead(std::move(readBefore));
    for (int i = 0; i < files.size(); ++i) {
        File &f = files[i];
        if (!f.selected)
            continue;
        if (skippedBy.at(i) >= 0) {
            f.status = QStringLiteral("Not imported: [%1] is for the same client and year")
                           .arg(files.at(skippedBy.at(i)).fileName);
            continue;
        }
        if (f.form.isEmpty() || !ClauseTables::isValidYearKey(f.year)) {
            f.status = kInvalid;
            continue;
        }
        const FormKind report = ReportForm::stored(host().DBObj(), f.client, f.year);
        const FormKind fileForm =
            f.form.startsWith(QLatin1String("FORM3CB")) ? FormKind::F3CB : FormKind::F3CA;
        if (report != FormKind::None && report != fileForm) {
            f.status = ReportForm::notThisForm(report);
            continue;
        }
        f.status = importFile(f.path, f.client, f.year) ? QStringLiteral("Success") : kInvalid;
    }
    return true;
}

} // namespace BulkImport
