#include "CarryForwardCommands.h"

#include "base/Prompt.h"
#include "commands/CarryCommands.h"
#include "dialogs/ClauseSelectionDialog.h"
#include "editor/Form3CD.h"
#include "model/ReportModel.h"
#include "model/carry/FillDefault.h"
#include "store/DbError.h"
#include "store/ReportChange.h"

namespace CarryForwardCommands
{

namespace
{

void fillDefault()
{
    try {
        const auto report = ReportModel::load();
        FillDefault::run(*report);
    } catch (const ChangeDeclined &e) {
        prompts().inform(e.message());
        return;
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return;
    }
    prompts().inform(FillDefault::Done);
}

// The window of ticks is shown by the desktop program; a scripted prompt (tests) ticks every clause.
QStringList tickClauses(const QString &source, const QList<ReportCarry::Offer> &offers)
{
    if (prompts().showsWindows())
        return ClauseSelectionDialog::choose(source, offers);
    QStringList keys;
    for (const ReportCarry::Offer &offer : offers)
        keys << offer.key;
    return keys;
}

} // namespace

void registerWithEditor(FormKind openForm)
{
    const bool form3CD = openForm == FormKind::F3CA || openForm == FormKind::F3CB;
    const bool form3CEB = openForm == FormKind::F3CEB;
    auto handler = [form3CD, form3CEB](auto work, bool forForm3ceb = true) {
        return form3CD || (form3CEB && forForm3ceb) ? Form3CD::Handler(work) : Form3CD::Handler();
    };
    Form3CD::setHandler(EditorCommand::FillDefault, handler([](Form3CD &) { fillDefault(); }));
    Form3CD::setHandler(EditorCommand::ImportPreviousYear,
                        handler([](Form3CD &) { CarryCommands::previousYear(); }));
    Form3CD::setHandler(EditorCommand::ImportOldFormat,
                        handler([](Form3CD &) { CarryCommands::oldFormat(); }));
    // Form 3CEB's "Old 3CEB Current Year" reads this year's older Form 3CEB table.
    Form3CD::setHandler(EditorCommand::ImportWizardCurrentYear, handler([form3CEB](Form3CD &) {
                            if (form3CEB)
                                CarryCommands::oldFormat();
                            else
                                CarryCommands::wizard(false);
                        }));
    Form3CD::setHandler(EditorCommand::ImportWizardPreviousYear,
                        handler([](Form3CD &) { CarryCommands::wizard(true); }, false));
    Form3CD::setHandler(EditorCommand::ImportAnotherClient,
                        handler([](Form3CD &) { CarryCommands::anotherClient(&tickClauses); }));
}

} // namespace CarryForwardCommands
