#include "GenerateJsonCommand.h"

#include "dialogs/clsExportJSON.h"
#include "editor/Form3CD.h"

namespace GenerateJsonCommand
{

void registerWithEditor(FormKind openForm)
{
    const bool form3CD = openForm == FormKind::F3CA || openForm == FormKind::F3CB;
    // The mode letter is the online filing service's; this installation files offline ("F").
    Form3CD::setHandler(EditorCommand::GenerateJson, form3CD ? Form3CD::Handler([](Form3CD &) {
                            clsExportJSON().GenerateJSON(QStringLiteral("F"));
                        })
                                                             : Form3CD::Handler());
}

} // namespace GenerateJsonCommand
