#include "ImportJsonCommand.h"

#include "commands/clsImportJSON.h"
#include "editor/Form3CD.h"

namespace ImportJsonCommand
{

void registerWithEditor(FormKind openForm)
{
    const bool form3CD = openForm == FormKind::F3CA || openForm == FormKind::F3CB;
    Form3CD::setHandler(EditorCommand::ImportJson,
                        form3CD ? Form3CD::Handler([](Form3CD &) { clsImportJSON().ImportJSON(); })
                                : Form3CD::Handler());
}

} // namespace ImportJsonCommand
