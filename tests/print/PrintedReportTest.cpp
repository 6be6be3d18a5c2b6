#include "FilledReportTest.h"
#include "PdfText.h"

#include "model/ReportModel.h"
#include "model/rules/ReportRules.h"
#include "print/AuditReport.h"
#include "print/PrintChoices.h"
#include "print/PrintProgress.h"
#include "print/PrintSetup.h"
#include "print/ReportEngine.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <set>

namespace
{

class PrintedReport : public FilledReportTest
{
protected:
    void SetUp() override
    {
        FilledReportTest::SetUp();
        if (env)
            model = ReportRules::loadAsWritten();
    }

    // The report printed into a PDF and read back.
    QString printed(const PrintChoices &choices = {}, int *pages = nullptr, bool layout = false)
    {
        ReportEngine engine;
        EXPECT_TRUE(AuditReport::build(engine, *model, choices));
        const QString pdf = env->dir() + QStringLiteral("/report.pdf");
        EXPECT_TRUE(engine.saveAsPdf(pdf));
        if (pages)
            *pages = engine.pageCount();
        return pdfText(pdf, layout);
    }

    // The text between two clause labels at the start of lines.
    static QString clauseText(const QString &text, const QString &from, const QString &to)
    {
        const qsizetype start =
            text.indexOf(QRegularExpression(QStringLiteral("(^|\n)") + QRegularExpression::escape(from)));
        const qsizetype end = text.indexOf(
            QRegularExpression(QStringLiteral("\n") + QRegularExpression::escape(to)), start + 1);
        return text.mid(start, end - start);
    }

    std::unique_ptr<ReportModel> model;
};

} // namespace

// The printed demo report names every clause from 1 to 44 at the start of a line, with the
// values the accountant entered, the UDIN line and the signature.
TEST_P(PrintedReport, HoldsEveryClauseWithItsValues)
{
    int pages = 0;
    const QString text = printed({}, &pages);
    EXPECT_GE(pages, 5);
    expectWholeReport(text);
    EXPECT_FALSE(text.contains(QStringLiteral("__________")));
    EXPECT_FALSE(text.contains(QStringLiteral("AS PER ANNEXURE")));
}

// Grid rows print in the numeric order of their serial column, whatever order they come in;
// a clause reported by annexure says so in its place and prints its rows in the annexure.
TEST_P(PrintedReport, RowsInSerialOrderAndAnnexures)
{
    model->setRows(4, QStringLiteral("11a"), booksOutOfOrder());
    QString text = printed();
    for (int serial = 1; serial < 12; ++serial)
        EXPECT_LT(text.indexOf(QStringLiteral("Ledger book %1 kept").arg(serial)),
                  text.indexOf(QStringLiteral("Ledger book %1 kept").arg(serial + 1)))
            << serial;

    model->setRows(201, QStringLiteral("Annex11a"), {{QStringLiteral("1")}}, QStringLiteral("3CD"));
    text = printed();
    const QString clause = clauseText(text, QStringLiteral("11(a)"), QStringLiteral("11(b)"));
    EXPECT_TRUE(clause.contains(QStringLiteral("AS PER ANNEXURE"))) << clause.toStdString();
    EXPECT_FALSE(clause.contains(QStringLiteral("Ledger book 1 kept")));
    const qsizetype annexure = text.indexOf(QStringLiteral("ANNEXURE TO FORM NO. 3CD"));
    EXPECT_GT(annexure, 0);
    EXPECT_GT(text.indexOf(QStringLiteral("Ledger book 9 kept"), annexure), annexure);
}

// Without a UDIN there is no UDIN line; a clause answered No prints its answer and no table.
TEST_P(PrintedReport, NoUdinLineWithoutUdinAndNoTableForANo)
{
    model->removePoint(21, QStringLiteral("UDIN"));
    model->setRows(4, QStringLiteral("Opt11a"), {{QStringLiteral("No")}});
    const QString text = printed();
    EXPECT_FALSE(text.contains(QStringLiteral("UDIN")));
    const QString clause = clauseText(text, QStringLiteral("11(a)"), QStringLiteral("11(b)"));
    EXPECT_TRUE(clause.contains(QStringLiteral("No"))) << clause.toStdString();
    EXPECT_FALSE(clause.contains(QStringLiteral("Cash Book"))) << clause.toStdString();
}

// A blank form fills names, dates and amounts with "__________" and prints no client data;
// a report whose page 1 was never saved is refused.
TEST_P(PrintedReport, BlankFormAndUnfilledReport)
{
    PrintChoices blank;
    blank.blank = true;
    const QString text = printed(blank);
    EXPECT_TRUE(text.contains(QStringLiteral("__________")));
    EXPECT_FALSE(text.contains(QStringLiteral("Sharma Textiles")));
    EXPECT_FALSE(text.contains(QStringLiteral("UDIN")));
    EXPECT_TRUE(text.contains(QStringLiteral("FORM NO. 3CD")));

    env->openForm(FormKind::F3CA, QStringLiteral("C004"));
    auto empty = ReportModel::load();
    ReportEngine engine;
    EXPECT_FALSE(AuditReport::build(engine, *empty, {}));
    EXPECT_EQ(env->prompt().lastText(), QStringLiteral("Form is not filled please fill the form"));
}

// A report with no stored rows is refused, though the rules fill some of its rows when it
// is read for printing, and prints nothing.
TEST_P(PrintedReport, NoStoredRowsNoReport)
{
    for (const auto &[form, client] : {std::pair{FormKind::F3CA, QStringLiteral("C004")},
                                       std::pair{FormKind::F3CB, QStringLiteral("C002")}}) {
        env->openForm(form, client);
        ASSERT_EQ(ReportModel::load()->count(), 0) << client.toStdString();
        ReportEngine engine;
        env->prompt().clear();
        EXPECT_FALSE(AuditReport::build(engine, *ReportRules::loadAsWritten(), {}));
        EXPECT_EQ(env->prompt().lastText(), QStringLiteral("Form is not filled please fill the form"));
        EXPECT_TRUE(engine.plainText().trimmed().isEmpty());
    }
}

// A table clause prints as a table: one line a row, in the columns under the headings, so
// that 300 payments of clause 34(a) take a handful of pages more than the report without them;
// the headings stand again on each page the table runs onto and where one table of
// RowsPerTable rows gives way to the next, never once a row.
TEST_P(PrintedReport, ATableClausePrintsALineARow)
{
    int before = 0;
    const QString headings = printed({}, &before, true);
    const int count = 300;
    model->setRows(17, QStringLiteral("34a"), payments(count));
    int after = 0;
    const QString text = printed({}, &after, true);
    EXPECT_EQ(paymentLines(text, count), count);
    EXPECT_LE(after - before, 10) << before << " " << after;
    const qsizetype repeated =
        text.count(QStringLiteral("Section")) - headings.count(QStringLiteral("Section"));
    EXPECT_GE(repeated, 1);
    EXPECT_LE(repeated, after - before + count / ReportEngine::RowsPerTable + 1);
}

// The two print flags change what a clause reported as "Nil" shows; the print setup moves
// the remarks to the end under a heading.
TEST_P(PrintedReport, PrintFlagsAndRemarksPlace)
{
    QStringList nil(ReportModel::kSequenceColumn);
    nil[0] = nil[1] = QStringLiteral("Nil");
    nil[ReportModel::kSequenceColumn - 1] = QStringLiteral("1");
    model->setRows(8, QStringLiteral("20a"), {nil});
    auto nilCount = [&](const PrintChoices &choices) {
        const QString clause =
            clauseText(printed(choices, nullptr, true), QStringLiteral("20(a)"), QStringLiteral("20(b)"));
        return std::make_pair(int(clause.count(QStringLiteral("Nil"))),
                              clause.contains(QStringLiteral("Amount")));
    };
    PrintChoices choices;
    EXPECT_EQ(nilCount(choices), std::make_pair(2, true));
    choices.nilFirstColumnOnly = true;
    EXPECT_EQ(nilCount(choices), std::make_pair(1, true));
    choices.itdPortal = true;
    EXPECT_EQ(nilCount(choices), std::make_pair(1, false));

    PrintSetup setup;
    setup.remarksPlace = PrintSetup::AtTheEnd;
    setup.remarksHeading = true;
    model->setRows(PrintSetup::Page, PrintSetup::Point, {setup.columns()});
    const QString text = printed();
    const qsizetype remark = text.indexOf(QStringLiteral("Remarks : - Clause 18 : Depreciation is computed"));
    EXPECT_GT(remark, text.indexOf(QStringLiteral("\n44")));
    EXPECT_GT(remark, text.indexOf(QStringLiteral("\nRemarks\n")));
}

// A clause of 500 rows prints every row once, and a printer (as the preview uses it)
// gets as many pages as the PDF has, each told to the progress.
TEST_P(PrintedReport, EveryRowOfALongClauseAndTheSamePagesEverywhere)
{
    const int count = 500;
    model->setRows(17, QStringLiteral("34a"), payments(count));
    ReportEngine engine;
    ASSERT_TRUE(AuditReport::build(engine, *model, {}));
    const QString pdf = env->dir() + QStringLiteral("/long.pdf");
    ASSERT_TRUE(engine.saveAsPdf(pdf));

    std::multiset<int> printed;
    const QString text = pdfText(pdf);
    static const QRegularExpression contract(QStringLiteral("Work (\\d+)\\b"));
    for (auto match = contract.globalMatch(text); match.hasNext();)
        printed.insert(match.next().captured(1).toInt());
    std::multiset<int> stored;
    for (int i = 1; i <= count; ++i)
        stored.insert(i);
    EXPECT_EQ(printed, stored);

    const int pdfPages = pdfPageCount(pdf);
    EXPECT_GT(pdfPages, 10);
    EXPECT_EQ(engine.pageCount(), pdfPages);

    struct Pages : PrintProgress {
        int total = 0;
        int done = 0;
        bool pagesDone(int d, int t) override
        {
            EXPECT_EQ(d, done + (d > 0));
            done = d;
            total = t;
            return true;
        }
    } pages;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(env->dir() + QStringLiteral("/printer.pdf"));
    EXPECT_TRUE(engine.print(printer, &pages));
    EXPECT_EQ(pages.total, pdfPages);
    EXPECT_EQ(pages.done, pdfPages);
}

// The depreciation clause kept as per annexure prints its chart, inserted from the file the
// depreciation report saves, on landscape pages between the usual ones (clause 34(a)'s annexure
// follows on a usual page); the preview counts the same pages as the PDF has.
TEST_P(PrintedReport, TheDepreciationChartStandsOnWidePagesInTheAnnexure)
{
    for (const char *annexed : {"Annex18", "Annex34a"})
        model->setRows(201, QString::fromLatin1(annexed), {{QStringLiteral("1")}}, QStringLiteral("3CD"));
    ReportEngine engine;
    ASSERT_TRUE(AuditReport::build(engine, *model, {}));
    const QString pdf = env->dir() + QStringLiteral("/annexure.pdf");
    ASSERT_TRUE(engine.saveAsPdf(pdf));
    const int pages = pdfPageCount(pdf);
    EXPECT_EQ(engine.pageCount(), pages);

    const QStringList sizes = pdfPageSizes(pdf);
    ASSERT_EQ(sizes.size(), pages);
    const qsizetype firstWide = sizes.indexOf(QStringLiteral("landscape"));
    ASSERT_GT(firstWide, 0) << sizes.join(u' ').toStdString();
    EXPECT_EQ(sizes.lastIndexOf(QStringLiteral("landscape")), firstWide);
    EXPECT_EQ(sizes.last(), QStringLiteral("portrait"));

    const QString text = pdfText(pdf);
    const QStringList pageTexts = text.split(QChar(12));
    const QString chart = pageTexts.value(firstWide).simplified();
    EXPECT_TRUE(chart.contains(QStringLiteral("Written down value at the end of the year")));
    EXPECT_TRUE(chart.contains(QStringLiteral("Date of purchase"))) << chart.toStdString();
    EXPECT_FALSE(pageTexts.value(firstWide - 1).contains(QStringLiteral("Written down value at the end")));
    EXPECT_EQ(text.simplified().count(QStringLiteral("Written down value at the end of the year")), 1);
}

TALVEX_BOTH_ENGINES(PrintedReport);
