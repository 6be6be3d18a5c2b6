#pragma once

#include "model/carry/ReportCarry.h"
#include "store/ModuleState.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The carry-forward commands of the open report (the host's client and year, Form 3CA/3CB-3CD
// or Form 3CEB), with their questions asked through the prompt interface: the editor's menu and the
// command-line tool run the same steps. Each returns true when the report was changed.
struct ImportDocument;

namespace CarryCommands
{

// Answers given beforehand (the command-line tool's options); a question without one is asked.
struct Answers {
    std::optional<bool> withoutFigures;
    // The import was asked for outright (the command line names it): its opening question
    // is not asked. The question before a report holding data is replaced still is.
    bool requested = false;
};

bool previousYear(const Answers &answers = {});
bool oldFormat(const Answers &answers = {});
// Ticks the clauses to take from the source client's offers; an empty list takes nothing.
// The client is named by its code and name ("C001  Asha Textiles").
using Ticker =
    std::function<QStringList(const QString &sourceClient, const QList<ReportCarry::Offer> &offers)>;
// Another client's report: the client is chosen from those with a report of the year
// (or given), then its clauses are ticked.
bool anotherClient(const Ticker &tick, const QString &givenClient = {}, const Answers &answers = {});
// The old report wizard's answers of this year, or of the previous year (Form 3CD only).
bool wizard(bool previousYear, const Answers &answers = {});
// Last year's e-filing file of the client carried forward as the previous year: the file
// must be of the year before the report's and carry the client's PAN.
bool previousYearFile(const QString &file, const Answers &answers = {});

// Whether a file read for import is last year's for the open report; if so, asks whether
// to carry it forward instead of importing it as this year's.
bool offerCarry(const ImportDocument &doc);
// Carries a file read for import forward into the report of the form; true when done.
bool carryDocument(const ImportDocument &doc, FormKind form, const Answers &answers = {});

} // namespace CarryCommands
