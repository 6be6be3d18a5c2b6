#include "TurnoverImportCommand.h"

#include "editor/Form3CD.h"
#include "pages/turnover/frmPage20.h"

namespace TurnoverImportCommand
{

void registerWithEditor()
{
    Form3CD::setHandler(EditorCommand::ImportTurnover, [](Form3CD &editor) {
        auto *page = qobject_cast<frmPage20 *>(editor.page(20));
        if (!page)
            return;
        if (editor.currentPage() != 20)
            editor.cmdPages_Click(20);
        if (editor.currentPage() == 20)
            page->ImportTO_Data();
    });
}

} // namespace TurnoverImportCommand
