#include "ModelTestSupport.h"

#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "store/ClauseStore.h"

#include <QSignalSpy>

using ClauseGridModelTest = ModelTest;
TALVEX_BOTH_ENGINES(ClauseGridModelTest);

TEST_P(ClauseGridModelTest, ShowsThePointsRowsWithTheCataloguesColumns)
{
    auto report = ReportModel::load();
    ClauseGridModel grid(*report, 7, QStringLiteral("18"));
    const Catalogue::Control *control = ClauseCatalogue::instance().controlOf(7, QStringLiteral("18"));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(grid.columnCount(), control->columns.size());
    EXPECT_EQ(grid.rowCount(), report->rows(7, QStringLiteral("18")).size());
    EXPECT_EQ(grid.headerData(0, Qt::Horizontal).toString(), control->columns.first().heading);
    EXPECT_EQ(grid.data(grid.index(0, 0)).toString(), report->value(7, QStringLiteral("18"), 1));
    EXPECT_EQ(grid.data(grid.index(0, 2), ClauseGridModel::KindRole).toInt(),
              int(control->columns.at(2).kind));
    EXPECT_TRUE(grid.flags(grid.index(0, 0)) & Qt::ItemIsEditable);
    // The written-down value at the end of the year is the rules', not the user's.
    EXPECT_FALSE(grid.flags(grid.index(0, 18)) & Qt::ItemIsEditable);
}

TEST_P(ClauseGridModelTest, EditsReachTheReportModelAndAreSaved)
{
    auto report = ReportModel::load();
    ClauseGridModel grid(*report, 7, QStringLiteral("17"));
    const int before = grid.rowCount();
    QSignalSpy inserted(&grid, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&grid, &QAbstractItemModel::dataChanged);
    QSignalSpy removed(&grid, &QAbstractItemModel::rowsRemoved);

    ASSERT_TRUE(grid.insertRows(before, 2));
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(grid.rowCount(), before + 2);
    EXPECT_TRUE(grid.setData(grid.index(before, 0), QStringLiteral("  Plot 12, Sector 5  ")));
    // An amount column keeps its amounts as "###0.00".
    int amount = -1;
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (grid.columns().at(c).kind == Catalogue::Kind::Amount) {
            amount = c;
            break;
        }
    }
    ASSERT_GE(amount, 0);
    EXPECT_TRUE(grid.setData(grid.index(before, amount), QStringLiteral("2500000")));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(grid.data(grid.index(before, 0)).toString(), "Plot 12, Sector 5");
    EXPECT_EQ(grid.data(grid.index(before, amount)).toString(), "2500000.00");

    // The report model holds the row, numbered after the others.
    const QList<ReportModel::Row> &rows = report->rows(7, QStringLiteral("17"));
    ASSERT_EQ(rows.size(), before + 2);
    EXPECT_EQ(rows.at(before).col(1), "Plot 12, Sector 5");
    EXPECT_EQ(rows.at(before).col(23), QString::number(before + 1));

    // The empty row is not written; the filled one is.
    report->savePage(7);
    const QList<ReportModel::Row> stored = ClauseStore::readPoint(7, QStringLiteral("17"));
    ASSERT_EQ(stored.size(), before + 1);
    EXPECT_EQ(stored.last().col(1), "Plot 12, Sector 5");
    EXPECT_EQ(stored.last().col(amount + 1), "2500000.00");

    ASSERT_TRUE(grid.removeRows(0, 1));
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(grid.rowCount(), before + 1);
    EXPECT_EQ(report->rows(7, QStringLiteral("17")).first().col(23), "1");
    EXPECT_FALSE(grid.removeRows(grid.rowCount(), 1));
}

TEST_P(ClauseGridModelTest, ChangesMadeThroughTheReportModelResetTheTable)
{
    auto report = ReportModel::load();
    ClauseGridModel grid(*report, 9, QStringLiteral("21c"));
    QSignalSpy reset(&grid, &QAbstractItemModel::modelReset);
    report->setRows(9, QStringLiteral("21c"), {{QStringLiteral("Interest"), QStringLiteral("40(b)")}});
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.data(grid.index(0, 1)).toString(), "40(b)");
    report->setRows(9, QStringLiteral("21e"), {{QStringLiteral("5.00")}});
    EXPECT_EQ(reset.count(), 1);
    grid.setAllRows({{QStringLiteral("Salary")}, {QStringLiteral("Bonus")}});
    EXPECT_EQ(report->rows(9, QStringLiteral("21c")).size(), 2);
    EXPECT_EQ(report->rows(9, QStringLiteral("21c")).last().col(23), "2");
}
