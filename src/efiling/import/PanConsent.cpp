#include "PanConsent.h"

#include "base/Prompt.h"
#include "host/HostContext.h"

namespace PanConsent
{

bool accepted(const QString &panInFile, bool allowOther)
{
    const QString inFile = panInFile.trimmed();
    const QString client = host().vAsPAN().trimmed();
    if (allowOther || inFile.isEmpty() || inFile.compare(client, Qt::CaseInsensitive) == 0)
        return true;
    return prompts().message(
               QStringLiteral("The PAN in the file [%1] does not match the client's PAN [%2]. Import anyway?")
                   .arg(inFile, client),
               {}, PromptIcon::Warning, PromptButtons::YesNoDefaultNo) == PromptAnswer::Yes;
}

} // namespace PanConsent
