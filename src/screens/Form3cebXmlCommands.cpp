#include "Form3cebXmlCommands.h"

#include "commands/clsExportXML3CEB.h"
#include "commands/clsImpotXML3CEB.h"
#include "dialogs/frmeflvalidXML.h"
#include "editor/Form3CD.h"
#include "host/HostContext.h"

namespace Form3cebXmlCommands
{

void registerWithEditor(FormKind openForm)
{
    if (openForm != FormKind::F3CEB)
        return;
    Form3CD::setHandler(EditorCommand::GenerateJson, [](Form3CD &) {
        clsExportXML3CEB([](const QString &file) {
            return frmeflvalidXML::ValidFile(host().yearKey().toInt(), clsExportXML3CEB::schemaFolder(),
                                             file);
        }).GenerateXML();
    });
    Form3CD::setHandler(EditorCommand::ImportJson, [](Form3CD &) { clsImpotXML3CEB().ImportXML(); });
}

} // namespace Form3cebXmlCommands
