#include "ModelTestSupport.h"

#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "pages/annex/frmAnnex.h"
#include "print/ReportEngine.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class AnnexureWindowTest : public ModelTest
{
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        if (!env)
            return;
        report = ReportModel::load();
        grid = std::make_unique<ClauseGridModel>(*report, 17, QStringLiteral("34a"));
    }
    std::unique_ptr<frmAnnex> open(ClauseGridModel &g, const QString &clause, const QString &types = {})
    {
        return std::make_unique<frmAnnex>(g, clause, types, clause + ". Details", folder());
    }
    QString folder() const { return file("Annex3CD/C001/2026"); }
    static void type(frmAnnex &w, int row, int column, const QString &text)
    {
        w.table()->setItem(row, column, new QTableWidgetItem(text));
    }
    // Enter in a cell's editor: the editor hands its value over once events are processed.
    static void enter(QWidget *editor)
    {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    static QString cell(frmAnnex &w, int row, int column) { return w.table()->item(row, column)->text(); }
    // Defines the column being added.
    static void define(frmAnnex &w, const QString &heading, int type, const QString &items = {})
    {
        w.findChild<QLineEdit *>("txtHeading")->setText(heading);
        w.findChild<QComboBox *>("cboType")->setCurrentIndex(type);
        w.findChild<QLineEdit *>("txtItems")->setText(items);
    }

    std::unique_ptr<ReportModel> report;
    std::unique_ptr<ClauseGridModel> grid;
};
TALVEX_BOTH_ENGINES(AnnexureWindowTest);

TEST_P(AnnexureWindowTest, BackWritesTheRowsIntoTheGridAndKeepsThemWithTheUserColumns)
{
    const int before = grid->rowCount();
    ASSERT_GE(before, 1);
    auto window = open(*grid, "34a");
    EXPECT_EQ(window->table()->rowCount(), before);
    EXPECT_EQ(window->table()->columnCount(), grid->columnCount());

    window->table()->setCurrentCell(before - 1, 0);
    window->addRow();
    type(*window, before, 0, "PNES54321B");
    type(*window, before, 1, "194J");
    type(*window, before, 3, "250000.5");
    EXPECT_EQ(cell(*window, before, 3), "250000.50");

    window->addColumn();
    define(*window, "Ledger head", 1);
    ASSERT_TRUE(window->confirmColumn());
    const int ledger = grid->columnCount();
    type(*window, before, ledger, "Professional fees");

    window->back();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    ASSERT_EQ(grid->rowCount(), before + 1);
    EXPECT_EQ(grid->rowCells(before).mid(0, 4), (QStringList{"PNES54321B", "194J", "", "250000.50"}));
    EXPECT_TRUE(QFile::exists(folder() + "/34a"));

    // Opened again, the window shows its annexure file, the user column with it.
    auto again = open(*grid, "34a");
    ASSERT_EQ(again->table()->columnCount(), ledger + 1);
    EXPECT_EQ(again->table()->horizontalHeaderItem(ledger)->text(), "Ledger head");
    EXPECT_EQ(cell(*again, before, ledger), "Professional fees");

    // Back with every row gone empties the grid and removes the file.
    while (again->table()->rowCount() > 0) {
        again->table()->setCurrentCell(0, 0);
        again->deleteRow();
    }
    again->back();
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_FALSE(QFile::exists(folder() + "/34a"));
}

TEST_P(AnnexureWindowTest, CancelAndEscapeLeaveTheGridAsItWas)
{
    const QList<QStringList> rows{grid->rowCells(0)};
    auto window = open(*grid, "34a");
    window->show();
    type(*window, 0, 0, "CHANGED123");

    env->prompt().queue(PromptAnswer::No);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(env->prompt().lastText(), "Do you want to exit.?");
    EXPECT_TRUE(window->isVisible());
    env->prompt().queue(PromptAnswer::Yes);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(grid->rowCells(0), rows.first());
    EXPECT_FALSE(QFile::exists(folder() + "/34a"));
}

TEST_P(AnnexureWindowTest, UserColumnsNeedHeadingTypeAndItemsAndOnlyTheyCanBeDeleted)
{
    auto window = open(*grid, "34a");
    window->addColumn();
    EXPECT_EQ(window->findChild<QLineEdit *>("txtHeading")->text(), "Column 1");
    define(*window, "", 1);
    EXPECT_FALSE(window->confirmColumn());
    EXPECT_EQ(env->prompt().lastText(), "Please enter column heading.");
    define(*window, "Mode", 0);
    EXPECT_FALSE(window->confirmColumn());
    EXPECT_EQ(env->prompt().lastText(), "Please select column data.");
    define(*window, "Mode", 6, " ");
    EXPECT_FALSE(window->confirmColumn());
    EXPECT_EQ(env->prompt().lastText(), "Please enter list details.");
    define(*window, "Mode", 6, "Cash;Bank");
    ASSERT_TRUE(window->confirmColumn());
    EXPECT_EQ(window->sheet().columns.last().items, (QStringList{"Cash", "Bank"}));

    window->table()->setCurrentCell(0, 0);
    window->deleteColumn();
    EXPECT_EQ(env->prompt().lastText(), "It is default column, you can not delete it.");
    const int mode = window->table()->columnCount() - 1;
    window->table()->setCurrentCell(0, mode);
    env->prompt().queue(PromptAnswer::No);
    window->deleteColumn();
    EXPECT_EQ(env->prompt().lastText(), "Do you want to delete this column.?");
    EXPECT_EQ(window->table()->columnCount(), mode + 1);
    env->prompt().queue(PromptAnswer::Yes);
    window->deleteColumn();
    EXPECT_EQ(window->table()->columnCount(), mode);
}

TEST_P(AnnexureWindowTest, AssessmentYearPanAndTypedCellsAreChecked)
{
    auto window = open(*grid, "34a", "1,6,1,4,4,4,4,4,4,4");
    window->addColumn();
    define(*window, "Assessment Year", 1);
    ASSERT_TRUE(window->confirmColumn());
    const int year = window->table()->columnCount() - 1;
    type(*window, 0, year, "2023-25");
    EXPECT_EQ(env->prompt().lastText(), "Assessment Year must be consecutive");
    EXPECT_EQ(window->table()->currentColumn(), year);
    type(*window, 0, year, "202324");
    EXPECT_EQ(env->prompt().lastText(), "Assessment Year must be in YYYY-YY format");
    env->prompt().clear();
    type(*window, 0, year, "2023-24");
    type(*window, 0, year, "2099-00");
    EXPECT_TRUE(env->prompt().shown().empty());

    window->addColumn();
    define(*window, "Paid on", 2);
    ASSERT_TRUE(window->confirmColumn());
    type(*window, 0, year + 1, "5-4-2025");
    EXPECT_EQ(cell(*window, 0, year + 1), "05/04/2025");

    ClauseGridModel payments(*report, 9, QStringLiteral("21bib"));
    auto list = open(payments, "21bib");
    int pan = -1;
    for (int c = 0; c < payments.columns().size(); ++c)
        if (payments.columns().at(c).check == "pan")
            pan = c;
    ASSERT_GE(pan, 0);
    list->addRow();
    type(*list, 0, pan, "ABC");
    EXPECT_EQ(env->prompt().lastText(), "Not a Valid PAN [ABC]");
}

// Print hands the sheet to the report engine: the client, the clause's caption, the rows as
// they stand in the window (a user's tick column as tick marks), with the year's footer.
TEST_P(AnnexureWindowTest, PrintShowsTheClientTheCaptionAndTheRowsAsTyped)
{
    QString printed;
    bool wide = true;
    ReportEngine::setViewer([&](ReportEngine &engine) {
        printed = engine.plainText();
        wide = engine.wide();
    });
    auto window = open(*grid, "34a");
    window->addColumn();
    define(*window, "Verified", 5);
    ASSERT_TRUE(window->confirmColumn());
    const int verified = window->table()->columnCount() - 1;
    type(*window, 0, verified, "True");
    type(*window, 0, 0, "PNES54321B");
    window->print();
    ReportEngine::setViewer({});
    EXPECT_TRUE(printed.contains(QStringLiteral("Sharma Textiles Private Limited")));
    EXPECT_TRUE(printed.contains(QStringLiteral("34a. Details")));
    EXPECT_TRUE(printed.contains(QStringLiteral("PNES54321B")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Verified")));
    EXPECT_TRUE(printed.contains(QStringLiteral("\u2713")));
    EXPECT_TRUE(wide) << "clause 34(a) has more columns than the portrait page takes";
}

// The window typed into as an accountant does: Enter keeps a value and moves on, lists drop
// down, rows move with Move Up / Move Down or Ctrl+Up / Ctrl+Down, and Back keeps the order.
TEST_P(AnnexureWindowTest, EnterWalksTheCellsListsDropDownAndRowsMove)
{
    auto window = open(*grid, "34a");
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto *t = window->table();
    t->setCurrentCell(t->rowCount() - 1, 0);
    // Add Row hands the keyboard to the new row, the button keeps no focus to take the typing.
    QTest::mouseClick(window->findChild<QPushButton *>("cmdAddRow"), Qt::LeftButton);
    ASSERT_GE(t->rowCount(), 2);
    EXPECT_TRUE(t->hasFocus());
    const int rows = t->rowCount();
    QTest::keyClick(t, Qt::Key_Return);
    EXPECT_EQ(t->rowCount(), rows);
    type(*window, 1, 0, "MUMA12345B");
    t->setFocus();

    t->setCurrentCell(0, 2);
    QTest::keyClick(t, Qt::Key_Return);
    EXPECT_EQ(t->currentRow(), 0);
    EXPECT_EQ(t->currentColumn(), 3);
    QTest::keyClick(t, Qt::Key_F2);
    auto *amount = qobject_cast<QLineEdit *>(t->indexWidget(t->currentIndex()));
    ASSERT_TRUE(amount);
    amount->selectAll();
    QTest::keyClicks(amount, "1500.5");
    enter(amount);
    EXPECT_EQ(cell(*window, 0, 3), "1500.50");
    EXPECT_EQ(t->currentColumn(), 4);
    t->setCurrentCell(0, t->columnCount() - 1);
    QTest::keyClick(t, Qt::Key_Return);
    EXPECT_EQ(t->currentRow(), 1);
    EXPECT_EQ(t->currentColumn(), 0);
    // Enter never closes the window.
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->result(), 0);

    // The section column drops down the TDS sections and takes a section typed by hand.
    t->setCurrentCell(1, 1);
    QTest::keyClick(t, Qt::Key_F2);
    auto *sections = qobject_cast<QComboBox *>(t->indexWidget(t->currentIndex()));
    ASSERT_TRUE(sections);
    EXPECT_TRUE(sections->isEditable());
    EXPECT_GE(sections->findText("194J"), 0);
    sections->setCurrentIndex(sections->findText("194C"));
    enter(sections);
    EXPECT_EQ(cell(*window, 1, 1), "194C");

    // A List column of the user's own drops down its items and nothing else.
    window->addColumn();
    define(*window, "Mode", 6, "Cash;Bank");
    ASSERT_TRUE(window->confirmColumn());
    const int mode = t->columnCount() - 1;
    t->setFocus();
    t->setCurrentCell(1, mode);
    QTest::keyClick(t, Qt::Key_F2);
    auto *modes = qobject_cast<QComboBox *>(t->indexWidget(t->currentIndex()));
    ASSERT_TRUE(modes);
    EXPECT_FALSE(modes->isEditable());
    ASSERT_EQ(modes->count(), 2);
    modes->setCurrentIndex(1);
    enter(modes);
    EXPECT_EQ(cell(*window, 1, mode), "Bank");

    const QString first = cell(*window, 0, 0);
    t->setCurrentCell(1, 0);
    QTest::mouseClick(window->findChild<QPushButton *>("cmdMoveUp"), Qt::LeftButton);
    EXPECT_EQ(cell(*window, 0, 0), "MUMA12345B");
    EXPECT_EQ(cell(*window, 0, mode), "Bank");
    EXPECT_EQ(cell(*window, 1, 0), first);
    EXPECT_EQ(t->currentRow(), 0);
    QTest::keyClick(t, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(cell(*window, 1, 0), "MUMA12345B");
    QTest::keyClick(t, Qt::Key_Up, Qt::ControlModifier);
    // The first row goes no higher.
    QTest::mouseClick(window->findChild<QPushButton *>("cmdMoveUp"), Qt::LeftButton);
    EXPECT_EQ(cell(*window, 0, 0), "MUMA12345B");

    window->back();
    EXPECT_EQ(grid->rowCells(0).mid(0, 2), (QStringList{"MUMA12345B", "194C"}));
    EXPECT_EQ(grid->rowCells(1).at(0), first);
}

// Loans taken by "Cheque" in an earlier version's annexure: the window shows the current
// entry and says so; the clause keeps the old entry until Back.
TEST_P(AnnexureWindowTest, EarlierPaymentModesAreShownAsTheListNamesThemAndKeptUntilBack)
{
    ClauseGridModel loans(*report, 14, QStringLiteral("31a"));
    const auto loan = [](const QString &name, const QString &mode) {
        return QStringList{
            name, "Pune", "", "", "500000.00", "Yes", "500000.00", mode, "Account payee cheque"};
    };
    loans.setAllRows({loan("Ravi Traders", "Cheque"), loan("Mehta & Co", "Bank draft"),
                      loan("Kiran Finance", "Yes-NEFT")});
    auto cancelled = open(loans, "31a");
    EXPECT_EQ(env->prompt().lastText(),
              "Entries of an earlier version are shown as the current list names them; the clause keeps the "
              "old entries until you choose Back:\n"
              "Row 1, Whether the loan or deposit was taken or accepted by cheque or bank draft or use of "
              "electronic clearing system through a bank account: \"Cheque\" is now \"Yes-Cheque\"\n"
              "Row 2, Whether the loan or deposit was taken or accepted by cheque or bank draft or use of "
              "electronic clearing system through a bank account: \"Bank draft\" is now \"Yes-Bank draft\"");
    EXPECT_EQ(cell(*cancelled, 0, 7), "Yes-Cheque");
    EXPECT_EQ(cell(*cancelled, 2, 7), "Yes-NEFT");
    cancelled->reject();
    EXPECT_EQ(loans.rowCells(0).at(7), "Cheque");

    auto window = open(loans, "31a");
    window->show();
    auto *t = window->table();
    t->setFocus();
    t->setCurrentCell(0, 7);
    QTest::keyClick(t, Qt::Key_F2);
    auto *modes = qobject_cast<QComboBox *>(t->indexWidget(t->currentIndex()));
    ASSERT_TRUE(modes);
    EXPECT_FALSE(modes->isEditable());
    EXPECT_EQ(modes->currentText(), "Yes-Cheque");
    EXPECT_GE(modes->findText("Yes-UPI"), 0);
    modes->setCurrentIndex(modes->findText("Yes-UPI"));
    enter(modes);
    EXPECT_EQ(t->currentColumn(), 8);
    window->back();
    EXPECT_EQ(loans.rowCells(0).at(7), "Yes-UPI");
    EXPECT_EQ(loans.rowCells(1).at(7), "Yes-Bank draft");
}
