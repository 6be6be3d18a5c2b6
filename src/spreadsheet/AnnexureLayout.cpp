#include "AnnexureLayout.h"
#include "catalogue/Vocabulary.h"

#include "catalogue/CellFormat.h"
#include "model/ListSources.h"

#include <algorithm>

const QString &AnnexureLayout::sheetName()
{
    static const QString name = QStringLiteral("Sheet1");
    return name;
}

const QString &AnnexureLayout::instruction()
{
    static const QString text = QStringLiteral(
        "Instructions : DONOT change heading, formatting of Cells or Name of Excel Sheet. DONOT leave blank "
        "rows between two records, otherwise Data will not be imported Properly.");
    return text;
}

QStringList AnnexureLayout::headings() const
{
    QStringList out;
    for (const AnnexureColumn &c : columns)
        out << c.heading;
    return out;
}

int AnnexureLayout::headingRows() const
{
    return std::any_of(columns.begin(), columns.end(),
                       [](const AnnexureColumn &c) { return !c.band.isEmpty(); })
               ? 2
               : 1;
}

QList<QStringList> AnnexureLayout::headingCells() const
{
    if (headingRows() == 1)
        return {headings()};
    QStringList top;
    QStringList bottom;
    for (int c = 0; c < columns.size(); ++c) {
        const AnnexureColumn &column = columns.at(c);
        if (column.band.isEmpty()) {
            top << column.heading;
            bottom << QString();
            continue;
        }
        const bool opensBand = c == 0 || columns.at(c - 1).band != column.band;
        top << (opensBand ? column.band : QString());
        bottom << column.heading;
    }
    return {top, bottom};
}

bool AnnexureLayout::matchesHeadings(const QList<QStringList> &sheetRows) const
{
    const QList<QStringList> expected = headingCells();
    for (int r = 0; r < expected.size(); ++r) {
        const QStringList &cells = sheetRows.value(kHeadingRow + r);
        const QStringList &want = expected.at(r);
        for (int c = 0; c < qMax(int(cells.size()), int(want.size())); ++c)
            if (cells.value(c).trimmed() != want.value(c).trimmed())
                return false;
    }
    return true;
}

AnnexureLayout AnnexureLayout::ofGrid(const QList<Catalogue::Column> &columns)
{
    AnnexureLayout layout;
    ListSources lists;
    for (const Catalogue::Column &c : columns) {
        AnnexureColumn column{c.heading, c.kind, CellFormat::widthOf(c), c.hidden, {}, true, {}};
        if (c.kind == Catalogue::Kind::List && !c.list.isEmpty() && c.dependsOn == 0) {
            column.listItems = lists.items(c.list);
            column.listIsStrict = !lists.isEditable(c.list);
        } else if (c.kind == Catalogue::Kind::Tick) {
            column.listItems = {Vocabulary::TrueWord, Vocabulary::FalseWord};
        }
        layout.columns << column;
    }
    return layout;
}
