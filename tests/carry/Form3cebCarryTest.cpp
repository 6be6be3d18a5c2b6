#include "CarryTestSupport.h"

#include "catalogue/Form3cebCatalogue.h"
#include "editor/Form3CD.h"
#include "efiling/XmlSchemaCheck.h"
#include "commands/CarryCommands.h"
#include "commands/clsExportXML3CEB.h"
#include "model/ReportModel.h"
#include "model/carry/FillDefault.h"
#include "model/carry/Form3cebCarry.h"
#include "store/Database.h"

#include <QDir>

namespace
{

const QString kClient = QStringLiteral("C004");

// A transaction row of today's columns with a distinct value in each column an XML element
// holds; the older table had no place for the others (the enterprise's identification),
// which stay empty.
QStringList todaysRow(const Catalogue::TransactionType &type)
{
    QStringList cols(20);
    for (const Catalogue::XmlElement &e : type.elements) {
        if (!e.isConst && e.col > 0)
            cols[e.col - 1] = QStringLiteral("%1-%2").arg(type.type).arg(e.col);
    }
    cols[14] = QStringLiteral("3");
    return cols;
}

// The same transaction as the older table kept it: its values in the XML's order.
QStringList olderRow(const Catalogue::TransactionType &type, const QStringList &today)
{
    QStringList cols(15);
    for (int k = 0; k < type.elements.size(); ++k) {
        const Catalogue::XmlElement &e = type.elements.at(k);
        cols[k] = e.isConst ? e.constValue : today.at(e.col - 1);
    }
    cols[14] = today.at(14);
    return cols;
}

} // namespace

class Form3cebCarryTest : public CarryTest
{
protected:
    void openForm3ceb(const QString &year = QStringLiteral("2026"), const QString &client = kClient)
    {
        open(client, year, FormKind::F3CEB);
    }

    // Last year's Form 3CEB of the demo client, with a transaction of its own.
    void prepareLastYear()
    {
        openForm3ceb("2025");
        store(3, "11A",
              {{"Last year's supplier", "Singapore", "Purchased", "Raw silk", "9000 kg", "Paid/Payable",
                "14000000.00", "14000000.00", "(a) Comparable uncontrolled price method", "", "", "", "", "",
                "1"}});
        openForm3ceb();
    }

    void insertOlder(const QString &year, int page, const QString &point, const QStringList &cols)
    {
        QVariantList values{kClient, year, page, point};
        for (int c = 0; c < 15; ++c)
            values << cols.value(c);
        env->host().DBObj().Execute(
            "INSERT INTO anx_3ceb (Code_No,FYr,FormName,PageNo,PointNo,Col1,Col2,Col3,Col4,Col5,Col6,Col7,"
            "Col8,Col9,Col10,Col11,Col12,Col13,Col14,Col15) VALUES "
            "(?,?,'3CEB',?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
            values);
    }

    XmlSchemaCheck::Result schemaCheck()
    {
        const QString file = QDir(env->dir()).filePath("carried.xml");
        QString failure;
        EXPECT_TRUE(clsExportXML3CEB::write(*ReportModel::load(), file, failure)) << failure.toStdString();
        return XmlSchemaCheck::run(file, clsExportXML3CEB::schemaPath());
    }
};

TALVEX_BOTH_ENGINES(Form3cebCarryTest);

TEST_P(Form3cebCarryTest, PreviousYearReplacesThisYearsRowsAndASecondRunGivesTheSame)
{
    prepareLastYear();
    store(7, "Opt16", {{"True"}});
    ASSERT_TRUE(carry());
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"DO you want to import data from previous year.?", "Import Successfully."}));
    EXPECT_EQ(point(7, "Opt16")[0][0], "False");
    ASSERT_EQ(point(3, "11A").size(), 1);
    EXPECT_EQ(point(3, "11A")[0].mid(0, 7),
              (QStringList{"Last year's supplier", "Singapore", "Purchased", "Raw silk", "9000 kg",
                           "Paid/Payable", "14000000.00"}));
    EXPECT_EQ(point(3, "11A")[0][14], "1");
    // Last year's row was kept without its place in the grid; the carried one has it.
    EXPECT_EQ(point(3, "11A")[0].value(19), "1");
    const QList<QStringList> enterprises = point(3, "10");
    ASSERT_EQ(enterprises.size(), 2);
    EXPECT_EQ(QStringList({enterprises[0].value(19), enterprises[1].value(19)}), QStringList({"1", "2"}));
    const QStringList once = rows();
    ASSERT_TRUE(carry());
    EXPECT_EQ(rows(), once);
}

TEST_P(Form3cebCarryTest, LastYearsUdinAndDateOfSigningStayBehindAndTheDeclarationNamesThisYear)
{
    prepareLastYear();
    ASSERT_TRUE(carry());
    EXPECT_TRUE(point(1, "UDIN").isEmpty());
    EXPECT_EQ(point(1, "3CEB1")[0][4], "2026");
    const QStringList accountant = point(1, "3CEBOTH")[0];
    EXPECT_EQ(accountant[4], "Chennai");
    EXPECT_EQ(accountant[5], "");
    // Given this year's date of signing, the carried report is a valid e-filing file.
    ReportModel report(ReportKey::current());
    report.reload();
    report.setValue(1, "3CEBOTH", "30/09/2026", 6);
    report.savePage(1);
    const XmlSchemaCheck::Result check = schemaCheck();
    EXPECT_TRUE(check.failure.isEmpty()) << check.failure.toStdString();
    EXPECT_TRUE(check.findings.isEmpty()) << check.findings.value(0).message.toStdString();
}

TEST_P(Form3cebCarryTest, WithoutFiguresEveryAmountOfTheTransactionsStartsAtNought)
{
    prepareLastYear();
    ASSERT_TRUE(carry(true));
    const QStringList silk = point(3, "11A")[0];
    EXPECT_EQ(silk.mid(5, 4),
              (QStringList{"Paid/Payable", "0.00", "0.00", "(a) Comparable uncontrolled price method"}));
    const QStringList loan = point(6, "14")[0];
    EXPECT_EQ(loan.mid(7, 2), (QStringList{"0.00", "0.00"}));
    EXPECT_EQ(loan[5], "SOFR + 2.5%");
    EXPECT_EQ(point(3, "10").size(), 2);
}

TEST_P(Form3cebCarryTest, NoRowsLastYearChangesNothing)
{
    openForm3ceb("2026", "C002");
    store(3, "Opt11A", {{"False"}});
    const QStringList before = rows();
    EXPECT_FALSE(carry());
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(env->prompt().lastText(), "There is no report of the previous year 2025-26 to import.");
}

TEST_P(Form3cebCarryTest, OldFormatOfThisYearMovesTheOlderTablesTransactionsIntoTheirColumns)
{
    openForm3ceb();
    store(301, "R11A", {{"Prices checked against the import data."}});
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes);
    ASSERT_TRUE(CarryCommands::oldFormat());
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"Do you want to import data from old format of current year.?",
                           "Import Successfully."}));
    const QList<QStringList> silk = point(3, "11A");
    ASSERT_EQ(silk.size(), 1);
    EXPECT_EQ(silk[0].mid(0, 10),
              (QStringList{"Sanjay Trading (Singapore) Pte. Ltd.", "80 Robinson Road, Singapore 068898",
                           "Purchased", "Raw silk", "10000 kg", "Paid/Payable", "15200000.00", "15200000.00",
                           "(a) Comparable uncontrolled price method", ""}));
    EXPECT_EQ(silk[0][14], "1");
    EXPECT_EQ(silk[0].value(19), "1");
    EXPECT_EQ(point(3, "10")[0][2], "Sourcing agent");
    EXPECT_TRUE(point(6, "14").isEmpty());
    EXPECT_EQ(point(301, "R11A")[0][0], "Prices checked against the import data.");
}

TEST_P(Form3cebCarryTest, EveryTransactionOfTheOlderTableLandsInTheColumnsOfItsGrid)
{
    for (const Catalogue::TransactionType &type : Form3cebCatalogue::instance().transactionTypes()) {
        SCOPED_TRACE(type.type.toStdString());
        const QStringList today = todaysRow(type);
        const ClauseStore::ClauseRow moved =
            Form3cebCarry::fromOlderTable({type.page, "3CEB", type.point, olderRow(type, today)});
        EXPECT_EQ(moved.cols, today);
    }
    // Rows that are no transaction keep their columns.
    const ClauseStore::ClauseRow enterprise{3, "3CEB", "10", {"Name", "(a) relationship", "Business"}};
    EXPECT_EQ(Form3cebCarry::fromOlderTable(enterprise).cols.mid(0, 3), enterprise.cols);
}

TEST_P(Form3cebCarryTest, YearsUpTo2021AskForTheFormatAndReadTheOlderTable)
{
    openForm3ceb("2021");
    insertOlder("2020", 1, "3CEB1", {"We", "Sanjay O'Brien Trading Co.", "Kolkata", "AAECS9876Q", "2020"});
    insertOlder("2020", 3, "Opt11A", {"True"});
    insertOlder("2020", 3, "11A",
                {"Received/Receivable", "Dublin Holdings", "Dublin", "Sold", "Yarn", "500 kg", "700000.00",
                 "700000.00", "(e) Transactional net margin method"});
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes);
    env->prompt().queue(PromptAnswer::No);
    CarryCommands::Answers answers;
    answers.withoutFigures = false;
    ASSERT_TRUE(CarryCommands::previousYear(answers));
    EXPECT_EQ(
        env->prompt().texts(),
        (QStringList{"DO you want to import data from previous year.?",
                     "Do you want to import previous year data from New Format?.", "Import Successfully."}));
    const QStringList yarn = point(3, "11A")[0];
    EXPECT_EQ(yarn.mid(0, 9),
              (QStringList{"Dublin Holdings", "Dublin", "Sold", "Yarn", "500 kg", "Received/Receivable",
                           "700000.00", "700000.00", "(e) Transactional net margin method"}));
    EXPECT_EQ(yarn[14], "1");
    EXPECT_EQ(point(1, "3CEB1")[0][4], "2021");
}

TEST_P(Form3cebCarryTest, AnotherClientsTransactionsComeWithoutTheirFigures)
{
    openForm3ceb("2026", "C001");
    store(1, "3CEB1", {{"I", "Own assessee", "Mumbai", "AAAPA1234A", "2026"}});
    env->prompt().clear();
    env->prompt().setDefaultYes(true);
    ASSERT_TRUE(CarryCommands::anotherClient(
        [](const QString &, const QList<ReportCarry::Offer> &offers) {
            QStringList keys;
            for (const auto &offer : offers)
                keys << offer.key;
            EXPECT_TRUE(keys.contains("10"));
            EXPECT_TRUE(keys.contains("11A"));
            EXPECT_FALSE(keys.contains("3CEB1"));
            return QStringList{"10", "11A", "16"};
        },
        kClient));
    EXPECT_TRUE(env->prompt().texts().contains(
        "Do you really want to Import Data and Annexures for Selected Items from Selected 3CEB"));
    EXPECT_EQ(point(3, "10").size(), 2);
    EXPECT_EQ(point(3, "Opt11A")[0][0], "True");
    EXPECT_EQ(point(3, "11A")[1].mid(6, 2), (QStringList{"0.00", "0.00"}));
    EXPECT_EQ(point(7, "Opt16")[0][0], "False");
    EXPECT_TRUE(point(4, "11B").isEmpty());
    // As the question says, all the report's data but its remarks make way.
    EXPECT_TRUE(point(1, "3CEB1").isEmpty());
}

TEST_P(Form3cebCarryTest, FillDefaultAnswersTheOpenQuestionsByTheirGridsAndASecondRunChangesNothing)
{
    openForm3ceb();
    env->host().DBObj().Execute("DELETE FROM anx_new_3ceb WHERE Code_No=? AND FYr='2026' AND PointNo IN "
                                "('Opt11B','Opt16','Opt24')",
                                {kClient});
    const auto report = ReportModel::load();
    EXPECT_EQ(FillDefault::run(*report), (QList<int>{4, 7, 11}));
    EXPECT_EQ(point(4, "Opt11B")[0][0], "True");
    EXPECT_EQ(point(7, "Opt16")[0][0], "False");
    EXPECT_EQ(point(11, "Opt24")[0][0], "True");
    EXPECT_EQ(point(4, "11B").size(), 1);
    EXPECT_EQ(point(6, "Opt15")[0][0], "False");
    EXPECT_EQ(point(3, "10").size(), 2);
    const QStringList once = rows();
    EXPECT_TRUE(FillDefault::run(*ReportModel::load()).isEmpty());
    EXPECT_EQ(rows(), once);
    const XmlSchemaCheck::Result check = schemaCheck();
    EXPECT_TRUE(check.findings.isEmpty()) << check.findings.value(0).message.toStdString();
}

TEST_P(Form3cebCarryTest, TheForm3cebEditorRunsTheImportsAndFillDefault)
{
    openForm3ceb();
    Form3CD editor;
    editor.show();
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes);
    editor.runCommand(EditorCommand::ImportWizardCurrentYear);
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"Do you want to import data from old format of current year.?",
                           "Import Successfully."}));
    EXPECT_EQ(point(3, "11A")[0][1], "80 Robinson Road, Singapore 068898");
    env->prompt().clear();
    env->prompt().queue(PromptAnswer::Yes);
    editor.runCommand(EditorCommand::FillDefault);
    EXPECT_EQ(env->prompt().texts(),
              (QStringList{"Do you want to fill default values.?", "Fill Successfully."}));
    EXPECT_EQ(point(12, "Opt25New")[0][0], "False");
    env->prompt().clear();
    editor.runCommand(EditorCommand::ImportWizardPreviousYear);
    EXPECT_EQ(env->prompt().lastText(),
              "Importing data from the old wizard is not available in this version.");
}
