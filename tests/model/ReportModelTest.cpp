#include "ModelTestSupport.h"

#include "model/ReportModel.h"
#include "store/ClauseStore.h"

#include <QSignalSpy>

using ReportModelTest = ModelTest;
TALVEX_BOTH_ENGINES(ReportModelTest);

TEST_P(ReportModelTest, HoldsTheStoredRowsByPageAndPointInGridOrder)
{
    const auto model = ReportModel::load();
    EXPECT_EQ(model->count(), ClauseStore::readAll().size());
    const QList<ReportModel::Row> stored = ClauseStore::readPoint(7, QStringLiteral("18"));
    const QList<ReportModel::Row> &rows = model->rows(7, QStringLiteral("18"));
    ASSERT_EQ(rows.size(), stored.size());
    ASSERT_FALSE(rows.isEmpty());
    for (int i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows.at(i).cols, stored.at(i).cols);
    EXPECT_EQ(model->value(1, QStringLiteral("3CA1"), 3),
              ClauseStore::readPoint(1, QStringLiteral("3CA1")).first().col(3));
    EXPECT_EQ(model->column(7, QStringLiteral("18"), 1).size(), rows.size());
    EXPECT_TRUE(model->points(7).contains(QStringLiteral("18")));
    EXPECT_TRUE(model->rows(7, QStringLiteral("no such point")).isEmpty());
}

TEST_P(ReportModelTest, SavePageWritesThePageAndNothingElse)
{
    auto model = ReportModel::load();
    const QList<ReportModel::Row> page9 = ClauseStore::readPage(9);
    QSignalSpy changed(model.get(), &ReportModel::pointChanged);

    model->setValue(20, QStringLiteral("40a"), QStringLiteral("123456"), 1);
    model->setRows(20, QStringLiteral("43B"), {{QStringLiteral("30/11/2026")}});
    model->removePoint(20, QStringLiteral("Opt42"));
    model->setValue(9, QStringLiteral("21e"), QStringLiteral("999.00"));
    EXPECT_EQ(changed.count(), 4);
    model->savePage(20);

    const auto again = ReportModel::load();
    EXPECT_EQ(again->value(20, QStringLiteral("40a"), 1), "123456");
    EXPECT_EQ(again->value(20, QStringLiteral("43B")), "30/11/2026");
    EXPECT_FALSE(again->has(20, QStringLiteral("Opt42")));
    // Page 9 was changed in the model only.
    EXPECT_EQ(ClauseStore::readPage(9).size(), page9.size());
    EXPECT_NE(again->value(9, QStringLiteral("21e")), "999.00");
}

TEST_P(ReportModelTest, SavingAPageTwiceLeavesTheSameRows)
{
    auto model = ReportModel::load();
    model->savePage(7);
    const QList<ReportModel::Row> first = ClauseStore::readPage(7);
    model->reload();
    model->savePage(7);
    const QList<ReportModel::Row> second = ClauseStore::readPage(7);
    ASSERT_EQ(first.size(), second.size());
    for (int i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first.at(i).point, second.at(i).point);
        EXPECT_EQ(first.at(i).cols, second.at(i).cols);
    }
}

TEST_P(ReportModelTest, AnApostropheAndDevanagariRoundTrip)
{
    auto model = ReportModel::load();
    const QString text = QStringLiteral("O'Brien \\ हिसाब");
    model->setRows(3, QStringLiteral("10a"), {{QStringLiteral("Manufacture"), QString(), text}});
    model->savePage(3);
    EXPECT_EQ(ReportModel::load()->value(3, QStringLiteral("10a"), 3), text);
}

TEST_P(ReportModelTest, AnotherClientsReportIsKeptApart)
{
    const ReportKey other = ReportKey::of(QStringLiteral("C004"), QStringLiteral("2026"), FormKind::F3CA);
    ReportModel model(other);
    model.setRows(4, QStringLiteral("11a"), {{QStringLiteral("Cash book")}});
    model.savePage(4);
    EXPECT_EQ(ReportModel::load(other)->value(4, QStringLiteral("11a")), "Cash book");
    EXPECT_EQ(ReportModel::load(other)->count(), 1);
    EXPECT_NE(ReportModel::load()->value(4, QStringLiteral("11a")), "Cash book");
    EXPECT_EQ(other.firstDate(), "01/04/2025");
    EXPECT_EQ(other.secondDate(), "31/03/2026");
}

TEST_P(ReportModelTest, SetCellFindsTheRowOfThePagesFormNameAmongRowsOfAnother)
{
    ReportModel model(ReportKey::current());
    const QString form = model.formNameForPage(9);
    const QString point = QStringLiteral("21bia");
    model.append({9, form, point, {QStringLiteral("a")}});
    model.append({9, QStringLiteral("other"), point, {QStringLiteral("o")}});
    model.append({9, form, point, {QStringLiteral("b")}});
    model.append({9, QStringLiteral("other"), point, {QStringLiteral("p")}});

    EXPECT_TRUE(model.setCell(9, point, 1, 2, QStringLiteral("B2")));
    EXPECT_FALSE(model.setCell(9, point, 2, 1, QStringLiteral("none")));
    const QList<ReportModel::Row> own = model.rows(9, point, form);
    ASSERT_EQ(own.size(), 2);
    EXPECT_EQ(own.at(0).cols, QStringList{QStringLiteral("a")});
    EXPECT_EQ(own.at(1).cols, (QStringList{QStringLiteral("b"), QStringLiteral("B2")}));
    const QList<ReportModel::Row> other = model.rows(9, point, QStringLiteral("other"));
    ASSERT_EQ(other.size(), 2);
    EXPECT_EQ(other.at(0).col(1), "o");
    EXPECT_EQ(other.at(1).col(1), "p");
}

// A cell is set by the same bounds a value is: a Form 3CEB row has twenty columns, so a
// twenty-first is refused by both, never kept to be lost when the page is saved.
TEST_P(ReportModelTest, ACellBeyondTheFormsColumnsIsRefusedAsAValueIs)
{
    ReportModel model(ReportKey::of(QStringLiteral("C004"), QStringLiteral("2026"), FormKind::F3CEB));
    const QString point = QStringLiteral("11A");
    model.setValue(3, point, QStringLiteral("x"), 21);
    EXPECT_TRUE(model.rows(3, point).isEmpty());
    model.append({3, model.formNameForPage(3), point, {QStringLiteral("a")}});
    EXPECT_TRUE(model.setCell(3, point, 0, 20, QStringLiteral("20")));
    EXPECT_FALSE(model.setCell(3, point, 0, 21, QStringLiteral("21")));
    EXPECT_EQ(model.rows(3, point).at(0).cols.size(), 20);
}
