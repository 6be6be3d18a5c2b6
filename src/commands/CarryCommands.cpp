#include "CarryCommands.h"

#include "ImportMessages.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "efiling/import/ImportDocument.h"
#include "efiling/import/ImportTarget.h"
#include "efiling/import/ReportForm.h"
#include "efiling/import/ReportImport.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "model/carry/CarryForward.h"
#include "model/carry/Form3cebCarry.h"
#include "store/DbError.h"
#include "store/ReportChange.h"
#include "store/ReportKey.h"

#include <algorithm>

namespace CarryCommands
{

namespace
{

const QString PreviousYearQuestion = QStringLiteral("DO you want to import data from previous year.?");

ReportKey openReport()
{
    return ReportKey::current();
}

// The question of figures, asked when the rows to carry are at hand.
std::function<bool()> withoutFigures(const Answers &answers)
{
    return [answers] {
        return answers.withoutFigures ? *answers.withoutFigures
                                      : prompts().askYesNo(CarryForward::WithoutFiguresQuestion);
    };
}

// Runs an import under its trap: a database error is shown and the report stays as it was.
template <typename Work> bool trapped(Work work)
{
    try {
        return work();
    } catch (const ChangeDeclined &e) {
        prompts().inform(e.message());
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    } catch (const std::exception &e) {
        prompts().message(QString::fromUtf8(e.what()), {}, PromptIcon::Critical);
    }
    return false;
}

// The format of last year's table: years up to 2021 may still be kept in an older one.
std::optional<EarlierRows::Format> previousYearFormat(const ReportKey &key)
{
    if (key.yearKey.toInt() > 2021 ||
        prompts().askYesNo(QStringLiteral("Do you want to import previous year data from New Format?.")))
        return EarlierRows::Format::Current;
    return prompts().askYesNo(
               QStringLiteral("Do you want to import previous year data from Old to Old Format?."))
               ? EarlierRows::Format::Older
               : EarlierRows::Format::Oldest;
}

// Form 3CEB's previous year: years up to 2021 may still be kept in the older table.
Form3cebCarry::Table previousYearTable(const ReportKey &key)
{
    if (key.yearKey.toInt() > 2021 ||
        prompts().askYesNo(QStringLiteral("Do you want to import previous year data from New Format?.")))
        return Form3cebCarry::Table::Current;
    return Form3cebCarry::Table::Older;
}

// "3CD" or "3CEB": the form the messages name.
QString formWord(const ReportKey &key)
{
    return key.form.isForm3CD() ? QStringLiteral("3CD") : QStringLiteral("3CEB");
}

} // namespace

bool previousYear(const Answers &answers)
{
    const ReportKey key = openReport();
    if (!answers.requested && !prompts().askYesNo(PreviousYearQuestion))
        return false;
    const bool form3ceb = key.form.formKind == FormKind::F3CEB;
    EarlierRows::Format format = EarlierRows::Format::Current;
    Form3cebCarry::Table table = Form3cebCarry::Table::Current;
    if (form3ceb)
        table = previousYearTable(key);
    else
        format = *previousYearFormat(key);
    return trapped([&] {
        if (!(form3ceb ? Form3cebCarry::previousYear(key, table, withoutFigures(answers))
                       : ReportCarry::previousYear(key, format, withoutFigures(answers)))) {
            prompts().inform(QStringLiteral("There is no report of the previous year %1 to import.")
                                 .arg(ReportKey::twoYears(key.yearKey.toInt() - 1)));
            return false;
        }
        prompts().inform(SharedMessages::importSuccessfully());
        return true;
    });
}

bool oldFormat(const Answers &answers)
{
    const ReportKey key = openReport();
    if (!answers.requested &&
        !prompts().askYesNo(QStringLiteral("Do you want to import data from old format of current year.?")))
        return false;
    // Form 3CEB has one older table; Form 3CD two.
    const bool form3ceb = key.form.formKind == FormKind::F3CEB;
    const EarlierRows::Format format =
        !form3ceb && prompts().askYesNo(QStringLiteral("Do you want to import from old to old format?"))
            ? EarlierRows::Format::Oldest
            : EarlierRows::Format::Older;
    return trapped([&] {
        if (!(form3ceb ? Form3cebCarry::oldFormat(key) : ReportCarry::oldFormat(key, format))) {
            prompts().inform(QStringLiteral("There is no report of this year in the old format to import."));
            return false;
        }
        prompts().inform(SharedMessages::importSuccessfully());
        return true;
    });
}

bool anotherClient(const Ticker &tick, const QString &givenClient, const Answers &answers)
{
    const ReportKey key = openReport();
    return trapped([&] {
        const QList<ReportCarry::Candidate> clients = ReportCarry::otherClients(key);
        if (clients.isEmpty()) {
            prompts().inform(QStringLiteral("No Other %1 found.").arg(formWord(key)));
            return false;
        }
        const auto given = std::find_if(clients.begin(), clients.end(),
                                        [&givenClient](const auto &c) { return c.code == givenClient; });
        ReportCarry::Candidate source;
        if (givenClient.isEmpty()) {
            QStringList texts;
            for (const ReportCarry::Candidate &client : clients)
                texts << client.text();
            const int chosen = prompts().choose(SharedMessages::importFromAnotherClient(),
                                                QStringLiteral("Select the client"), texts);
            if (chosen < 0)
                return false;
            source = clients.at(chosen);
        } else if (given == clients.end()) {
            prompts().inform(QStringLiteral("Client [%1] has no report of this year.").arg(givenClient));
            return false;
        } else {
            source = *given;
        }
        const QStringList ticked = tick(source.text(), ReportCarry::offers(key, source.code));
        if (ticked.isEmpty())
            return false;
        if (!answers.requested &&
            (!prompts().askYesNo(
                 QStringLiteral("Do you really want to Import Data and Annexures for Selected Items from ") +
                 (key.form.isForm3CD() ? QStringLiteral("Selected 3CD") : QStringLiteral("Selected 3CEB"))) ||
             !prompts().askYesNo(
                 QStringLiteral("It will delete all Existing Data and Annexures. Do you want to Continue?"))))
            return false;
        ReportCarry::otherClient(key, source.code, ticked);
        prompts().inform(ImportMessages::importedSuccessfully());
        return true;
    });
}

bool wizard(bool previousYear, const Answers &answers)
{
    const ReportKey key = openReport();
    if (!key.form.isForm3CD()) {
        prompts().inform(QStringLiteral("The old 3CD wizard holds no Form 3CEB; this year's older Form 3CEB "
                                        "table is read by the import from the old format."));
        return false;
    }
    if (!answers.requested &&
        !prompts().askYesNo(
            previousYear ? QStringLiteral("DO you want to import data from Previous year old 3CD Wizard.?")
                         : QStringLiteral("DO you want to import data from current year Old 3CD Wizard.?")))
        return false;
    const QString year = previousYear ? QString::number(key.yearKey.toInt() - 1) : key.yearKey;
    return trapped([&] {
        if (!ReportCarry::wizard(key, year)) {
            prompts().inform(QStringLiteral("There are no answers of the old 3CD wizard for %1 to import.")
                                 .arg(ReportKey::twoYears(year.toInt())));
            return false;
        }
        prompts().inform(SharedMessages::importSuccessfully());
        return true;
    });
}

bool offerCarry(const ImportDocument &doc)
{
    const int year = host().yearKey().toInt();
    if (doc.assessmentYear().trimmed() != QString::number(year - 1))
        return false;
    return prompts().askYesNo(
        QStringLiteral("The file is the report of the assessment year %1, the year before this report's.\n"
                       "Do you want to carry it forward to the assessment year %2 as the previous year?")
            .arg(ReportKey::twoYears(year - 1), ReportKey::twoYears(year)));
}

bool carryDocument(const ImportDocument &doc, FormKind form, const Answers &answers)
{
    return trapped([&] {
        HostContext &h = host();
        const auto report = ReportImport::reportOf(ImportTarget::of(h.Temp_Code(), h.yearKey(), form), doc);
        ReportCarry::previousYear(*report, withoutFigures(answers)());
        ReportCarry::replace(*report, true, ReportCarry::PreviousYearChange);
        prompts().inform(SharedMessages::importSuccessfully());
        return true;
    });
}

bool previousYearFile(const QString &file, const Answers &answers)
{
    const ImportDocument doc = ImportDocument::read(file);
    if (doc.status != ImportDocument::Status::Ok) {
        prompts().message(doc.status == ImportDocument::Status::NotForm3CD ? ImportMessages::notForm3cdJson()
                                                                           : doc.failure,
                          QStringLiteral("Error"), PromptIcon::Critical);
        return false;
    }
    HostContext &h = host();
    const int year = h.yearKey().toInt();
    if (doc.assessmentYear().trimmed() != QString::number(year - 1)) {
        prompts().inform(QStringLiteral("The file is the report of the assessment year [%1], not of the "
                                        "previous year %2.")
                             .arg(doc.assessmentYear(), ReportKey::twoYears(year - 1)));
        return false;
    }
    const QString pan = doc.pan().trimmed();
    if (!pan.isEmpty() && pan.compare(h.vAsPAN().trimmed(), Qt::CaseInsensitive) != 0) {
        prompts().inform(QStringLiteral("The PAN in the file [%1] does not match the client's PAN [%2].")
                             .arg(pan, h.vAsPAN().trimmed()));
        return false;
    }
    // A report that has rows keeps its form: a file of the other form is not its previous year.
    FormKind stored = FormKind::None;
    if (!trapped([&] {
            stored = ReportForm::stored(h.DBObj(), h.Temp_Code(), h.yearKey());
            return true;
        }))
        return false;
    if (stored != FormKind::None && stored != doc.form) {
        prompts().inform(ReportForm::notThisForm(stored));
        return false;
    }
    if (!answers.requested && !prompts().askYesNo(PreviousYearQuestion))
        return false;
    return carryDocument(doc, doc.form, answers);
}

} // namespace CarryCommands
