#include "catalogue/Form3cebCatalogue.h"
#include "ChangedCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

std::string loadedWith(const QByteArray &from, const QByteArray &to)
{
    return ::loadedWith<Form3cebCatalogue>(Form3cebCatalogue::defaultPath(), from, to);
}

} // namespace

// A grid row's serial is kept beside its cells: the catalogue names the column, and no grid
// may reach it.
TEST(Form3cebCatalogue, NamesTheSerialColumnBesideEveryGridsCells)
{
    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    EXPECT_EQ(cat.serialColumn(), 15);
    for (const Catalogue::TransactionType &type : cat.transactionTypes())
        EXPECT_LT(type.columns.size(), cat.serialColumn()) << type.type.toStdString();

    const QByteArray named = R"("serialColumn": 15,)";
    EXPECT_EQ(loadedWith(named, R"("serialColumn": 16,)"), "");
    EXPECT_EQ(loadedWith(named, R"("serialColumn": 12,)"),
              "the Form 3CEB grid 11A reaches the serial column");
    EXPECT_EQ(loadedWith(named, ""), "the Form 3CEB catalogue names no serialColumn");
}
