#include "PartARules.h"
#include "catalogue/Vocabulary.h"

#include "AssesseeStatuses.h"
#include "ReportWords.h"
#include "ValueChecks.h"
#include "catalogue/AssesseeRow.h"
#include "catalogue/Form3caPointOne.h"
#include "catalogue/PartAPoints.h"
#include "catalogue/SigningPoints.h"
#include "model/ReportModel.h"
#include "model/parta/ClientMaster.h"

namespace PartARules
{

namespace
{

bool isForm3CB(const ReportModel &model)
{
    return model.key().form.formKind == FormKind::F3CB;
}

int reportPage(const ReportModel &model)
{
    return isForm3CB(model) ? 101 : 1;
}

void defaultRow(ReportModel &model, int page, const QString &point, const QStringList &cols)
{
    if (model.rows(page, point, model.formNameForPage(page)).isEmpty())
        model.setRows(page, point, {cols});
}

// Place and date of signing, after the report's fixed first column and two empty ones.
QStringList signingPlace(const ClientMaster &master)
{
    return {QStringLiteral("0"), QString(), QString(), master.place, master.signingDate};
}

// The report page's row as the page keeps it: every value trimmed, each choice spelt as its
// drop-down lists it (an empty list is a typed value). The type of account is a free text of
// the form ("Profit and loss account" as a filed file writes it): its drop-down only offers
// words, and what is there is never re-cased.
void keepAsListed(ReportModel &model, int page, const QString &point, const QList<QStringList> &lists)
{
    const QList<ReportModel::Row> stored = model.rows(page, point, model.formNameForPage(page));
    if (stored.isEmpty())
        return;
    QStringList cols = stored.first().cols;
    for (int c = 0; c < lists.size() && c < cols.size(); ++c)
        cols[c] = ReportWords::asListed(lists.at(c), cols.at(c));
    if (cols != stored.first().cols) {
        QList<QStringList> rows{cols};
        for (int r = 1; r < stored.size(); ++r)
            rows << stored.at(r).cols;
        model.setRows(page, point, rows);
    }
}

} // namespace

void reportWords(ReportModel &model)
{
    using namespace ReportWords;
    const QString year = model.key().yearKey;
    if (isForm3CB(model)) {
        keepAsListed(model, PartAPoints::Form3cbPage, PartAPoints::Form3cbPointOne, {iWe()});
        keepAsListed(model, 101, QStringLiteral("3CBPT2"), {iWe()});
        keepAsListed(model, 101, QStringLiteral("3CBPT3"),
                     {iWe(),
                      {},
                      iWe(),
                      myOur(),
                      myOur(),
                      myOur(),
                      myOur(),
                      myOur(),
                      meUs(),
                      yearEnds(year),
                      {},
                      results()});
        keepAsListed(model, 101, QStringLiteral("3CBPT5"), {myOur(), myOur(), meUs()});
        return;
    }
    keepAsListed(model, 1, Form3caPointOne::Point,
                 {iWe(), meUsFirm(), {}, {}, {}, iWe(), myOurTheir(), {}, {}, {}, {}, years(year)});
    keepAsListed(model, 1, QStringLiteral("3CA3"), {myOur(), myOur(), meUs()});
}

void reportPageDefaults(ReportModel &model, const ClientMaster &master)
{
    const ReportKey &key = model.key();
    if (isForm3CB(model)) {
        defaultRow(model, PartAPoints::Form3cbPage, PartAPoints::Form3cbPointOne,
                   {QString(), key.secondDate(), QString(), key.firstDate(), key.secondDate()});
        const Catalogue::PointRef assessee = AssesseeRow::placeOn(QStringLiteral("3CB"));
        defaultRow(model, assessee.page, assessee.point, master.assesseeColumns());
        defaultRow(model, 101, QStringLiteral("3CBPT2"), {QString(), QString(), QString(), QString()});
        // Paragraph 3: the I/We choice, the comments, then ten choices, the ninth being the
        // balance-sheet date of the year.
        QStringList three;
        for (int c = 0; c < 12; ++c)
            three << QString();
        three[9] = key.secondDate();
        defaultRow(model, 101, QStringLiteral("3CBPT3"), three);
        defaultRow(model, 101, QStringLiteral("3CBPT5"), {QString(), QString(), QString()});
        defaultRow(model, 101, QStringLiteral("3CBOTH"), signingPlace(master));
        return;
    }
    QStringList one;
    for (int c = 0; c < 13; ++c)
        one << QString();
    one[9] = key.firstDate();
    one[10] = key.secondDate();
    one[11] = key.yearKey;
    defaultRow(model, 1, Form3caPointOne::Point, one);
    const Catalogue::PointRef assessee = AssesseeRow::placeOn(QStringLiteral("3CA"));
    defaultRow(model, assessee.page, assessee.point, master.assesseeColumns());
    defaultRow(model, 1, QStringLiteral("3CA3"), {QString(), QString(), QString()});
    defaultRow(model, 1, QStringLiteral("3CAOTH"), signingPlace(master));
}

int storedStatusPosition(const QStringList &row)
{
    const int byText = int(AssesseeStatuses::entries().indexOf(row.value(1))) + 1;
    return byText > 0 ? byText : row.value(0).toInt();
}

QStringList statusRow(int position, const QString &from, const QString &to, const QString &assessmentYear)
{
    const QStringList &entries = AssesseeStatuses::entries();
    const bool known = position >= 1 && position <= entries.size();
    return {known ? QString::number(position) : QString(), known ? entries.at(position - 1) : QString(), from,
            to, assessmentYear};
}

void statusAndYear(ReportModel &model, const ClientMaster &master)
{
    const ReportKey &key = model.key();
    const QList<ReportModel::Row> stored =
        model.rows(PartAPoints::Page, PartAPoints::Particulars, model.formNameForPage(PartAPoints::Page));
    const int position = stored.isEmpty() ? AssesseeStatuses::fromHost(master.status)
                                          : storedStatusPosition(stored.first().cols);

    const int page = reportPage(model);
    const QString point = isForm3CB(model) ? PartAPoints::Form3cbPointOne : Form3caPointOne::Point;
    const int fromColumn = isForm3CB(model) ? 4 : 10;
    const QList<ReportModel::Row> report = model.rows(page, point, model.formNameForPage(page));
    const ReportModel::Row period = report.isEmpty() ? ReportModel::Row{} : report.first();
    const QString from = period.col(fromColumn).trimmed();
    const QString to = period.col(fromColumn + 1).trimmed();

    const QStringList row = statusRow(position, from.isEmpty() ? key.firstDate() : from,
                                      to.isEmpty() ? key.secondDate() : to, key.assessmentYearText());
    if (stored.isEmpty() || stored.first().cols.mid(0, row.size()) != row)
        model.setRows(PartAPoints::Page, PartAPoints::Particulars, {row});
}

void signingRows(ReportModel &model)
{
    const QString type = model.value(SigningPoints::Page, SigningPoints::AuditorType);
    const QString udin = model.value(SigningPoints::Page, SigningPoints::Udin);
    const QString date = model.value(SigningPoints::Page, SigningPoints::SignedOn);
    const QList<QPair<QString, QString>> rows{
        {SigningPoints::AuditorType, Vocabulary::spelt(type == Vocabulary::Yes)},
        {SigningPoints::Udin, ValueChecks::normalisedUdin(udin)},
        {SigningPoints::SignedOn, date.trimmed()}};
    for (const auto &[point, value] : rows) {
        if (!model.has(SigningPoints::Page, point) || model.value(SigningPoints::Page, point) != value)
            model.setRows(SigningPoints::Page, point, {{value}});
    }
}

void apply(ReportModel &model)
{
    const ReportKey &key = model.key();
    const ClientMaster master = ClientMaster::read(key.client, key.secondDate());
    reportPageDefaults(model, master);
    reportWords(model);
    statusAndYear(model, master);
    signingRows(model);
}

bool reads(int page)
{
    return page == 1 || page == 101 || page == 2 || page == 21;
}

} // namespace PartARules
