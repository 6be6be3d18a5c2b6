#include "ImportCommands.h"

#include "CommandWords.h"
#include "Commands.h"
#include "commands/BulkImport.h"
#include "commands/clsImportJSON.h"
#include "host/TalvexBase.h"

#include <QFileInfo>

namespace ImportCommands
{

int importJson(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 1) {
        err << "usage: taxaudit import-json --client C --year Y FILE [--force] [--form-switch] [--yes]\n";
        return 2;
    }
    if (!selectClientAndYear(host, line, err))
        return 2;
    const QString file = line.arguments.first();
    clsImportJSON importer;
    importer.allowOtherPan(line.has(CommandWords::Force));
    importer.allowFormSwitch(line.has(CommandWords::FormSwitch));
    const bool imported = importer.ImportJSON(file);
    out << oneLine(file) << '\t' << oneLine(host.Temp_Code()) << '\t' << host.yearKey() << '\t'
        << (imported ? QStringLiteral("Success") : CommandWords::NotImported) << '\n';
    return imported ? 0 : 1;
}

int bulkImport(TalvexBase &, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 1) {
        err << "usage: taxaudit bulk-import FOLDER|FILE.zip [--yes]\n";
        return 2;
    }
    const QString path = line.arguments.first();
    const bool isZip = path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive) && !QFileInfo(path).isDir();
    QList<BulkImport::File> files;
    BulkImport::Unpacked unpacked;
    if (!BulkImport::scan(path, isZip, files, unpacked))
        return 2;
    // Every return whose PAN names a client; the others wait for a client chosen on the screen.
    bool any = false;
    for (BulkImport::File &f : files) {
        f.selected = !f.form.isEmpty() && f.client != BulkImport::kNotFound;
        any = any || f.selected;
    }
    const bool ran = any && BulkImport::importSelected(files, &clsImportJSON::importFile);
    bool allImported = ran;
    for (const BulkImport::File &f : files) {
        const QString status = f.status.isEmpty() ? CommandWords::NotImported : f.status;
        allImported = allImported && status == QLatin1String("Success");
        out << oneLine(f.fileName) << '\t' << f.form << '\t' << oneLine(f.year) << '\t' << oneLine(f.pan)
            << '\t' << oneLine(f.client) << '\t' << oneLine(status) << '\n';
    }
    return allImported ? 0 : 1;
}

} // namespace ImportCommands
