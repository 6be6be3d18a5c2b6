#include "frmeflvalid.h"

#include "base/Prompt.h"
#include "efiling/JsonFileCheck.h"

#include <QDir>
#include <QFile>

int frmeflvalid::ValidFile(int, const QString &schemaFolder, const QString &file)
{
    const QString schema = QDir(schemaFolder).filePath(JsonFileCheck::schemaFileName(moduleState().formKind));
    const CheckResult result = JsonFileCheck::check(file, schema);
    if (!result.failure.isEmpty()) {
        prompts().message(result.failure, {}, PromptIcon::Critical);
        return 1;
    }
    // A file of an earlier layout is told so once; the list then holds its real faults.
    if (!result.layout.isEmpty())
        prompts().inform(result.layout);
    if (result.findings.isEmpty())
        return result.layout.isEmpty() ? 0 : 1;
    const Source source{file, false, [file, schema] { return JsonFileCheck::check(file, schema); }};
    return present<frmeflvalid>(source, result) ? 0 : 1;
}
