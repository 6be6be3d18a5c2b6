#include "ModelTestSupport.h"

#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "pages/annex/BusinessCodeSearch.h"
#include "pages/annex/frmAnnex.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <functional>

// Clause 10(a) of the demo report: sector, line of business, description.
class BusinessCodeSearchTest : public ModelTest
{
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        if (!env)
            return;
        report = ReportModel::load();
        grid = std::make_unique<ClauseGridModel>(*report, 3, QStringLiteral("10a"));
        window = std::make_unique<frmAnnex>(*grid, "10a", QString(), "10a. Nature of business",
                                            file("Annex3CD/C001/2026"));
    }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = window->table()->item(row, column);
        return item ? item->text() : QString();
    }
    // Runs Search on the current row; the search window, once it shows, is handed to work.
    void search(const std::function<void(BusinessCodeSearch &)> &work)
    {
        bool reached = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<BusinessCodeSearch *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            reached = true;
            work(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        window->search();
        EXPECT_TRUE(reached);
    }
    static QListWidget *codes(BusinessCodeSearch &d) { return d.findChild<QListWidget *>("lstCodes"); }
    static QStringList listed(BusinessCodeSearch &d)
    {
        QStringList texts;
        for (int i = 0; i < codes(d)->count(); ++i)
            texts << codes(d)->item(i)->text();
        return texts;
    }
    static void click(BusinessCodeSearch &d, const char *name) { d.findChild<QPushButton *>(name)->click(); }

    std::unique_ptr<ReportModel> report;
    std::unique_ptr<ClauseGridModel> grid;
    std::unique_ptr<frmAnnex> window;
};
TALVEX_BOTH_ENGINES(BusinessCodeSearchTest);

TEST_P(BusinessCodeSearchTest, SearchIsOfferedOnlyWhereTheClauseKeepsABusinessCodeAndNeedsARow)
{
    EXPECT_FALSE(window->findChild<QPushButton *>("cmdSearch")->isHidden());
    ClauseGridModel payments(*report, 17, QStringLiteral("34a"));
    frmAnnex other(payments, "34a", QString(), "34a. Details", file("Annex3CD/C001/2026"));
    EXPECT_TRUE(other.findChild<QPushButton *>("cmdSearch")->isHidden());

    while (window->table()->rowCount() > 0) {
        window->table()->setCurrentCell(0, 0);
        window->deleteRow();
    }
    window->search();
    EXPECT_EQ(env->prompt().lastText(), "First Add Row Then Search.");
}

TEST_P(BusinessCodeSearchTest, ASectorsCodeOrAnyCodeFoundByTextGoesIntoTheRow)
{
    window->table()->setCurrentCell(0, 2);
    window->addRow();
    const int row = window->table()->currentRow();
    search([](BusinessCodeSearch &d) {
        auto *sector = d.findChild<QComboBox *>("cboSector");
        EXPECT_EQ(sector->count(), 22);
        sector->setCurrentIndex(sector->findText("FISH FARMING(02)"));
        EXPECT_FALSE(listed(d).isEmpty());
        sector->setCurrentIndex(sector->findText("COMPUTER AND RELATED SERVICES(14)"));
        EXPECT_TRUE(listed(d).contains("BPO services(14006)"));
        EXPECT_FALSE(d.findChild<QPushButton *>("cmdClear")->isEnabled()) << "the new row has no code";
        codes(d)->setCurrentRow(int(listed(d).indexOf("Data processing(14003)")));
        click(d, "cmdSelect");
    });
    EXPECT_EQ(cell(row, 0), "COMPUTER AND RELATED SERVICES");
    EXPECT_EQ(cell(row, 1), "Data processing");

    // Typed text looks in every sector, whatever sector is chosen.
    search([](BusinessCodeSearch &d) {
        EXPECT_EQ(codes(d)->currentItem()->text(), "Data processing(14003)") << "the row's code is shown";
        d.findChild<QLineEdit *>("txtFind")->setText("SOFTWARE");
        EXPECT_EQ(listed(d),
                  (QStringList{"Other software consultancy(14002)", "Software development(14001)"}));
        d.findChild<QLineEdit *>("txtFind")->setText("04024");
        EXPECT_EQ(listed(d), QStringList{"Manufacture of textiles (other than by handloom)(04024)"});
        click(d, "cmdSelect");
    });
    EXPECT_EQ(cell(row, 0), "MANUFACTURING");
    EXPECT_EQ(cell(row, 1), "Manufacture of textiles (other than by handloom)");

    // A row with a sector and no line of business yet opens the search at that sector.
    window->table()->setItem(row, 0, new QTableWidgetItem("PROFESSIONS"));
    window->table()->setItem(row, 1, new QTableWidgetItem(QString()));
    search([](BusinessCodeSearch &d) {
        EXPECT_EQ(d.findChild<QComboBox *>("cboSector")->currentText(), "PROFESSIONS(16)");
        click(d, "cmdSelect");
    });
    EXPECT_EQ(cell(row, 0), "PROFESSIONS");
    EXPECT_FALSE(cell(row, 1).isEmpty());
    window->table()->setCurrentCell(row, 0);
    search([](BusinessCodeSearch &d) {
        d.findChild<QLineEdit *>("txtFind")->setText("04024");
        click(d, "cmdSelect");
    });

    window->back();
    EXPECT_EQ(grid->rowCells(row).mid(0, 2),
              (QStringList{"MANUFACTURING", "Manufacture of textiles (other than by handloom)"}));
}

TEST_P(BusinessCodeSearchTest, ClearingTheRowsCodeAsksFirst)
{
    window->table()->setCurrentCell(0, 2);
    const QString description = cell(0, 2);
    env->prompt().queue(PromptAnswer::No);
    search([](BusinessCodeSearch &d) { click(d, "cmdClear"); });
    EXPECT_EQ(env->prompt().lastText(), "Do you really want to clear selected Business Code '04024'");
    EXPECT_EQ(cell(0, 0), "MANUFACTURING");

    env->prompt().queue(PromptAnswer::Yes);
    search([](BusinessCodeSearch &d) { click(d, "cmdClear"); });
    EXPECT_EQ(cell(0, 0), "");
    EXPECT_EQ(cell(0, 1), "");
    EXPECT_EQ(cell(0, 2), description) << "the row keeps what is not its code";
}
