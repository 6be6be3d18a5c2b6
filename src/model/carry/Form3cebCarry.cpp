#include "Form3cebCarry.h"

#include "EarlierRows.h"
#include "ReportCarry.h"
#include "catalogue/CellFormat.h"
#include "catalogue/Form3cebCatalogue.h"
#include "catalogue/Form3cebPoints.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "store/ClauseTables.h"
#include "store/Database.h"

#include <QHash>
#include <QSet>
#include <algorithm>

using Row = ClauseStore::ClauseRow;

namespace Form3cebCarry
{

namespace
{

constexpr int kColumns = 20;
constexpr int kRemarksPage = 301;
const QString kFormName = QStringLiteral("3CEB");

bool isGrid(int page, const QString &point)
{
    const Catalogue::Page *definition = Form3cebCatalogue::instance().page(page);
    if (!definition)
        return false;
    for (const Catalogue::Clause &clause : definition->clauses) {
        for (const Catalogue::Control &control : clause.controls) {
            if (control.type == Catalogue::ControlType::Grid && control.point == point)
                return true;
        }
    }
    return false;
}

// The columns of a grid: its own, or those of the transaction type kept at its point.
QList<Catalogue::Column> columnsOf(int page, const Catalogue::Control &control)
{
    if (!control.columns.isEmpty())
        return control.columns;
    const Catalogue::TransactionType *type =
        Form3cebCatalogue::instance().transactionTypeAt(page, control.point);
    return type ? type->columns : QList<Catalogue::Column>{};
}

std::unique_ptr<ReportModel> modelOf(const ReportKey &key, const QList<Row> &rows)
{
    auto report = std::make_unique<ReportModel>(key);
    for (const Row &row : rows)
        report->append(row);
    return report;
}

// Puts a point's rows back changed, whatever form name they came with.
void replaceRows(ReportModel &report, int page, const QString &point, const QList<Row> &rows)
{
    report.removePoint(page, point);
    for (const Row &row : rows)
        report.append(row);
}

// Rewrites a column of the first row of a point, when there is one.
void editFirst(ReportModel &report, int page, const QString &point, int col, const QString &value)
{
    QList<Row> rows = report.rows(page, point);
    if (rows.isEmpty())
        return;
    rows.first().cols.resize(std::max<qsizetype>(rows.first().cols.size(), col));
    rows.first().cols[col - 1] = value;
    replaceRows(report, page, point, rows);
}

// Rows kept before each row had its place in the grid (Col20) get one, in serial order, so
// the carried grid is stored as a saved page would store it.
void placeInGrids(QList<Row> &rows)
{
    const auto gridOf = [](const Row &row) { return QString::number(row.page) + u'|' + row.point; };
    QSet<QString> unplaced;
    for (const Row &row : rows) {
        if (isGrid(row.page, row.point) && row.col(kColumns).isEmpty())
            unplaced.insert(gridOf(row));
    }
    QHash<QString, int> places;
    for (Row &row : rows) {
        if (unplaced.contains(gridOf(row)))
            row.cols[kColumns - 1] = QString::number(++places[gridOf(row)]);
    }
}

} // namespace

QString tableOf(Table table)
{
    return table == Table::Older ? ClauseTables::kOlderForm3cebTable : ClauseTables::kForm3cebTable;
}

Row fromOlderTable(const Row &row)
{
    Row moved{row.page, kFormName, row.point, row.cols};
    moved.cols.resize(kColumns);
    const Catalogue::TransactionType *type =
        Form3cebCatalogue::instance().transactionTypeAt(row.page, row.point);
    if (!type || Vocabulary::isMarker(row.col(1)))
        return moved;
    const int serial = Form3cebCatalogue::instance().serialColumn();
    QStringList cols(kColumns);
    for (int k = 0; k < type->elements.size(); ++k) {
        const Catalogue::XmlElement &element = type->elements.at(k);
        // A fixed AmountType was kept like any value; two elements of one column (a
        // guarantee's AmountType and InterestRateChrgd) hold the same text.
        if (element.isConst || element.col < 1 || element.col >= serial ||
            !cols.at(element.col - 1).isEmpty())
            continue;
        cols[element.col - 1] = row.col(k + 1);
    }
    cols[serial - 1] = row.col(serial);
    moved.cols = cols;
    return moved;
}

QList<Row> read(Database &db, Table table, const QString &client, const QString &yearKey)
{
    const QString name = tableOf(table);
    QList<Row> rows = EarlierRows::stored(db, name, ClauseTables::valueColumnCount(name), client, yearKey);
    const int serial = Form3cebCatalogue::instance().serialColumn();
    QHash<QString, int> numbered;
    for (Row &row : rows) {
        if (table == Table::Older)
            row = fromOlderTable(row);
        row.formName = kFormName;
        row.cols.resize(kColumns);
        if (isGrid(row.page, row.point) && row.col(serial).isEmpty())
            row.cols[serial - 1] = QString::number(++numbered[QString::number(row.page) + u'|' + row.point]);
    }
    EarlierRows::sortInGridOrder(rows, serial);
    placeInGrids(rows);
    return rows;
}

void roll(ReportModel &report)
{
    report.removePoint(Form3cebPoints::Page, Form3cebPoints::Udin);
    editFirst(report, Form3cebPoints::Page, Form3cebPoints::Paragraph1, Form3cebPoints::YearField,
              report.key().yearKey);
    editFirst(report, Form3cebPoints::Page, Form3cebPoints::Accountant, Form3cebPoints::SignedOnField, {});
}

void dropFigures(ReportModel &report)
{
    const QString zero = CellFormat::format(Catalogue::Kind::Amount, QStringLiteral("0"));
    for (const Catalogue::Page &page : Form3cebCatalogue::instance().pages()) {
        for (const Catalogue::Clause &clause : page.clauses) {
            for (const Catalogue::Control &control : clause.controls) {
                if (control.type != Catalogue::ControlType::Grid || !report.has(page.number, control.point))
                    continue;
                const QList<Catalogue::Column> columns = columnsOf(page.number, control);
                QList<Row> rows = report.rows(page.number, control.point);
                for (Row &row : rows) {
                    for (int c = 0; c < columns.size() && c < row.cols.size(); ++c) {
                        if (columns.at(c).kind == Catalogue::Kind::Amount &&
                            !Vocabulary::isMarker(row.col(1)))
                            row.cols[c] = zero;
                    }
                }
                replaceRows(report, page.number, control.point, rows);
            }
        }
    }
}

bool previousYear(const ReportKey &key, Table table, const std::function<bool()> &withoutFigures)
{
    Database &db = host().DBObj();
    Transaction transaction(db);
    const QList<Row> rows = read(db, table, key.client, QString::number(key.yearKey.toInt() - 1));
    if (rows.isEmpty())
        return false;
    auto report = modelOf(key, rows);
    roll(*report);
    if (withoutFigures())
        dropFigures(*report);
    ReportCarry::replace(*report, false, ReportCarry::PreviousYearChange);
    transaction.commit();
    return true;
}

bool oldFormat(const ReportKey &key)
{
    Database &db = host().DBObj();
    Transaction transaction(db);
    QList<Row> rows = read(db, Table::Older, key.client, key.yearKey);
    rows.removeIf([](const Row &row) { return row.page == kRemarksPage; });
    if (rows.isEmpty())
        return false;
    ReportCarry::replace(*modelOf(key, rows), true, ReportCarry::OldFormatChange);
    transaction.commit();
    return true;
}

} // namespace Form3cebCarry
