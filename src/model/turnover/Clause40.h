#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// Clause 40: paired amounts of the previous year and the preceding previous year and the
// ratios derived from them. Fields are named as page 20's text boxes ("txt40bGP"); the
// suffix p marks the preceding previous year.
namespace Clause40
{

using Fields = QMap<QString, QString>;

// The stored records of page 20 in order, each with its fields in column order.
struct Record {
    QString point;
    QStringList fields;
};
const QList<Record> &records();

struct Ratio {
    QString ratio;
    QString numerator;
    QString denominator;
};
// The eight ratios, current year first.
const QList<Ratio> &ratios();

// The ratio of two amounts: "" when both are empty, "Nil" when both read Nil, "NA" when
// both read NA (any letter case), "0.00" when the denominator is 0 or not a number, else
// numerator ÷ denominator × 100 as "###0.00".
QString ratioOf(const QString &numerator, const QString &denominator);

// Recomputes every ratio field from its amounts.
void recomputeRatios(Fields &fields);

// A whole-rupee amount reads the same as its "###0" form; texts that are not numbers
// ("Nil") pass.
bool isWholeRupees(const QString &text);

struct Problem {
    QString field;
    QString message;
};
// The first amount with decimals, in the page's order, with its message.
std::optional<Problem> firstDecimalAmount(const Fields &fields);

// The amounts the completeness check visits, with the labels it names them by.
struct Labelled {
    QString field;
    QString label;
};
const QList<Labelled> &completenessFields();

} // namespace Clause40
