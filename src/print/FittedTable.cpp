#include "FittedTable.h"

#include "ReportEngine.h"
#include "ReportWriter.h"

#include <QRegularExpression>
#include <algorithm>
#include <numeric>

namespace FittedTable
{

namespace
{

// A heading's word longer than this may break: the values, not the headings, decide how
// many columns go across a line.
constexpr qsizetype HeadingWord = 8;

// The longest word of a column (a whole amount) and its longest text, in characters; the
// column's cells are at `c` of each row.
std::pair<double, double> lengths(const Column &column, const QList<QStringList> &rows, int c)
{
    qsizetype longestWord = 3;
    qsizetype longestText = 0;
    static const QRegularExpression space(QStringLiteral("\\s+"));
    for (const QString &word : column.heading.split(space))
        longestWord = std::max(longestWord, std::min(word.size(), HeadingWord));
    for (const QStringList &row : rows) {
        const QString text = row.value(c);
        longestText = std::max(longestText, text.size());
        if (column.amount) {
            longestWord = std::max(longestWord, text.size());
            continue;
        }
        // The words between white space (what \s matches: space, tab and the line codes),
        // counted in one pass over the cell.
        qsizetype word = 0;
        for (const QChar ch : text) {
            const char16_t u = ch.unicode();
            word = u == u' ' || (u >= u'\t' && u <= u'\r') ? 0 : word + 1;
            longestWord = std::max(longestWord, word);
        }
    }
    return {double(longestWord), double(longestText)};
}

// The smallest type a table is set in, in points.
constexpr double SmallestType = 6.0;

// About as many characters as a line of the page holds in the report's type, and a cell's
// padding in characters.
double pageCharacters(bool widePage)
{
    return widePage ? 145 : 100;
}
double pageCharacters(ReportEngine &engine)
{
    return pageCharacters(engine.wide());
}
constexpr double CellPadding = 2.5;

// The characters of a line less the padding of a table of `columns` columns and its serial.
double lineCharacters(ReportEngine &engine, int columns)
{
    return pageCharacters(engine) - CellPadding * (columns + 1);
}

// The columns `shown` as one table, each as wide as its longest word needs and a share of
// its usual length.
void bandTable(ReportWriter &writer, const QString &serialHeading, const QList<Column> &columns,
               const QList<int> &shown, const QList<double> &least, const QList<double> &more,
               const QList<QStringList> &rows)
{
    ReportEngine &engine = writer.engine();
    double line = lineCharacters(engine, int(shown.size()));
    double needed = 0, wanted = 0;
    for (int c : shown) {
        needed += least.at(c);
        wanted += more.at(c);
    }
    const double size = std::max(SmallestType, engine.fontSize() * std::min(1.0, line / needed));
    if (size < engine.fontSize()) {
        line *= engine.fontSize() / size;
        engine.setCellFontSize(size);
    }
    const double spare = std::max(0.0, line - needed);
    QList<double> weights;
    for (int c : shown)
        weights << least.at(c) + (wanted > 0 ? more.at(c) * std::min(1.0, spare / wanted) : 0.0);
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);

    QStringList widths{QStringLiteral("4")};
    QList<int> alignments{ReportRow::Centre};
    QStringList heading{serialHeading};
    // Each column ends where its share of the running total ends, so that rounding does not
    // gather at the last column.
    double upTo = 0;
    int ended = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        upTo += weights.at(i);
        const int end = std::max(ended + 1, int(std::lround(96 * upTo / total)));
        widths << QString::number(end - ended);
        ended = end;
        const Column &column = columns.at(shown.at(i));
        alignments << (column.amount ? ReportRow::Right : ReportRow::Left);
        heading << column.heading;
    }
    writer.columns(widths.join(u','), alignments);
    writer.heading(heading);
    QStringList cells;
    for (const QStringList &row : rows) {
        cells.clear();
        cells << row.value(0);
        for (int c : shown)
            cells << row.value(c + 1);
        writer.boxed(cells);
    }
    engine.setCellFontSize(0);
}

} // namespace

void write(ReportWriter &writer, const QList<Column> &columns, const QList<QStringList> &rows,
           const QString &widths)
{
    const QStringList parts = widths.split(u',', Qt::SkipEmptyParts);
    if (parts.size() != columns.size() + 1) {
        write(writer, columns, rows);
        return;
    }
    ReportEngine &engine = writer.engine();
    QList<double> share;
    for (const QString &part : parts)
        share << part.toDouble();
    // An amount is never broken: an amount column too narrow for its longest amount in the
    // smallest type takes the room it needs from the text columns, which break at spaces.
    const double perPercent = pageCharacters(engine) / 100.0 * engine.fontSize() / SmallestType;
    double taken = 0, text = 0;
    for (int c = 0; c < columns.size(); ++c) {
        if (!columns.at(c).amount) {
            text += share.at(c + 1);
            continue;
        }
        const double needed = (lengths(columns.at(c), rows, c).first + CellPadding) / perPercent;
        if (needed > share.at(c + 1)) {
            taken += needed - share.at(c + 1);
            share[c + 1] = needed;
        }
    }
    if (taken > 0 && text > taken) {
        for (int c = 0; c < columns.size(); ++c) {
            if (!columns.at(c).amount)
                share[c + 1] *= (text - taken) / text;
        }
    }
    // The type in which every column's longest word fits its share of the line.
    double size = engine.fontSize();
    for (int c = 0; c < columns.size(); ++c) {
        const double room = pageCharacters(engine) * share.at(c + 1) / 100.0 - CellPadding;
        const double word = lengths(columns.at(c), rows, c).first;
        if (room > 0 && word > room)
            size = std::min(size, engine.fontSize() * room / word);
    }
    size = std::max(SmallestType, size);
    if (size < engine.fontSize())
        engine.setCellFontSize(size);
    QList<int> alignments{ReportRow::Centre};
    QStringList heading{QStringLiteral("Sl.")};
    for (const Column &column : columns) {
        alignments << (column.amount ? ReportRow::Right : ReportRow::Left);
        heading << column.heading;
    }
    // Each column ends where its share of the running total ends, so that rounding does not
    // gather at the last column.
    QStringList rounded;
    double upTo = 0;
    int ended = 0;
    for (double w : std::as_const(share)) {
        upTo += w;
        const int end = std::max(ended + 1, int(std::lround(upTo)));
        rounded << QString::number(end - ended);
        ended = end;
    }
    writer.columns(rounded.join(u','), alignments);
    writer.heading(heading);
    for (qsizetype r = 0; r < rows.size(); ++r)
        writer.boxed(QStringList{QString::number(r + 1)} + rows.at(r));
    engine.setCellFontSize(0);
}

void write(ReportWriter &writer, const QList<Column> &columns, const QList<QStringList> &rows)
{
    QList<QStringList> serialled;
    serialled.reserve(rows.size());
    for (const QStringList &row : rows)
        serialled << (QStringList{QString::number(serialled.size() + 1)} + row);
    writeSerialled(writer, QStringLiteral("Sl."), columns, serialled);
}

void writeSerialled(ReportWriter &writer, const QString &serialHeading, const QList<Column> &columns,
                    const QList<QStringList> &rows)
{
    if (columns.isEmpty())
        return;
    ReportEngine &engine = writer.engine();
    QList<double> least, more;
    for (int c = 0; c < columns.size(); ++c) {
        const auto [longestWord, longestText] = lengths(columns.at(c), rows, c + 1);
        least << longestWord + 1.5;
        more << std::max(0.0, std::min(longestText, 60.0) - longestWord);
    }
    // A grid whose longest words do not fit the line even in the smallest type goes in
    // bands of columns, each a table of all the rows under the serial.
    const double scale = engine.fontSize() / SmallestType;
    const QList<QList<int>> all = bands(columns, rows, pageCharacters(engine) * scale, CellPadding * scale);
    for (qsizetype b = 0; b < all.size(); ++b) {
        if (b > 0)
            writer.blank();
        bandTable(writer, serialHeading, columns, all.at(b), least, more, rows);
    }
}

bool fitsAcross(ReportEngine &engine, const QList<Column> &columns, const QList<QStringList> &rows,
                bool widePage)
{
    const double scale = engine.fontSize() / SmallestType;
    return bands(columns, rows, pageCharacters(widePage) * scale, CellPadding * scale).size() == 1;
}

QList<QList<int>> bands(const QList<Column> &columns, const QList<QStringList> &rows, double lineCharacters,
                        double padding)
{
    QList<QList<int>> all{{}};
    double needs = 0;
    for (int c = 0; c < columns.size(); ++c) {
        const double least = lengths(columns.at(c), rows, c + 1).first + 1.5;
        const qsizetype count = all.last().size() + 1;
        if (!all.last().isEmpty() && needs + least > lineCharacters - padding * double(count + 1)) {
            all << QList<int>();
            needs = 0;
        }
        all.last() << c;
        needs += least;
    }
    return all;
}

} // namespace FittedTable
