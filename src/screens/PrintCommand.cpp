#include "PrintCommand.h"

#include "commands/pages/ReportPrint.h"
#include "dialogs/PrintOptionsDialog.h"
#include "dialogs/PrintSetupDialog.h"
#include "editor/Form3CD.h"
#include "model/ReportModel.h"
#include "print/ReportEngine.h"

namespace PrintCommand
{

void registerWithEditor(FormKind openForm)
{
    const bool form3CD = openForm == FormKind::F3CA || openForm == FormKind::F3CB;
    if (!form3CD && openForm != FormKind::F3CEB) {
        Form3CD::setHandler(EditorCommand::Print, {});
        Form3CD::setHandler(EditorCommand::PrintSetup, {});
        return;
    }
    if (form3CD) {
        Form3CD::setHandler(EditorCommand::Print, [](Form3CD &editor) {
            PrintOptionsDialog options(moduleState().formCode, &editor);
            if (options.exec() != QDialog::Accepted)
                return;
            ReportEngine engine;
            ReportPrint::compose(engine, ReportKey::current(), options.choices());
        });
    } else {
        // Form 3CEB has no templates to choose from: it prints at once.
        Form3CD::setHandler(EditorCommand::Print, [](Form3CD &) {
            ReportEngine engine;
            ReportPrint::compose(engine, ReportKey::current(), {});
        });
    }
    Form3CD::setHandler(EditorCommand::PrintSetup, [](Form3CD &editor) {
        auto model = ReportModel::load();
        PrintSetupDialog(*model, &editor).exec();
    });
}

} // namespace PrintCommand
