#include "TdsDbImport.h"

#include "base/Prompt.h"
#include "spreadsheet/TdsImport.h"

#include <QDate>
#include <QRegularExpression>

namespace TdsDbImport
{

bool confirmClients(const QList<TdsClient> &selected, const QString &clientPan)
{
    if (selected.isEmpty()) {
        prompts().inform(QStringLiteral("Please select atleast one Client."));
        return false;
    }
    for (const TdsClient &client : selected)
        if (!TdsSource::isPlainCode(client.code)) {
            prompts().message(
                QStringLiteral("The TDS client code [%1] holds characters other than letters and digits.")
                    .arg(client.code),
                {}, PromptIcon::Critical);
            return false;
        }
    for (const TdsClient &client : selected)
        if (client.pan.compare(clientPan, Qt::CaseInsensitive) != 0 &&
            !prompts().askYesNo(
                QStringLiteral("Selected client's PAN [%1] does not match with [%2]\nDo you still "
                               "want to Import from selected client?")
                    .arg(client.pan, clientPan)))
            return false;
    return selected.size() == 1 || prompts().askYesNo(QStringLiteral(
                                       "Do you really want to Import from selected multiple clients ?"));
}

QString dueDateRefusal(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d\\d/\\d\\d/\\d\\d\\d\\d$"));
    if (!shape.match(text.trimmed()).hasMatch())
        return QStringLiteral("Please specify valid 'Due Date' !");
    if (!QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy")).isValid())
        return QStringLiteral("Invalid 'Due Date' !");
    return {};
}

QString returnDueDate(TdsSource &source, const QString &assessmentYear)
{
    return source.dueDate(assessmentYear, QStringLiteral("ITR"));
}

bool importLists(ReportModel &report, TdsSource &source, const QList<TdsClient> &clients,
                 const TdsLists::Options &options, const QString &annexFolder,
                 const TdsLists::Progress &progress, TdsLists::Lists *built)
{
    const std::optional<TdsLists::Lists> lists = TdsLists::build(source, clients, options, progress);
    if (!lists)
        return false;
    if (built)
        *built = *lists;
    if (lists->isEmpty()) {
        prompts().inform(QStringLiteral("No Record !"));
        return false;
    }
    return TdsImport::writeLists(report, *lists, annexFolder);
}

} // namespace TdsDbImport
