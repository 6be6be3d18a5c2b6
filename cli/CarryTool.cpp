#include "CarryTool.h"

#include "CommandWords.h"
#include "Commands.h"
#include "commands/CarryCommands.h"
#include "efiling/import/ReportForm.h"
#include "host/HostSchema.h"
#include "host/TalvexBase.h"
#include "model/ReportModel.h"
#include "model/carry/FillDefault.h"
#include "store/DbError.h"

namespace CarryTool
{

namespace
{

const char kUsage[] = "usage: taxaudit carry --client C --year Y --from "
                      "previous|old-format|client:CODE|wizard|wizard-previous|json:FILE "
                      "[--form 3CEB] [--without-figures] [--yes]\n";

// Opens the client's Form 3CEB with "--form 3CEB"; otherwise the client's report of the
// year in the form it has, else in last year's form. False for another --form.
bool openStoredForm(TalvexBase &host, const CommandLine &line, QTextStream &err)
{
    const QString lastYear = QString::number(host.yearKey().toInt() - 1);
    HostSchema::ensureYearTables(host.DBObj(), host.yearKey());
    HostSchema::ensureYearTables(host.DBObj(), lastYear);
    if (line.has(QStringLiteral("--form"))) {
        if (line.value(QStringLiteral("--form")).compare(QLatin1String("3CEB"), Qt::CaseInsensitive) != 0) {
            err << "--form takes 3CEB; a Form 3CA/3CB report is found by itself.\n";
            return false;
        }
        moduleState().openForm(FormKind::F3CEB, host.yearKey());
        return true;
    }
    FormKind form = ReportForm::stored(host.DBObj(), host.Temp_Code(), host.yearKey());
    if (form == FormKind::None)
        form = ReportForm::stored(host.DBObj(), host.Temp_Code(), lastYear);
    moduleState().openForm(form == FormKind::None ? FormKind::F3CA : form, host.yearKey());
    return true;
}

} // namespace

int carry(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString from = line.value(QStringLiteral("--from"));
    if (!line.arguments.isEmpty() || from.isEmpty()) {
        err << kUsage;
        return 2;
    }
    if (!selectClientAndYear(host, line, err) || !openStoredForm(host, line, err))
        return 2;
    CarryCommands::Answers answers;
    answers.withoutFigures = line.has(CommandWords::WithoutFigures);
    answers.requested = true;
    bool done = false;
    if (from == QLatin1String("previous")) {
        done = CarryCommands::previousYear(answers);
    } else if (from == QLatin1String("old-format")) {
        done = CarryCommands::oldFormat(answers);
    } else if (from.startsWith(QLatin1String("client:"))) {
        // Every clause the other client's report holds.
        done = CarryCommands::anotherClient(
            [](const QString &, const QList<ReportCarry::Offer> &offers) {
                QStringList keys;
                for (const ReportCarry::Offer &offer : offers)
                    keys << offer.key;
                return keys;
            },
            from.mid(7), answers);
    } else if (from == QLatin1String("wizard") || from == QLatin1String("wizard-previous")) {
        done = CarryCommands::wizard(from == QLatin1String("wizard-previous"), answers);
    } else if (from.startsWith(QLatin1String("json:")) && !moduleState().isForm3CD()) {
        err << "A Form 3CEB is carried from the database; last year's e-filing XML is read by import-xml.\n";
        return 2;
    } else if (from.startsWith(QLatin1String("json:"))) {
        done = CarryCommands::previousYearFile(from.mid(5), answers);
    } else {
        err << kUsage;
        return 2;
    }
    out << oneLine(host.Temp_Code()) << '\t' << host.yearKey() << '\t' << oneLine(from) << '\t'
        << (done ? QStringLiteral("Success") : CommandWords::NotImported) << '\n';
    return done ? 0 : 1;
}

int fillDefault(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!line.arguments.isEmpty()) {
        err << "usage: taxaudit fill-default --client C --year Y [--form 3CEB]\n";
        return 2;
    }
    if (!selectClientAndYear(host, line, err) || !openStoredForm(host, line, err))
        return 2;
    const auto report = ReportModel::load();
    const QList<int> pages = FillDefault::run(*report);
    QStringList numbers;
    for (int page : pages)
        numbers << QString::number(page);
    out << oneLine(host.Temp_Code()) << '\t' << host.yearKey() << '\t'
        << (numbers.isEmpty() ? QStringLiteral("nothing to fill")
                              : QStringLiteral("pages ") + numbers.join(u','))
        << '\n';
    return 0;
}

} // namespace CarryTool
