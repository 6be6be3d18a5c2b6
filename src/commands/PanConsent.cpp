#include "PanConsent.h"

#include "base/Prompt.h"
#include "host/HostContext.h"

namespace PanConsent
{

namespace
{

bool askedYes(const QString &question)
{
    return prompts().message(question, {}, PromptIcon::Warning, PromptButtons::YesNoDefaultNo) ==
           PromptAnswer::Yes;
}

} // namespace

bool accepted(const QStringList &pansInFile, bool allowOther)
{
    if (allowOther)
        return true;
    const QString client = host().vAsPAN().trimmed();
    QStringList named;
    for (const QString &pan : pansInFile) {
        const QString inFile = pan.trimmed();
        if (!inFile.isEmpty() && !named.contains(inFile, Qt::CaseInsensitive))
            named << inFile;
    }
    if (named.isEmpty())
        return askedYes(
            QStringLiteral("The file does not name the assessee's PAN, so it cannot be told whether it is "
                           "this client's [%1]. Import anyway?")
                .arg(client));
    for (const QString &inFile : std::as_const(named)) {
        if (inFile.compare(client, Qt::CaseInsensitive) != 0 &&
            !askedYes(QStringLiteral(
                          "The PAN in the file [%1] does not match the client's PAN [%2]. Import anyway?")
                          .arg(inFile, client)))
            return false;
    }
    return true;
}

} // namespace PanConsent
