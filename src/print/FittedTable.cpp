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

// The longest word of a column (a whole amount) and its longest text, in characters.
std::pair<double, double> lengths(const Column &column, const QList<QStringList> &rows, int c)
{
    qsizetype longestWord = 3;
    qsizetype longestText = 0;
    static const QRegularExpression space(QStringLiteral("\\s+"));
    for (const QString &word : column.heading.split(space))
        longestWord = std::max(longestWord, word.size());
    for (const QStringList &row : rows) {
        const QString text = row.value(c);
        longestText = std::max(longestText, text.size());
        for (const QString &word : column.amount ? QStringList{text} : text.split(space))
            longestWord = std::max(longestWord, word.size());
    }
    return {double(longestWord), double(longestText)};
}

} // namespace

void write(ReportWriter &writer, const QList<Column> &columns, const QList<QStringList> &rows)
{
    if (columns.isEmpty())
        return;
    ReportEngine &engine = writer.engine();
    QList<double> least, more;
    for (int c = 0; c < columns.size(); ++c) {
        const auto [longestWord, longestText] = lengths(columns.at(c), rows, c);
        least << longestWord + 1.5;
        more << std::max(0.0, std::min(longestText, 60.0) - longestWord);
    }
    // About as many characters as a line of the page holds, less each cell's padding.
    double lineCharacters = (engine.wide() ? 145 : 100) - 2.5 * (columns.size() + 1);
    const double needed = std::accumulate(least.begin(), least.end(), 0.0);
    const double size = std::max(6.5, engine.fontSize() * std::min(1.0, lineCharacters / needed));
    if (size < engine.fontSize()) {
        lineCharacters *= engine.fontSize() / size;
        engine.setCellFontSize(size);
    }
    const double wanted = std::accumulate(more.begin(), more.end(), 0.0);
    const double spare = std::max(0.0, lineCharacters - needed);
    QList<double> weights;
    for (int c = 0; c < columns.size(); ++c)
        weights << least.at(c) + (wanted > 0 ? more.at(c) * std::min(1.0, spare / wanted) : 0.0);
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);

    QStringList widths{QStringLiteral("4")};
    QList<int> alignments{ReportRow::Centre};
    QStringList heading{QStringLiteral("Sl.")};
    // Each column ends where its share of the running total ends, so that rounding does not
    // gather at the last column.
    double upTo = 0;
    int ended = 0;
    for (int c = 0; c < columns.size(); ++c) {
        upTo += weights.at(c);
        const int end = std::max(ended + 1, int(std::lround(96 * upTo / total)));
        const int share = end - ended;
        ended = end;
        widths << QString::number(share);
        alignments << (columns.at(c).amount ? ReportRow::Right : ReportRow::Left);
        heading << columns.at(c).heading;
    }
    writer.columns(widths.join(u','), alignments);
    writer.heading(heading);
    int serial = 0;
    for (const QStringList &row : rows)
        writer.boxed(QStringList{QString::number(++serial)} + row.mid(0, columns.size()));
    engine.setCellFontSize(0);
}

} // namespace FittedTable
