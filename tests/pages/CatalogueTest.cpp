#include "catalogue/ClauseCatalogue.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Catalogue;

namespace
{

const ClauseCatalogue &cat()
{
    return ClauseCatalogue::instance();
}

// The width of what a point holds: grid columns, field count, or one value.
int widthOf(const Control &c)
{
    if (c.type == ControlType::Grid)
        return int(c.columns.size());
    if (c.type == ControlType::Fields)
        return int(c.fields.size());
    return 1;
}

void expectStored(int page, const QString &point, int column, const QString &where)
{
    if (page == 0 || point.isEmpty() || point.startsWith(u'@'))
        return;
    const Clause *clause = cat().clauseOf(page, point);
    ASSERT_NE(clause, nullptr) << where.toStdString() << ": no clause holds page " << page << " point "
                               << point.toStdString();
    if (point == clause->option || point == clause->na)
        return;
    const Control *control = cat().controlOf(page, point);
    ASSERT_NE(control, nullptr) << where.toStdString();
    EXPECT_LE(column, widthOf(*control)) << where.toStdString() << " reads a column the page does not enter";
}

void expectMembersStored(const QList<JsonMember> &members, int page, const QString &point,
                         const QString &where)
{
    for (const JsonMember &m : members) {
        const int p = m.page ? m.page : page;
        const QString pt = m.point.isEmpty() ? point : m.point;
        const QString at = where + u'.' + m.name;
        if (m.as == Catalogue::MemberKind::Table) {
            expectMembersStored(m.members, p, m.point, at);
        } else if (m.as == Catalogue::MemberKind::Object) {
            expectMembersStored(m.members, p, pt, at);
        } else if (m.as == Catalogue::MemberKind::Address) {
            for (int c : m.address)
                expectStored(p, pt, c, at);
        } else if (m.as == Catalogue::MemberKind::Name) {
            for (int c : m.columns)
                expectStored(p, pt, c, at);
        } else if (m.column > 0) {
            expectStored(p, pt, m.column, at);
        }
        if (!m.table.isEmpty()) {
            EXPECT_TRUE(cat().hasCodeTable(m.table)) << at.toStdString();
        }
    }
}

} // namespace

TEST(ClauseCatalogue, HasEveryEditorPage)
{
    for (int page = 1; page <= 21; ++page)
        EXPECT_NE(cat().page(page), nullptr) << page;
    EXPECT_EQ(cat().page(9)->clauses.first().label, QStringLiteral("21(a)(i)"));
}

// Everything the e-filing JSON reads must be enterable on its page.
TEST(ClauseCatalogue, EveryJsonSourceIsEnterable)
{
    EXPECT_FALSE(cat().jsonBlocks().isEmpty());
    for (const JsonBlock &b : cat().jsonBlocks()) {
        for (const JsonPart &part : b.parts) {
            expectStored(part.page, part.gateOption, 1, b.member + QStringLiteral(" gate"));
            expectStored(part.page, part.gateNA, 1, b.member + QStringLiteral(" gate"));
            expectMembersStored(part.members, part.page, part.point, b.member);
        }
    }
}

TEST(ClauseCatalogue, ControlNamesAreUniqueAndGridsFitTheRow)
{
    QSet<QString> names;
    for (const Page &p : cat().pages()) {
        for (const Clause &c : p.clauses) {
            for (const Control &control : c.controls) {
                QStringList own{control.name};
                for (const Field &f : control.fields)
                    own << f.name;
                for (const QString &n : own) {
                    if (n.isEmpty())
                        continue;
                    EXPECT_FALSE(names.contains(n)) << n.toStdString();
                    names.insert(n);
                }
                // Col23 holds the row number.
                EXPECT_LE(control.columns.size(), 22) << control.name.toStdString();
                for (const Column &col : control.columns) {
                    if (!col.list.isEmpty()) {
                        const ListSource s = cat().listSource(col.list);
                        EXPECT_TRUE(!s.items.isEmpty() || !s.query.isEmpty()) << col.list.toStdString();
                    }
                }
            }
        }
    }
}

TEST(ClauseCatalogue, CodesFollowTextsAndAliases)
{
    EXPECT_EQ(cat().codeOf("indirectTaxType", "Goods and Services Tax"), "GST");
    EXPECT_EQ(cat().codeOf("indirectTaxType", "Goods & Services Tax"), "GST");
    EXPECT_EQ(cat().codeOf("section41", "Sec  41(4A)"), "SEC41a");
    EXPECT_EQ(cat().codeOf("presumptiveSection", "44AD"), "44AD");
    EXPECT_EQ(cat().codeOf("accountingMethod", "HYBRID", "stored"), "HYBRID");
    EXPECT_EQ(cat().codeOf("accountingMethod", "HYBRID"), "");
    const CodeEntry *block = cat().entryOf("depreciationBlock", "(18ae) Batteries @ 5.27%-Sec 32(1)(i)");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->code, "31");
    EXPECT_EQ(block->rate, "5.27%-");
}

TEST(ClauseCatalogue, DeclarationAliasFollowsTheForm)
{
    EXPECT_EQ(cat().resolve("@declaration", 2, "3CB").page, 101);
    EXPECT_EQ(cat().resolve("@declaration", 2, "3CA").point, "3CA1A");
    EXPECT_EQ(cat().resolve("9a", 3, "3CA").page, 3);
}
