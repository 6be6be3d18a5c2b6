#include "FillDefault.h"

#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Form3cebCatalogue.h"
#include "catalogue/PartAPoints.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/ListSources.h"
#include "model/ReportModel.h"
#include "model/rules/PartARules.h"
#include "store/Database.h"
#include "store/ReportChange.h"

#include <QSet>

using namespace Catalogue;

namespace FillDefault
{

namespace
{

constexpr int kFirstPage = 3;
constexpr int kLastPage = 21;
constexpr int kLastForm3cebPage = 12;

// The amount boxes of clauses 26 and 27 hold figures that must be typed; a "Nil" there
// would read as a sum.
const QSet<QString> &leftEmpty()
{
    static const QSet<QString> names{
        QStringLiteral("txt26"),    QStringLiteral("txt27OB1"),   QStringLiteral("txt27OB2"),
        QStringLiteral("txt27CA1"), QStringLiteral("txt27CA2"),   QStringLiteral("txt27CU1"),
        QStringLiteral("txt27CU2"), QStringLiteral("txt27CB1"),   QStringLiteral("txt27CB2"),
        QStringLiteral("txtUDIN"),  QStringLiteral("txtSignDate")};
    return names;
}

bool isBlank(const QStringList &cols, int count)
{
    for (int c = 0; c < count && c < cols.size(); ++c) {
        if (!cols.at(c).trimmed().isEmpty())
            return false;
    }
    return true;
}

// Whether a control's rows hold anything the user entered.
bool holdsData(const ReportModel &report, int page, const Control &control)
{
    const int width = control.type == ControlType::Grid     ? int(control.columns.size())
                      : control.type == ControlType::Fields ? int(control.fields.size())
                                                            : 1;
    for (const ReportModel::Row &row : report.rows(page, control.point)) {
        if (!isBlank(row.cols, width))
            return true;
    }
    return false;
}

bool clauseHoldsData(const ReportModel &report, int page, const Clause &clause)
{
    for (const Control &control : clause.controls) {
        if (holdsData(report, page, control))
            return true;
    }
    return false;
}

// Clause 9(b) asks about partners or members: a firm, LLP, AOP or BOI answers No (nothing
// changed unless the user says so); for any other assessee the question does not arise.
QString clause9bAnswer(const ReportModel &report)
{
    const int status = PartARules::storedStatusPosition(
        report.rows(PartAPoints::Page, PartAPoints::Particulars).isEmpty()
            ? QStringList()
            : report.rows(PartAPoints::Page, PartAPoints::Particulars).first().cols);
    return status >= 3 && status <= 6 ? Vocabulary::No : Vocabulary::NA;
}

// The answer an unanswered question takes. A question whose clause already holds rows is
// answered Yes, so that its rows are kept: that is how 21(d)(A) and 21(d)(B) read a
// payment entered without the answer.
QString defaultAnswer(const ReportModel &report, int page, const Clause &clause)
{
    if (clauseHoldsData(report, page, clause))
        return Vocabulary::Yes;
    if (clause.option == QLatin1String("Opt9b"))
        return clause9bAnswer(report);
    return clause.optionNA.isEmpty() ? Vocabulary::No : Vocabulary::NA;
}

// The marker an empty control of the clause takes: "Nil" for a clause answered No or
// without a question, "NA" for one answered not applicable; none when answered Yes (the
// user has still to enter what the answer announces).
QString markerFor(const ReportModel &report, int page, const Clause &clause)
{
    if (!clause.na.isEmpty() && report.value(page, clause.na) == QLatin1String("1"))
        return {};
    if (clause.option.isEmpty())
        return Vocabulary::Nil;
    switch (Vocabulary::answerOf(report.value(page, clause.option))) {
    case Vocabulary::Answer::No:
        return Vocabulary::Nil;
    case Vocabulary::Answer::NA:
        return Vocabulary::NA;
    default:
        return {};
    }
}

class Filler
{
public:
    explicit Filler(ReportModel &report) : m_report(report) {}

    bool page(const Page &page)
    {
        m_changed = false;
        for (const Clause &clause : page.clauses)
            this->clause(page.number, clause);
        return m_changed;
    }

private:
    void clause(int page, const Clause &clause)
    {
        if (!clause.option.isEmpty() &&
            Vocabulary::answerOf(m_report.value(page, clause.option)) == Vocabulary::Answer::None)
            set(page, clause.option, {defaultAnswer(m_report, page, clause)});
        const QString marker = markerFor(m_report, page, clause);
        for (const Control &control : clause.controls) {
            if (control.type == ControlType::Combo)
                combo(page, control);
            else if (!marker.isEmpty())
                this->control(page, control, marker);
        }
    }

    void control(int page, const Control &control, const QString &marker)
    {
        switch (control.type) {
        case ControlType::Grid:
            if (!holdsData(m_report, page, control)) {
                QStringList row(control.columns.size(), marker);
                row.resize(ReportModel::kSequenceColumn - 1);
                row << QStringLiteral("1");
                set(page, control.point, row);
            }
            break;
        case ControlType::Text:
            if (!leftEmpty().contains(control.name) &&
                m_report.value(page, control.point).trimmed().isEmpty())
                set(page, control.point, {control.name == QLatin1String("txt14a") ? Vocabulary::NA : marker});
            break;
        case ControlType::Fields:
            fields(page, control, marker);
            break;
        case ControlType::Combo:
        case ControlType::Choice:
            break;
        }
    }

    // A row of boxes: each empty box that the user types takes the marker; totals of a grid
    // column are the rules' to compute.
    void fields(int page, const Control &control, const QString &marker)
    {
        const QList<ReportModel::Row> &rows = m_report.rows(page, control.point);
        QStringList cols = rows.isEmpty() ? QStringList() : rows.first().cols;
        cols.resize(std::max<qsizetype>(cols.size(), control.fields.size()));
        bool changed = false;
        for (int k = 0; k < control.fields.size(); ++k) {
            const Field &field = control.fields.at(k);
            if (!field.sumPoint.isEmpty() || leftEmpty().contains(field.name) ||
                !cols.at(k).trimmed().isEmpty())
                continue;
            cols[k] = marker;
            changed = true;
        }
        if (changed)
            set(page, control.point, cols);
    }

    // The method of accounting: the second entry of its list (the mercantile system).
    void combo(int page, const Control &control)
    {
        if (control.name != QLatin1String("cmb13a") || !m_report.value(page, control.point).isEmpty())
            return;
        const QStringList items = m_lists.items(control.list);
        if (items.size() > 1)
            set(page, control.point, {items.at(1)});
    }

    void set(int page, const QString &point, const QStringList &cols)
    {
        m_report.setRows(page, point, {cols});
        m_changed = true;
    }

    ReportModel &m_report;
    ListSources m_lists;
    bool m_changed = false;
};

// Form 3CEB's transaction clauses: a question left open is answered No, or Yes when its grid
// already lists transactions. Its grids stay as they are: every row
// of a grid is a transaction or an enterprise of the e-filing file, so a "Nil" row would be
// filed as one.
QList<int> applyForm3ceb(ReportModel &report)
{
    QList<int> changed;
    for (const Page &page : Form3cebCatalogue::instance().pages()) {
        if (page.number < kFirstPage || page.number > kLastForm3cebPage)
            continue;
        bool pageChanged = false;
        for (const Clause &clause : page.clauses) {
            if (clause.option.isEmpty() ||
                Vocabulary::answerOf(report.value(page.number, clause.option)) != Vocabulary::Answer::None)
                continue;
            // The pages never keep an empty grid row.
            const bool listed =
                std::any_of(clause.controls.begin(), clause.controls.end(),
                            [&](const Control &c) { return report.has(page.number, c.point); });
            report.setRows(page.number, clause.option, {{Vocabulary::spelt(listed, clause.spelling)}});
            pageChanged = true;
        }
        if (pageChanged)
            changed << page.number;
    }
    return changed;
}

} // namespace

QList<int> apply(ReportModel &report)
{
    QList<int> changed;
    if (report.key().form.formKind == FormKind::F3CEB)
        return applyForm3ceb(report);
    if (!report.key().form.isForm3CD())
        return changed;
    Filler filler(report);
    for (const Page &page : ClauseCatalogue::instance().pages()) {
        if (page.number >= kFirstPage && page.number <= kLastPage && filler.page(page))
            changed << page.number;
    }
    return changed;
}

QList<int> run(ReportModel &report)
{
    const QList<int> changed = apply(report);
    if (changed.isEmpty())
        return changed;
    // Only the pages it fills change: the snapshot keeps those, not a report's long grids.
    ReportChange change(report.key(), QStringLiteral("Fill Default"), changed);
    for (int page : changed)
        report.savePage(page);
    change.commit();
    return changed;
}

} // namespace FillDefault
