#include "TdsImportCommands.h"

#include "dialogs/tds/frmImpDetTDS.h"
#include "editor/Form3CD.h"

#include <QLineEdit>

namespace TdsImportCommands
{

void registerWithEditor(FormKind openForm)
{
    const bool form3CD = openForm == FormKind::F3CA || openForm == FormKind::F3CB;
    const auto open = [form3CD](frmImpDetTDS::Source source) -> Form3CD::Handler {
        if (!form3CD)
            return {};
        return [source](Form3CD &editor) {
            frmImpDetTDS window(source, &editor);
            // Without an address in the settings the user types one in first.
            if (source == frmImpDetTDS::Source::Workbook)
                window.browseWorkbook();
            else if (!window.databasePath()->text().isEmpty())
                window.connectDatabase();
            window.exec();
        };
    };
    Form3CD::setHandler(EditorCommand::ImportTdsExcel, open(frmImpDetTDS::Source::Workbook));
    Form3CD::setHandler(EditorCommand::ImportTdsSoftware, open(frmImpDetTDS::Source::Database));
}

} // namespace TdsImportCommands
