#include "CarryForward.h"

#include "catalogue/CellFormat.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/DepreciationPoints.h"
#include "catalogue/FiledRows.h"
#include "catalogue/Form3caPointOne.h"
#include "catalogue/PartAPoints.h"
#include "catalogue/SigningPoints.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"
#include "store/ReportKey.h"

#include <QRegularExpression>
#include <functional>

using Row = ReportModel::Row;

namespace CarryForward
{

namespace
{

// Rewrites the rows of a point in place; a row for which `change` returns false goes.
void edit(ReportModel &report, int page, const QString &point, const std::function<bool(Row &)> &change)
{
    if (!report.has(page, point))
        return;
    QList<Row> rows = report.rows(page, point);
    report.removePoint(page, point);
    for (Row &row : rows) {
        row.cols.resize(std::max<qsizetype>(row.cols.size(), ReportModel::kSequenceColumn));
        if (change(row))
            report.append(row);
    }
}

void set(Row &row, int col, const QString &value)
{
    row.cols[col - 1] = value;
}

// Signing data belong to last year's report, and so do the rows of clauses 10(a) and 10(b)
// whose year column names a year ("2024"): they describe a change made in that year. The
// members kept from last year's filed file describe that file.
void dropLastYearsOwn(ReportModel &report)
{
    report.removePoint(SigningPoints::Page, SigningPoints::Udin);
    report.removePoint(SigningPoints::Page, SigningPoints::SignedOn);
    report.removePoint(FiledRows::kPage, FiledRows::point());
    edit(report, 3, QStringLiteral("10a"), [](Row &row) { return row.col(3).size() != 4; });
    edit(report, 3, QStringLiteral("10b"), [](Row &row) { return row.col(4).size() != 4; });
}

// Clause 8's captions of earlier versions, each rewritten in this order (a caption may be
// rewritten twice), then with its double blanks made single.
void rewordClause8(ReportModel &report)
{
    static const QList<std::pair<QString, QString>> captions{
        {QStringLiteral(
             "Clause 44AB(a)- Total sales/turnover/gross receipts in business  exceeding Rs. 1 crore"),
         QStringLiteral(
             "Clause 44AB(a)- Total sales/turnover/gross receipts of business exceeding specified limits")},
        {QStringLiteral("Clause 44AB(b)- Gross receipts in profession  exceeding Rs.50 lakhs"),
         QStringLiteral("Clause 44AB(b)- Gross receipts in profession  exceeding specified limits")},
        {QStringLiteral(
             "Clause 44AB(a)- Total sales/turnover/gross receipts in business  exceeding specified limits"),
         QStringLiteral(
             "Clause 44AB(a)- Total sales/turnover/gross receipts of business exceeding specified limits")},
        {QStringLiteral("Clause 44AB(e )- Profits and gains lower than deemed profit u/s  44AD"),
         QStringLiteral("Clause 44AB(e)- When provisions of section 44AD(4) are applicable")},
        {QStringLiteral("Clause 44AB(b)- Gross receipts in profession  exceeding specified limits"),
         QStringLiteral("Clause 44AB(b)- Gross receipts of profession exceeding specified limits")},
        {QStringLiteral("Clause 44AB(c )-i- Profits and gains lower than deemed profit u/s  44AE"),
         QStringLiteral("Clause 44AB(c)-i- Profits and gains lower than deemed profit u/s 44AE")},
        {QStringLiteral("Clause 44AB(c )-ii- Profits and gains lower than deemed profit u/s  44BB"),
         QStringLiteral("Clause 44AB(c)-ii- Profits and gains lower than deemed profit u/s 44BB")},
        {QStringLiteral("Clause 44AB(c )-iii- Profits and gains lower than deemed profit u/s  44BBB"),
         QStringLiteral("Clause 44AB(c)-iii- Profits and gains lower than deemed profit u/s 44BBB")},
        {QStringLiteral("Clause 44AB(d )- Profits and gains lower than deemed profit u/s  44ADA"),
         QStringLiteral("Clause 44AB(d)- Profits and gains lower than deemed profit u/s 44ADA")}};
    edit(report, 2, QStringLiteral("8"), [](Row &row) {
        QString caption = row.col(1);
        for (const auto &[old, current] : captions) {
            if (caption == old)
                caption = current;
        }
        set(row, 1, caption.replace(QStringLiteral("  "), QStringLiteral(" ")));
        return true;
    });
}

// Clause 40: last year's figures become this year's previous-year column.
void rollClause40(ReportModel &report)
{
    edit(report, 20, QStringLiteral("40a"), [](Row &row) {
        set(row, 2, row.col(1));
        set(row, 1, {});
        return true;
    });
    for (const QString &point :
         {QStringLiteral("40b"), QStringLiteral("40c"), QStringLiteral("40d"), QStringLiteral("40e")}) {
        edit(report, 20, point, [](Row &row) {
            for (int c = 1; c <= 3; ++c) {
                set(row, c + 3, row.col(c));
                set(row, c, {});
            }
            return true;
        });
    }
}

} // namespace

// Clauses 23, 28 and 29 gained the Aadhaar number as their third column: the columns of
// an older row from the third on move one to the right.
void widenOlderRows(ReportModel &report)
{
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    for (const auto &[page, point] :
         {std::pair{10, QStringLiteral("23")}, std::pair{13, QStringLiteral("28")},
          std::pair{13, QStringLiteral("29")}}) {
        const Catalogue::Control *control = catalogue.controlOf(page, point);
        const int width = control ? int(control->columns.size()) : 6;
        edit(report, page, point, [width](Row &row) {
            if (Vocabulary::isMarker(row.col(1)))
                return true;
            for (int c = width; c > 3; --c)
                set(row, c, row.col(c - 1));
            set(row, 3, {});
            return true;
        });
    }
}

namespace
{

// Part A names the year it reports on: the financial year's dates and the assessment year.
void partADates(ReportModel &report)
{
    const ReportKey &key = report.key();
    edit(report, 1, Form3caPointOne::Point, [&key](Row &row) {
        set(row, 10, key.firstDate());
        set(row, 11, key.secondDate());
        set(row, 12, key.yearKey);
        return true;
    });
    edit(report, PartAPoints::Form3cbPage, PartAPoints::Form3cbPointOne, [&key](Row &row) {
        set(row, 2, key.secondDate());
        set(row, 4, key.firstDate());
        set(row, 5, key.secondDate());
        return true;
    });
    edit(report, 101, QStringLiteral("3CBPT3"), [&key](Row &row) {
        if (!row.col(10).isEmpty())
            set(row, 10, key.secondDate());
        return true;
    });
    // The date of signing is this year's to give.
    for (const auto &[page, point] :
         {std::pair{1, QStringLiteral("3CAOTH")}, std::pair{101, QStringLiteral("3CBOTH")}})
        edit(report, page, point, [](Row &row) {
            set(row, 5, {});
            return true;
        });
    const int year = key.yearKey.toInt();
    edit(report, PartAPoints::Page, PartAPoints::Particulars, [&key, year](Row &row) {
        set(row, 3, key.firstDate());
        set(row, 4, key.secondDate());
        set(row, 5, ReportKey::twoYears(year));
        return true;
    });
}

bool isFigure(Catalogue::Kind kind)
{
    return kind == Catalogue::Kind::Amount || kind == Catalogue::Kind::Whole;
}

} // namespace

void dropLastYearsDates(ReportModel &report)
{
    using namespace Catalogue;
    static const QRegularExpression yearHeading(QStringLiteral("assessment year|yyyy-yy|^financial year"),
                                                QRegularExpression::CaseInsensitiveOption);
    // The date of the audit report under the other law.
    edit(report, 1, Form3caPointOne::Point, [](Row &row) {
        set(row, 8, {});
        return true;
    });
    for (const Page &page : ClauseCatalogue::instance().pages()) {
        // Part A takes this year's dates when it is rolled; the signing page starts empty.
        if (page.number <= 2 || page.number == 21)
            continue;
        for (const Clause &clause : page.clauses) {
            for (const Control &control : clause.controls) {
                QList<int> cleared;
                if (control.type == ControlType::Text && control.kind == Kind::Date)
                    cleared << 1;
                for (int c = 1; c <= control.columns.size(); ++c) {
                    const Column &column = control.columns.at(c - 1);
                    if (column.kind == Kind::Date ||
                        (column.kind == Kind::Text && yearHeading.match(column.heading).hasMatch()))
                        cleared << c;
                }
                for (int f = 1; f <= control.fields.size(); ++f) {
                    if (control.fields.at(f - 1).kind == Kind::Date)
                        cleared << int(control.columns.size()) + f;
                }
                if (cleared.isEmpty())
                    continue;
                edit(report, page.number, control.point, [&cleared](Row &row) {
                    if (Vocabulary::isMarker(row.col(1)))
                        return true;
                    for (int c : cleared)
                        set(row, c, {});
                    return true;
                });
            }
        }
    }
}

void roll(ReportModel &report, Layout layout)
{
    dropLastYearsOwn(report);
    rewordClause8(report);
    if (layout == Layout::BeforeAadhaar)
        widenOlderRows(report);
    rollClause40(report);
    partADates(report);
}

namespace
{

// The clauses whose amounts start at zero, each named by a point of it.
void zeroFigures(ReportModel &report, const QList<std::pair<int, QString>> &figureClauses)
{
    using namespace Catalogue;
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    for (const auto &[page, point] : figureClauses) {
        const Clause *clause = catalogue.clauseOf(page, point);
        if (!clause)
            continue;
        for (const Control &control : clause->controls) {
            QList<Kind> kinds;
            for (const Column &column : control.columns)
                kinds << column.kind;
            for (const Field &field : control.fields)
                kinds << field.kind;
            // Clause 18's lists of additions and deductions carry amounts too.
            const bool lists = control.point == DepreciationPoints::Blocks;
            edit(report, page, control.point, [&kinds, lists](Row &row) {
                if (Vocabulary::isMarker(row.col(1)))
                    return true;
                for (int c = 1; c <= kinds.size(); ++c) {
                    // A whole-rupee cell takes "0": "0.00" there is refused as a decimal.
                    if (isFigure(kinds.at(c - 1)))
                        set(row, c, CellFormat::format(kinds.at(c - 1), QStringLiteral("0")));
                    else if (lists && (c == 20 || c == 21))
                        set(row, c, {});
                }
                return true;
            });
        }
    }
}

const QList<std::pair<int, QString>> kFigureBoxes{
    {5, QStringLiteral("13e")}, {12, QStringLiteral("27a1")}, {20, QStringLiteral("40a")}};

} // namespace

void dropFigures(ReportModel &report)
{
    zeroFigures(report,
                QList<std::pair<int, QString>>{{DepreciationPoints::Page, DepreciationPoints::Blocks}} +
                    kFigureBoxes);
}

void dropFigureBoxes(ReportModel &report)
{
    zeroFigures(report, kFigureBoxes);
}

} // namespace CarryForward
