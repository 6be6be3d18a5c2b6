#include "AnnexureLayout.h"

#include "catalogue/CellFormat.h"
#include "model/ListSources.h"

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

bool AnnexureLayout::matchesHeadings(const QStringList &cells) const
{
    for (int c = 0; c < qMax(int(cells.size()), int(columns.size())); ++c)
        if (cells.value(c).trimmed() != (c < columns.size() ? columns.at(c).heading.trimmed() : QString()))
            return false;
    return true;
}

AnnexureLayout AnnexureLayout::ofGrid(const QList<Catalogue::Column> &columns)
{
    AnnexureLayout layout;
    ListSources lists;
    for (const Catalogue::Column &c : columns) {
        AnnexureColumn column{c.heading, c.kind, CellFormat::widthOf(c), c.hidden, {}, true};
        if (c.kind == Catalogue::Kind::List && !c.list.isEmpty() && c.dependsOn == 0) {
            column.listItems = lists.items(c.list);
            column.listIsStrict = !lists.isEditable(c.list);
        } else if (c.kind == Catalogue::Kind::Tick) {
            column.listItems = {QStringLiteral("True"), QStringLiteral("False")};
        }
        layout.columns << column;
    }
    return layout;
}
