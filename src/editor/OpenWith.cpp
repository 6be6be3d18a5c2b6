#include "OpenWith.h"

#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "commands/clsImportJSON.h"
#include "commands/clsImpotXML3CEB.h"
#include "host/TalvexBase.h"
#include "store/ClientList.h"
#include "store/DbError.h"
#include "store/ModuleState.h"
#include "store/ReportKey.h"

#include <QFileInfo>

namespace OpenWith
{

bool importFile(TalvexBase &host, const QString &file, const QString &yearKey)
{
    const QFileInfo info(file);
    const bool xml = info.suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0;
    if (!xml && info.suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) != 0) {
        prompts().inform(QStringLiteral("%1 is not an e-filing JSON or XML file.").arg(info.fileName()));
        return false;
    }
    if (!info.isFile()) {
        prompts().message(QStringLiteral("%1 cannot be read.").arg(file), {}, PromptIcon::Critical);
        return false;
    }
    try {
        QStringList codes;
        QStringList items;
        for (const ClientList::Client &client : ClientList::byName(host.DBObj())) {
            codes << client.code;
            items << QStringLiteral("%1  %2 (%3)").arg(client.code, client.name, client.pan);
        }
        if (codes.isEmpty()) {
            prompts().inform(QStringLiteral("There is no client to import %1 into: add the client first.")
                                 .arg(info.fileName()));
            return false;
        }
        const QString year = ReportKey::twoYears(yearKey.toInt() - 1);
        const int chosen = prompts().choose(
            QStringLiteral("Open with Talvex"),
            QStringLiteral("Import %1 into the report of %2 of the client:").arg(info.fileName(), year),
            items);
        if (chosen < 0)
            return false;
        const QString form = xml ? QStringLiteral("Form 3CEB") : QStringLiteral("Form 3CD");
        if (prompts().message(
                QStringLiteral("The file will replace all the data of %1 of %2 for the year %3.\n")
                        .arg(form, items.at(chosen), year) +
                    SharedMessages::sureToContinue(),
                QStringLiteral("Warning"), PromptIcon::Question,
                PromptButtons::YesNoDefaultNo) != PromptAnswer::Yes)
            return false;
        host.selectClient(codes.at(chosen));
        host.selectYear(yearKey);
        if (xml) {
            moduleState().openForm(FormKind::F3CEB, yearKey);
            clsImpotXML3CEB importer;
            return importer.ImportXML(file);
        }
        clsImportJSON importer;
        return importer.ImportJSON(file);
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
}

} // namespace OpenWith
