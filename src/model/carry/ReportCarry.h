#pragma once

#include "EarlierRows.h"
#include "store/ReportKey.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class ReportModel;

// The imports that fill a report of this year from rows already in the database: the
// client's previous year, this year kept in an older table format, another client's report
// of this year. Each replaces the report's rows in one transaction and leaves them as they
// were when it fails (DbError); none asks anything but the question it is given.
namespace ReportCarry
{

// Puts a model's rows in place of the stored report's: every row goes, or every row but
// the remarks (page 301) with keepRemarks. `what` names the import in the question asked
// before a report holding data is replaced; a No throws ChangeDeclined.
void replace(const ReportModel &report, bool keepRemarks, const QString &what);
inline const QString PreviousYearChange = QStringLiteral("Importing the previous year's report");
inline const QString OldFormatChange = QStringLiteral("Importing this year's report of the old format");

// Whether the figures stay behind, asked once last year's rows are found and carried.
using FiguresQuestion = std::function<bool()>;

// Last year's report of the client, from a table of the format, carried forward; false
// (nothing changed, nothing asked) when last year has no rows there.
bool previousYear(const ReportKey &key, EarlierRows::Format format, const FiguresQuestion &withoutFigures);

// The rows of a model built elsewhere (last year's e-filing file) carried forward the same way.
void previousYear(ReportModel &lastYear, bool withoutFigures);

// This year's rows of an older table format in place of this year's (the remarks stay);
// false when there are none.
bool oldFormat(const ReportKey &key, EarlierRows::Format format);

// The old report wizard's answers of a year (this year's or last year's) in place of the
// report's Form 3CD rows (Part A stays); false (nothing changed) when it has none.
bool wizard(const ReportKey &key, const QString &wizardYear);

// Another client's report of the same year, clause by clause.
struct Offer {
    QString key;     // the clause key, or "Remarks"
    QString label;   // "9. (a)"
    QString caption; // the clause as worded in the form
};
inline const QString RemarksKey = QStringLiteral("Remarks");
// A client that has a report of the year, with the name the client master gives it.
struct Candidate {
    QString code;
    QString name;
    // "C001  Asha Textiles", as the client is offered.
    QString text() const { return name.isEmpty() ? code : code + QStringLiteral("  ") + name; }
};
// The other clients that have a report of the year, by code.
QList<Candidate> otherClients(const ReportKey &key);
// The clauses the source client's report holds (the remarks last), for ticking.
QList<Offer> offers(const ReportKey &key, const QString &sourceClient);
// Replaces every row of the report but its remarks by the ticked clauses of the source:
// their rows, answers and ticks, and the source's remarks when "Remarks" is ticked (in place
// of the report's own remark of the same clause); the qualification rows follow this
// report's form, and the figure boxes of clauses 13(e), 27 and 40 start at zero.
void otherClient(const ReportKey &key, const QString &sourceClient, const QStringList &ticked);

} // namespace ReportCarry
