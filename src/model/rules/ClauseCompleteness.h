#pragma once

#include "ReportFindings.h"
#include "catalogue/ClauseCatalogue.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class ReportModel;

// Whether a clause holds what it asks, over the report model: the page puts what it shows into
// the model, asks here and shows the finding; the whole report's list asks the same of every
// clause. A finding of kind Blank is a clause that may be answered "Nil" (no information), to
// be asked about; a finding of kind Value must be filled.
namespace ClauseCompleteness
{

// The cells a grid's data row may leave empty.
struct GridShape {
    int columns = 0;   // the columns a row holds, counted from 0
    QSet<int> skipped; // hidden columns and those the clause lets stay empty
    // Those one row may also leave empty (an enterprise without a PAN to give).
    std::function<QSet<int>(const QStringList &row)> excepted;
    QStringList headings; // the columns' captions, to name the cell of a finding
};

// A text box: a value given, or "Please fill data in clause " when mandatory, else Blank.
std::optional<ReportFinding> text(const QString &value, const QString &label, bool mandatory);
// A choice from a list is never answered "Nil".
std::optional<ReportFinding> combo(const QString &value, const QString &label);
// A grid: complete when a row is a marker ("Nil", "NA", any case); without data it must be
// filled when mandatory, else it is Blank; with data, a mandatory grid's row may not leave a
// cell empty that its shape asks for (the finding names the row and column).
std::optional<ReportFinding> grid(const QList<QStringList> &rows, const GridShape &shape,
                                  const QString &label, bool mandatory);

// The same over the rows of `point` on `page`: the text of column `col`, every row of a grid.
// The finding carries the page and the point.
std::optional<ReportFinding> textAt(const ReportModel &model, int page, const QString &point, int col,
                                    const QString &label, bool mandatory);
std::optional<ReportFinding> comboAt(const ReportModel &model, int page, const QString &point,
                                     const QString &label);
std::optional<ReportFinding> gridAt(const ReportModel &model, int page, const QString &point,
                                    const GridShape &shape, const QString &label, bool mandatory);

// How much of a clause answered Yes one finding speaks for.
enum class Extent {
    // Each control on its own, in the clause's order: the first box, field or grid that is
    // empty, or a mandatory grid's row left partly empty. A page names that control and stops
    // there; a field's finding carries the field (from 0) in `column`.
    EachControl,
    // The clause as one: found only when none of its controls holds a value, worded by the
    // strictest of them (a mandatory clause or a date is to be filled, a choice is incomplete,
    // anything else blank). The whole report's list says so once per clause.
    WholeClause,
};

// False when the clause on `page` is ticked not applicable, or its Yes/No question is not
// answered Yes: then it holds no data to check.
bool asksForData(const ReportModel &model, int page, const Catalogue::Clause &clause);

// A clause of the catalogue on `page`: nothing when it is ticked not applicable or answered
// other than Yes; a finding of kind Answer when its Yes/No question is not answered; else what
// its controls lack, to the extent asked. Grids skip their hidden and optional columns.
std::optional<ReportFinding> clauseAt(const ReportModel &model, int page, const Catalogue::Clause &clause,
                                      Extent extent);

} // namespace ClauseCompleteness
