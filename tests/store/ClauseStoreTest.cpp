#include "TestHost.h"

#include "model/ReportModel.h"
#include "pages/ClauseControls.h"
#include "pages/WidgetValues.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace ClauseStore;
using WidgetValues::cellText;
using WidgetValues::setCellText;

namespace
{

// A page window with one control of each kind, named as the pages name them.
struct Page {
    QWidget window;
    QTableWidget *grid;
    QLineEdit *text;
    QComboBox *combo;
    QRadioButton *yes;
    QRadioButton *no;
    QCheckBox *annex;
    QCheckBox *notApplicable;

    Page()
    {
        auto *layout = new QVBoxLayout(&window);
        grid = new QTableWidget(0, 4, &window);
        grid->setObjectName("grd18");
        text = new QLineEdit(&window);
        text->setObjectName("txt8a");
        combo = new QComboBox(&window);
        combo->setObjectName("cbo41");
        combo->addItems({"Income-tax", "Goods and Services Tax"});
        yes = new QRadioButton("Yes", &window);
        yes->setObjectName("OptButYes4");
        no = new QRadioButton("No", &window);
        no->setObjectName("OptButNo4");
        annex = new QCheckBox("As Per Annexure", &window);
        annex->setObjectName("Annex18");
        notApplicable = new QCheckBox("Not Applicable", &window);
        notApplicable->setObjectName("chkNA17");
        for (QWidget *w : std::initializer_list<QWidget *>{grid, text, combo, yes, no, annex, notApplicable})
            layout->addWidget(w);
    }
    void fill(const QList<QStringList> &rows)
    {
        grid->setRowCount(int(rows.size()));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                setCellText(grid, r, c, rows[r][c]);
    }
    QList<QStringList> cells() const
    {
        QList<QStringList> rows;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < grid->columnCount(); ++c)
                row << cellText(grid, r, c);
            rows << row;
        }
        return rows;
    }
};

} // namespace

class ClauseRecords : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (env)
            env->openForm(FormKind::F3CA);
    }
    // Saves the way a page does: the controls go into the page's report model, whose rows of
    // the page (and of the other points named) go and come back in one transaction.
    void savePage(int page, const std::function<void(ReportModel &)> &writes,
                  const QList<ReportModel::PointKey> &others = {})
    {
        ReportModel model(ReportKey::current());
        writes(model);
        model.savePage(page, others);
    }
};

TEST_P(ClauseRecords, GridCellsKeepTheirColumnsAndEmptyRowsAreNotWritten)
{
    Page page;
    page.fill({{"Plant", "", "15", "1000.00"}, {"", "", "", ""}, {" Building ", "10", "", ""}});
    savePage(7, [&](ReportModel &m) { SaveClauseControl(m, page.grid, "18", 7, true); });

    const auto rows = readPoint(7, "18");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].col(1), "Plant");
    EXPECT_EQ(rows[0].col(2), "");
    EXPECT_EQ(rows[0].col(3), "15"); // stays in Col3 though Col2 is empty
    EXPECT_EQ(rows[0].col(23), "1");
    EXPECT_EQ(rows[1].col(1), "Building"); // trimmed
    EXPECT_EQ(rows[1].col(23), "3");       // the grid row number, gaps and all
    EXPECT_EQ(rows[0].formName, "3CD");

    page.fill({{"", "", "", ""}, {"  ", "", "", ""}});
    savePage(7, [&](ReportModel &m) { SaveClauseControl(m, page.grid, "18", 7, true); });
    EXPECT_TRUE(readPoint(7, "18").isEmpty());
}

TEST_P(ClauseRecords, HostileTextRoundTripsUnchanged)
{
    const QStringList values{"O'Brien",        "back\\slash", "ends with \\",
                             "two\nlines",     "आयकर विभाग",  "'; DROP TABLE master; --",
                             "100% \"quoted\""};
    Page page;
    QList<QStringList> rows;
    for (const QString &v : values)
        rows << QStringList{v, v + "x", "", ""};
    page.fill(rows);
    page.text->setText(values.join("|"));
    savePage(7, [&](ReportModel &m) {
        SaveClauseControl(m, page.grid, "18", 7, true);
        SaveClauseControl(m, page.text, "8a", 7, false);
    });

    const auto loaded = readPoint(7, "18");
    ASSERT_EQ(loaded.size(), values.size());
    for (int r = 0; r < values.size(); ++r) {
        EXPECT_EQ(loaded[r].col(1), values[r].trimmed());
        EXPECT_EQ(loaded[r].col(2), values[r].trimmed() + "x");
    }
    EXPECT_EQ(readPoint(7, "8a", false).value(0).col(1), values.join("|"));
    EXPECT_TRUE(env->host().DBObj().tableExists("master"));
}

TEST_P(ClauseRecords, TwelveRowsComeBackInNumberOrder)
{
    Page page;
    QList<QStringList> rows;
    for (int i = 1; i <= 12; ++i)
        rows << QStringList{QString("Asset %1").arg(i)};
    page.fill(rows);
    savePage(7, [&](ReportModel &m) { SaveClauseControl(m, page.grid, "18", 7, true); });

    const auto loaded = readPoint(7, "18");
    ASSERT_EQ(loaded.size(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(loaded[i].col(1), QString("Asset %1").arg(i + 1));
}

// A grid's rows repeat cells; a cell equal to the one above is read as that text, shared, and
// a cell that differs from it only in case, in a digit or by being empty is read as stored.
TEST_P(ClauseRecords, RepeatedCellsComeBackAsStoredAndShareTheirText)
{
    Page page;
    const QList<QStringList> typed{{"194C", "10000.00", "Payment 1", "0.00"},
                                   {"194C", "10000.00", "Payment 2", "0.00"},
                                   {"194c", "10000.0", "Payment 2", ""},
                                   {"194C", "", "Payment 2", "0.00"}};
    page.fill(typed);
    savePage(7, [&](ReportModel &m) { SaveClauseControl(m, page.grid, "18", 7, true); });

    const auto loaded = readPoint(7, "18");
    ASSERT_EQ(loaded.size(), typed.size());
    for (int r = 0; r < typed.size(); ++r) {
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(loaded[r].col(c + 1), typed[r][c]) << r << "," << c;
    }
    EXPECT_EQ(loaded[1].col(1).constData(), loaded[0].col(1).constData());
    EXPECT_EQ(loaded[1].col(2).constData(), loaded[0].col(2).constData());
    EXPECT_EQ(loaded[2].col(3).constData(), loaded[1].col(3).constData());
}

TEST_P(ClauseRecords, FormNameFollowsThePage)
{
    Page page;
    page.text->setText("x");
    savePage(1, [&](ReportModel &m) { SaveClauseControl(m, page.text, "3CA1", 1, false); });
    savePage(2, [&](ReportModel &m) { SaveClauseControl(m, page.text, "3CD_A", 2, false); });
    EXPECT_EQ(readPoint(1, "3CA1").value(0).formName, "3CA");
    EXPECT_EQ(readPoint(2, "3CD_A").value(0).formName, "3CD");

    env->openForm(FormKind::F3CB);
    savePage(101, [&](ReportModel &m) { SaveClauseControl(m, page.text, "3CBPT1", 101, false); });
    EXPECT_EQ(readPoint(101, "3CBPT1").value(0).formName, "3CB");
}

TEST_P(ClauseRecords, OptionsTicksAndArraysBecomeSingleRows)
{
    Page page;
    page.yes->setChecked(true);
    page.annex->setChecked(true);
    page.notApplicable->setChecked(true);
    const QList<ReportModel::PointKey> tick{{201, "Annex18", {}}};
    auto save = [&] {
        savePage(
            7,
            [&](ReportModel &m) {
                SaveClauseControl(m, page.yes, "Opt4", 7);
                SaveClauseControl(m, page.annex, "Annex18", 201);
                SaveClauseControl(m, page.notApplicable, "NA17", 7);
                SaveControlArray(m, "pair", 7, {page.text, page.yes, page.combo, page.annex});
            },
            tick);
    };
    save();
    // Saving the tick again replaces its row rather than adding one.
    save();
    EXPECT_EQ(readPoint(201, "Annex18").size(), 1);
    EXPECT_EQ(readPoint(201, "Annex18").value(0).col(1), "1");
    EXPECT_EQ(readPoint(7, "Opt4").value(0).col(1), "Yes");
    const auto pair = readPoint(7, "pair").value(0);
    EXPECT_EQ(pair.cols.mid(0, 4), (QStringList{"", "Yes", "", "1"}));
}

TEST_P(ClauseRecords, AFailedSaveLeavesThePageAsItWas)
{
    Page page;
    page.fill({{"Plant", "", "15"}});
    savePage(7, [&](ReportModel &m) { SaveClauseControl(m, page.grid, "18", 7, true); });

    page.fill({{"Replaced"}});
    Database &db = env->host().DBObj();
    EXPECT_THROW(
        {
            Transaction tx(db);
            savePage(7, [&](ReportModel &m) { SaveClauseControl(m, page.grid, "18", 7, true); });
            db.Execute("INSERT INTO no_such_table VALUES (1)");
            tx.commit();
        },
        DbError);
    const auto rows = readPoint(7, "18");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].col(1), "Plant");
}

TEST_P(ClauseRecords, SavingTwiceGivesTheSameRows)
{
    Page page;
    page.fill({{"a", "b"}, {"c", "d"}});
    page.text->setText("t");
    auto save = [&] {
        savePage(7, [&](ReportModel &m) {
            SaveClauseControl(m, page.grid, "18", 7, true);
            SaveClauseControl(m, page.text, "17", 7, false);
        });
        QStringList dump;
        for (const auto &r : readPage(7))
            dump << r.point + ":" + r.cols.join(",");
        return dump;
    };
    const QStringList first = save();
    EXPECT_EQ(save(), first);
    EXPECT_EQ(first.size(), 3);
}

TALVEX_BOTH_ENGINES(ClauseRecords);
