#include "Xml3cebCarried.h"

#include "catalogue/Form3cebCatalogue.h"

#include <QHash>
#include <QSet>

using namespace Catalogue;

namespace Xml3cebCarried
{

namespace
{

QString keyOf(int page, const QString &point)
{
    return QString::number(page) + u'|' + point;
}

// The columns the file fills, by page and point; grids are the points of many rows.
struct Carried {
    QHash<QString, QSet<int>> columns;
    QSet<QString> grids;
    int sequenceColumn = 0;

    void add(int page, const QString &point, int col) { columns[keyOf(page, point)].insert(col); }
    void addPart(const XmlPart &part)
    {
        for (const XmlElement &e : part.children)
            add(e.page ? e.page : part.page, e.page ? e.point : part.point, e.col);
    }
    void addGrid(int page, const QString &point, const QList<XmlElement> &elements)
    {
        grids.insert(keyOf(page, point));
        add(page, point, Form3cebCatalogue::instance().serialColumn());
        add(page, point, sequenceColumn);
        for (const XmlElement &e : elements) {
            if (!e.isConst)
                add(page, point, e.col);
        }
    }
};

Carried carried(int sequenceColumn)
{
    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    Carried c;
    c.sequenceColumn = sequenceColumn;
    for (const XmlPart &part : cat.declaration())
        c.addPart(part);
    c.addPart(cat.annexure());
    c.addPart(cat.otherInformation());
    // A section row is its code and the sector the code belongs to.
    const XmlPart &sections = cat.sections();
    c.addGrid(sections.page, sections.point, {});
    for (int col = 1; col <= sections.col; ++col)
        c.add(sections.page, sections.point, col);
    c.addGrid(cat.enterprises().page, cat.enterprises().point, cat.enterprises().children);
    for (const TransactionType &t : cat.transactionTypes()) {
        c.addGrid(t.page, t.point, t.elements);
        if (!t.flag.isEmpty())
            c.add(t.page, t.flag, 1);
    }
    return c;
}

// An enterprise is known by its name, the first column of every grid that lists one.
QString enterpriseOf(const ClauseStore::ClauseRow &row)
{
    return row.col(1).trimmed().toUpper();
}

} // namespace

QList<ClauseStore::ClauseRow> merged(const QList<ClauseStore::ClauseRow> &stored,
                                     const QList<ClauseStore::ClauseRow> &imported, int sequenceColumn)
{
    const Carried c = carried(sequenceColumn);
    QList<ClauseStore::ClauseRow> out;
    QHash<QString, const ClauseStore::ClauseRow *> before;
    for (const ClauseStore::ClauseRow &row : stored) {
        const QString key = keyOf(row.page, row.point);
        if (!c.columns.contains(key)) {
            out << row;
            continue;
        }
        const QString rowKey = c.grids.contains(key) ? key + u'|' + enterpriseOf(row) : key;
        if (!before.contains(rowKey))
            before.insert(rowKey, &row);
    }
    for (ClauseStore::ClauseRow row : imported) {
        const QString key = keyOf(row.page, row.point);
        const QString rowKey = c.grids.contains(key) ? key + u'|' + enterpriseOf(row) : key;
        if (const ClauseStore::ClauseRow *was = before.value(rowKey)) {
            const QSet<int> filled = c.columns.value(key);
            for (int col = 1; col <= row.cols.size(); ++col) {
                if (!filled.contains(col))
                    row.cols[col - 1] = was->col(col);
            }
        }
        out << row;
    }
    return out;
}

} // namespace Xml3cebCarried
