#include "ScreenWiring.h"

#include "AnnexureWorkbookCommands.h"
#include "CarryForwardCommands.h"
#include "Form3cebXmlCommands.h"
#include "GenerateJsonCommand.h"
#include "ImportJsonCommand.h"
#include "PrintCommand.h"
#include "TdsImportCommands.h"
#include "TurnoverImportCommand.h"
#include "editor/Form3CD.h"

namespace ScreenWiring
{

void registerAll()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    // The commands of the open form replace those of the form opened before.
    Form3CD::addFormSetup([](FormKind kind) {
        ImportJsonCommand::registerWithEditor(kind);
        GenerateJsonCommand::registerWithEditor(kind);
        PrintCommand::registerWithEditor(kind);
        CarryForwardCommands::registerWithEditor(kind);
        Form3cebXmlCommands::registerWithEditor(kind);
        TdsImportCommands::registerWithEditor(kind);
    });
    TurnoverImportCommand::registerWithEditor();
    AnnexureWorkbookCommands::registerWithEditor();
}

} // namespace ScreenWiring
