#include "SaveRules.h"

#include "PartARules.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"

namespace SaveRules
{

namespace
{

const int kTickPage = 201;

// Ticks that are no clause's Not Applicable or As Per Annexure tick: clause 18's "As Per
// Fixed Asset Chart" (page 201) and the report pages' master ticks (page 1).
const QList<QPair<int, QString>> &otherTicks()
{
    static const QList<QPair<int, QString>> ticks{{kTickPage, QStringLiteral("FAChart")},
                                                  {1, QStringLiteral("MasterName")},
                                                  {1, QStringLiteral("MasterAdd")}};
    return ticks;
}

// Replaces the first column of every row of the point (of any form name) by its stored form.
template <typename Stored> void respell(ReportModel &model, int page, const QString &point, Stored stored)
{
    const QList<ReportModel::Row> &rows = model.rows(page, point);
    for (const ReportModel::Row &row : rows) {
        if (row.cols.isEmpty() || stored(row.col(1)) == row.col(1))
            continue;
        // A changed row: rewrite the point's rows of each form name it holds.
        QHash<QString, QList<QStringList>> byForm;
        QStringList forms;
        for (const ReportModel::Row &r : model.rows(page, point)) {
            QStringList cols = r.cols;
            if (!cols.isEmpty())
                cols[0] = stored(cols.at(0));
            if (!byForm.contains(r.formName))
                forms << r.formName;
            byForm[r.formName] << cols;
        }
        for (const QString &form : forms)
            model.setRows(page, point, byForm.value(form), form);
        return;
    }
}

void trimGrid(ReportModel &model, int page, const QString &point)
{
    // The padded cells are found in the model's own rows and changed afterwards: a grid of
    // thousands of rows is not copied to find the few, if any.
    struct Padded {
        int row, col;
        QString trimmed;
    };
    QList<Padded> padded;
    const QString form = model.formNameForPage(page);
    int r = 0;
    for (const ReportModel::Row &row : model.rows(page, point)) {
        if (row.formName != form)
            continue;
        for (int c = 0; row.mayBePadded && c < row.cols.size(); ++c) {
            if (ClauseStore::isPadded(row.cols.at(c)))
                padded << Padded{r, c + 1, row.cols.at(c).trimmed()};
        }
        ++r;
    }
    for (const Padded &p : padded)
        model.setCell(page, point, p.row, p.col, p.trimmed);
}

void applyToPage(ReportModel &model, const Catalogue::Page &page)
{
    for (const Catalogue::Clause &clause : page.clauses) {
        if (!clause.option.isEmpty())
            respell(model, page.number, clause.option,
                    [&](const QString &answer) { return storedAnswer(clause, answer); });
        if (!clause.na.isEmpty())
            respell(model, page.number, clause.na, storedTick);
        if (!clause.annex.isEmpty())
            respell(model, kTickPage, clause.annex, storedTick);
        for (const Catalogue::Control &control : clause.controls) {
            if (control.type == Catalogue::ControlType::Grid)
                trimGrid(model, page.number, control.point);
        }
    }
}

} // namespace

QString storedAnswer(const Catalogue::Clause &clause, const QString &answer)
{
    return Vocabulary::respelt(answer, clause.spelling);
}

QString storedAnswer(const QString &option, const QString &answer)
{
    for (const Catalogue::Page &page : ClauseCatalogue::instance().pages()) {
        for (const Catalogue::Clause &clause : page.clauses) {
            if (clause.option == option)
                return storedAnswer(clause, answer);
        }
    }
    return Vocabulary::respelt(answer, Vocabulary::Spelling::YesNo);
}

void trimCells(QStringList &cells)
{
    for (QString &cell : cells) {
        if (ClauseStore::isPadded(cell))
            cell = cell.trimmed();
    }
}

QString storedTick(const QString &value)
{
    return Vocabulary::isTicked(value) ? QStringLiteral("1") : QStringLiteral("0");
}

void apply(ReportModel &model, int page)
{
    // These are the spellings of the Form 3CD pages; Form 3CEB's pages number otherwise.
    if (model.key().form.formKind == FormKind::F3CEB)
        return;
    if (const Catalogue::Page *definition = ClauseCatalogue::instance().page(page))
        applyToPage(model, *definition);
    for (const auto &[tickPage, point] : otherTicks()) {
        if ((tickPage == kTickPage && page == 7) || (tickPage == 1 && (page == 1 || page == 101)))
            respell(model, tickPage, point, storedTick);
    }
    // The report page and the signing page keep their words as the Part A rules spell them.
    if (page == 1 || page == 101)
        PartARules::reportWords(model);
    if (page == 21)
        PartARules::signingRows(model);
}

void apply(ReportModel &model)
{
    for (const Catalogue::Page &page : ClauseCatalogue::instance().pages())
        applyToPage(model, page);
    for (const auto &[page, point] : otherTicks())
        respell(model, page, point, storedTick);
}

} // namespace SaveRules
