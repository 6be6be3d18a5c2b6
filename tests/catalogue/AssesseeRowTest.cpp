#include "catalogue/AssesseeRow.h"
#include "catalogue/ClauseCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace AssesseeRow;

namespace
{

// The members of a block that read the assessee row, wherever they are nested.
QList<const Catalogue::JsonMember *> assesseeMembers(const Catalogue::JsonBlock &block)
{
    QList<const Catalogue::JsonMember *> found;
    std::function<void(const Catalogue::JsonMember &)> visit = [&](const Catalogue::JsonMember &m) {
        if (m.point == QLatin1String("@declaration"))
            found << &m;
        for (const Catalogue::JsonMember &nested : m.members)
            visit(nested);
    };
    for (const Catalogue::JsonPart &part : block.parts) {
        for (const Catalogue::JsonMember &m : part.members)
            visit(m);
    }
    return found;
}

} // namespace

TEST(AssesseeRow, EveryBlockThatWritesItTakesItsColumnsFromTheOneLayout)
{
    const ClauseCatalogue &cat = ClauseCatalogue::instance();
    EXPECT_EQ(columnCount(), 16);
    EXPECT_EQ(emptyRow().size(), 16);
    EXPECT_EQ(index(FirstName), 0);
    EXPECT_EQ(int(Aadhaar), 13);

    QList<const Catalogue::JsonBlock *> blocks{cat.declaration("3CA"), cat.declaration("3CB")};
    for (const Catalogue::JsonBlock &block : cat.jsonBlocks()) {
        if (block.member == QLatin1String("PartA"))
            blocks << &block;
    }
    ASSERT_EQ(blocks.size(), 3);
    for (const Catalogue::JsonBlock *block : blocks) {
        ASSERT_NE(block, nullptr);
        int checked = 0;
        for (const Catalogue::JsonMember *m : assesseeMembers(*block)) {
            SCOPED_TRACE(block->member.toStdString() + " " + m->name.toStdString());
            if (m->name == QLatin1String("PAN")) {
                EXPECT_EQ(m->column, int(PAN));
            } else if (m->name == QLatin1String("AadhaarCardNo")) {
                EXPECT_EQ(m->column, int(Aadhaar));
            } else if (m->as == Catalogue::MemberKind::Name) {
                EXPECT_EQ(m->columns, (QList<int>{FirstName, MiddleName, LastName}));
            } else if (m->as == Catalogue::MemberKind::Address) {
                const QHash<QString, int> expected{{"line1", AddressLine1},
                                                   {"line2", AddressLine2},
                                                   {"country", Country},
                                                   {"pin", Pin},
                                                   {"postOffice", PostOffice},
                                                   {"locality", Area},
                                                   {"city", District},
                                                   {"state", State},
                                                   {"cityCode", StoredNumber::of("districtCode")},
                                                   {"postOfficeCode", StoredNumber::of("postOfficeCode")},
                                                   {"localityCode", StoredNumber::of("areaCode")}};
                EXPECT_EQ(m->address, expected);
            } else {
                ADD_FAILURE() << "a member of the assessee row the test does not know";
            }
            ++checked;
        }
        EXPECT_EQ(checked, 4);
    }
}

TEST(AssesseeRow, ACatalogueNamingAColumnTheRowLacksDoesNotLoad)
{
    QFile real(ClauseCatalogue::defaultPath());
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    QByteArray text = real.readAll();
    const QByteArray named = R"("col": "pan", "as": "text", "point": "@declaration")";
    ASSERT_TRUE(text.contains(named));
    text.replace(named, R"("col": "panNumber", "as": "text", "point": "@declaration")");

    QTemporaryDir dir;
    QFile broken(dir.filePath("form3cd.json"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(text);
    broken.close();
    try {
        ClauseCatalogue::load(broken.fileName());
        FAIL() << "the catalogue loaded";
    } catch (const std::runtime_error &e) {
        EXPECT_NE(std::string(e.what()).find("\"panNumber\""), std::string::npos) << e.what();
    }
}

// The row's place is the catalogue's alone: a catalogue that moves the point moves the row.
TEST(AssesseeRow, IsKeptWhereTheCataloguePlacesItOnEachForm)
{
    const ClauseCatalogue &cat = ClauseCatalogue::instance();
    EXPECT_EQ(placeOn("3CA").page, 1);
    EXPECT_EQ(placeOn("3CA").point, "3CA1A");
    EXPECT_EQ(placeOn("3CB").page, 101);
    EXPECT_EQ(placeOn("3CB").point, "3CBPT1A");
    EXPECT_EQ(cat.assesseePlace("3CB").point, cat.resolve("@declaration", 0, "3CB").point);

    QFile real(ClauseCatalogue::defaultPath());
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    QByteArray text = real.readAll();
    const QByteArray placed = R"("3CB": {"page": 101, "point": "3CBPT1A"})";
    ASSERT_TRUE(text.contains(placed));
    text.replace(placed, R"("3CB": {"page": 101, "point": "3CBPT1B"})");
    QTemporaryDir dir;
    QFile moved(dir.filePath("form3cd.json"));
    ASSERT_TRUE(moved.open(QIODevice::WriteOnly));
    moved.write(text);
    moved.close();
    EXPECT_EQ(ClauseCatalogue::load(moved.fileName())->assesseePlace("3CB").point, "3CBPT1B");
}
