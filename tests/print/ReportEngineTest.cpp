#include "DrawnPage.h"
#include "FilledReportTest.h"
#include "PdfText.h"

#include "model/ReportModel.h"
#include "print/ControlCodes.h"
#include "print/DepreciationReport.h"
#include "print/PrintProgress.h"
#include "print/ReportEngine.h"
#include "print/ReportWriter.h"

#include <QImage>
#include <QPainter>
#include <QProcess>

namespace
{

class ReportEngineTest : public FilledReportTest
{
protected:
    QString pdfPath() const { return env->dir() + QStringLiteral("/engine.pdf"); }

    // "842 x 595" for a landscape A4 page.
    QString pageSize()
    {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdfPath()});
        info.waitForFinished(60000);
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        const qsizetype at = text.indexOf(QStringLiteral("Page size:"));
        return text.mid(at + 10).section(u'p', 0, 0).trimmed();
    }
};

// A footer band of the assessment year and the page number, as the printed forms close a page.
void addNumberedFooter(ReportEngine &engine, ReportWriter &w)
{
    engine.SelectHF(true, ReportEngine::Footer, 5);
    w.columns(QStringLiteral("50,50"));
    w.plain({QStringLiteral("AY - 2026-27"), QString()});
    engine.InsertPgNo_TB(1, 2, QStringLiteral(" -"), 1);
    engine.SelectHF(false, 2);
}

} // namespace

// A widths list with another number of widths than columns is refused with the message and
// starts no table: the next row still goes into the table set up before.
TEST_P(ReportEngineTest, ColumnWidthsMustMatchTheColumnCount)
{
    ReportEngine engine;
    ReportRow row;
    EXPECT_TRUE(setUpColumns(engine, row, 4, QStringLiteral("4,40,2,54")));
    EXPECT_FALSE(setUpColumns(engine, row, 3, QStringLiteral("4,40,2,54")));
    EXPECT_EQ(env->prompt().lastText(), QStringLiteral("No of columns and widths of columns is not same"));
    EXPECT_EQ(row.columnCount(), 3);
}

// Bold codes vanish into the type, a line break splits a cell, a form feed starts a page,
// and the footer band numbers every page.
TEST_P(ReportEngineTest, ControlCodesPagesAndFooter)
{
    ReportEngine engine;
    ReportWriter w(engine);
    w.columns(QStringLiteral("30,70"));
    w.heading({QStringLiteral("Caption"), QStringLiteral("Value")});
    w.boxed({ControlCodes::bold(QStringLiteral("UDIN")),
             QStringLiteral("first line") + ControlCodes::LineBreak + QStringLiteral("second line")});
    engine.PrintText(ControlCodes::FormFeed + u';');
    engine.PrintText(ControlCodes::ElitePitch + u';');
    w.line(QStringLiteral("On the second page"));
    addNumberedFooter(engine, w);
    engine.ShowReport();

    ASSERT_TRUE(engine.saveAsPdf(pdfPath()));
    EXPECT_EQ(engine.pageCount(), 2);
    const QString text = pdfText(pdfPath());
    EXPECT_FALSE(text.contains(QChar(0x1b)));
    EXPECT_TRUE(text.contains(QStringLiteral("first line\nsecond line"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page - 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page - 2")));
    EXPECT_LT(text.indexOf(QStringLiteral("Page - 1")), text.indexOf(QStringLiteral("On the second page")));
    EXPECT_EQ(pageSize(), QStringLiteral("595 x 842"));
}

// A table saved in a file goes in where the report stands; a file without a table, or none,
// is refused. A run of wide pages between usual ones keeps the page numbers going.
TEST_P(ReportEngineTest, TablesFromFilesAndWidePagesBetweenUsualOnes)
{
    const QString saved = env->dir() + QStringLiteral("/table.rtf");
    {
        ReportEngine scratch;
        ReportWriter w(scratch);
        w.columns(QStringLiteral("50,50"));
        w.heading({QStringLiteral("Block"), QStringLiteral("Closing WDV")});
        w.boxed({QStringLiteral("Plant & Machinery @ 15%"), QStringLiteral("850000.00")});
        ASSERT_TRUE(scratch.saveBody(saved));
    }
    const QString lines = env->dir() + QStringLiteral("/lines.rtf");
    {
        ReportEngine scratch;
        scratch.PrintText(QStringLiteral("No table here"));
        ASSERT_TRUE(scratch.saveBody(lines));
    }

    ReportEngine engine;
    ReportWriter w(engine);
    w.line(QStringLiteral("Before the chart"));
    engine.startSection(true);
    EXPECT_TRUE(engine.InsertTblFromFile(saved));
    EXPECT_FALSE(engine.InsertTblFromFile(lines));
    EXPECT_FALSE(engine.InsertTblFromFile(env->dir() + QStringLiteral("/missing.rtf")));
    engine.startSection(false);
    w.line(QStringLiteral("After the chart"));
    addNumberedFooter(engine, w);

    ASSERT_TRUE(engine.saveAsPdf(pdfPath()));
    EXPECT_EQ(engine.pageCount(), 3);
    EXPECT_EQ(pdfPageSizes(pdfPath()), (QStringList{"portrait", "landscape", "portrait"}));
    const QStringList pages = pdfText(pdfPath()).split(QChar(12));
    EXPECT_TRUE(pages.value(1).contains(QStringLiteral("Plant & Machinery @ 15%")));
    EXPECT_TRUE(pages.value(1).contains(QStringLiteral("850000.00")));
    EXPECT_FALSE(pages.value(1).contains(QStringLiteral("No table here")));
    EXPECT_TRUE(pages.value(1).contains(QStringLiteral("Page - 2")));
    EXPECT_TRUE(pages.value(2).contains(QStringLiteral("After the chart")));
    EXPECT_TRUE(pages.value(2).contains(QStringLiteral("Page - 3")));
}

// The depreciation report takes the wide page for its sixteen columns, a row per block,
// the totals and each block's additions and deductions.
TEST_P(ReportEngineTest, DepreciationReportOnTheWidePage)
{
    ReportEngine engine;
    DepreciationReport::build(engine, *ReportModel::load());
    EXPECT_TRUE(engine.wide());
    ASSERT_TRUE(engine.saveAsPdf(pdfPath()));
    EXPECT_EQ(pageSize(), QStringLiteral("842 x 595"));
    const QString text = pdfText(pdfPath(), true);
    for (const char *value :
         {"Depreciation allowable.", "Method", "Purchase", "Subsidy/", "(18a) Plant & Machinery",
          "1200000.00", "217500.00", "247500.00", "1552500.00",
          "Additions :", "Deductions :", "Date of purchase", "15/06/2025", "Date of sale etc."})
        EXPECT_TRUE(text.contains(QString::fromUtf8(value))) << value;
}

// A print stopped half way writes no PDF and says why; the pages are told as they are drawn.
TEST_P(ReportEngineTest, CancelledPdfIsNotLeftBehind)
{
    ReportEngine engine;
    ReportWriter w(engine);
    for (int page = 0; page < 3; ++page) {
        if (page > 0)
            engine.PrintText(ControlCodes::FormFeed + u';');
        w.line(QStringLiteral("Page %1").arg(page + 1));
    }
    struct StopAfterOne : PrintProgress {
        QList<int> told;
        bool pagesDone(int done, int total) override
        {
            told << done << total;
            return done < 1;
        }
    } stop;
    QString reason;
    EXPECT_FALSE(engine.saveAsPdf(pdfPath(), &reason, &stop));
    EXPECT_EQ(reason, QStringLiteral("cancelled"));
    EXPECT_FALSE(QFile::exists(pdfPath()));
    EXPECT_EQ(stop.told, (QList<int>{0, 3, 1, 3}));
}

// A long report is laid out a step at a time: its first page is drawn before the rest is laid
// out, the count of pages laid out grows to the whole, and the PDF has as many pages.
TEST_P(ReportEngineTest, PagesAreLaidOutAsTheyAreAskedFor)
{
    ReportEngine engine;
    ReportWriter w(engine);
    w.columns(QStringLiteral("10,90"));
    for (int i = 0; i < 3000; ++i)
        w.boxed({QString::number(i + 1), QStringLiteral("Payment %1 to a party").arg(i + 1)});
    EXPECT_TRUE(engine.layOutMore(0));
    int laid = engine.pagesLaidOut();
    EXPECT_FALSE(engine.laidOut());
    while (laid == 0 && engine.layOutMore(0))
        laid = engine.pagesLaidOut();
    ASSERT_GE(laid, 1);
    const QSize page(2100, 2970);
    QImage first(page, QImage::Format_RGB32);
    first.fill(Qt::white);
    QPainter painter(&first);
    engine.drawPage(painter, 0);
    painter.end();
    EXPECT_NE(first, [&] {
        QImage white(page, QImage::Format_RGB32);
        white.fill(Qt::white);
        return white;
    }());
    const int firstLaid = laid;
    while (engine.layOutMore(0)) {
        EXPECT_GE(engine.pagesLaidOut(), laid);
        laid = engine.pagesLaidOut();
    }
    EXPECT_TRUE(engine.laidOut());
    EXPECT_DOUBLE_EQ(engine.laidOutShare(), 1.0);
    const int all = engine.pagesLaidOut();
    EXPECT_GT(all, firstLaid + 10);
    EXPECT_EQ(engine.pageCount(), all);
    ASSERT_TRUE(engine.saveAsPdf(pdfPath()));
    EXPECT_EQ(pdfPageCount(pdfPath()), all);
}

// A print stopped while its pages are still being laid out writes nothing either.
TEST_P(ReportEngineTest, PrintStoppedWhileLayingOutWritesNothing)
{
    ReportEngine engine;
    ReportWriter w(engine);
    w.columns(QStringLiteral("100"));
    for (int i = 0; i < 12000; ++i)
        w.boxed({QStringLiteral("Line %1").arg(i + 1)});
    struct StopLayingOut : PrintProgress {
        int heard = 0;
        bool layingOut(int) override { return ++heard < 1; }
        bool pagesDone(int, int) override { return true; }
    } stop;
    QString reason;
    EXPECT_FALSE(engine.saveAsPdf(pdfPath(), &reason, &stop));
    EXPECT_EQ(stop.heard, 1);
    EXPECT_EQ(reason, QStringLiteral("cancelled"));
    EXPECT_FALSE(QFile::exists(pdfPath()));
}

INSTANTIATE_TEST_SUITE_P(SQLite, ReportEngineTest, testing::Values(TestEngine::SQLite), engineName);

// A long report is composed only as far ahead as its layout has reached, yet its pages are
// those of the same report composed whole before its layout: the same count, the same text
// and the same drawing of each page, the wide run and the footer's page numbers included.
TEST_P(ReportEngineTest, ComposedAsLaidOutGivesThePagesOfTheWholeReport)
{
    const auto write = [](ReportEngine &engine) {
        ReportWriter w(engine);
        w.line(QStringLiteral("Statement of particulars"), ReportRow::Centre, true);
        w.columns(QStringLiteral("10,60,30"));
        w.heading({QStringLiteral("Sl."), QStringLiteral("Party"), QStringLiteral("Amount")});
        for (int i = 0; i < 2500; ++i)
            w.boxed({QString::number(i + 1),
                     QStringLiteral("Payment %1 to a party\r\nsecond line").arg(i + 1),
                     QString::number(1000 + i) + QStringLiteral(".00")});
        engine.PrintText(ControlCodes::FormFeed + u';');
        engine.startSection(true);
        w.columns(QStringLiteral("50,50"));
        for (int i = 0; i < 300; ++i)
            w.boxed({QStringLiteral("Wide %1").arg(i + 1), QStringLiteral("Bold ") + ControlCodes::BoldOn +
                                                               QString::number(i) + ControlCodes::BoldOff});
        engine.startSection(false);
        w.line(QStringLiteral("After the wide pages"));
        addNumberedFooter(engine, w);
        engine.ShowReport();
    };
    ReportEngine sliced, whole;
    write(sliced);
    write(whole);
    const QString text = whole.plainText();
    EXPECT_TRUE(sliced.layOutMore(0));
    EXPECT_LT(sliced.laidOutShare(), 0.2);
    while (sliced.layOutMore(0)) {
    }
    const int pages = whole.pageCount();
    ASSERT_EQ(sliced.pageCount(), pages);
    EXPECT_GT(pages, 60);
    EXPECT_EQ(sliced.plainText(), text);
    for (int page : {0, 1, pages / 3, pages - 4, pages - 2, pages - 1})
        EXPECT_EQ(drawnPage(sliced, page), drawnPage(whole, page)) << "page " << page + 1;
}

// A table running over pages has its headings at the top of every page, in each of the tables
// a long table is laid as: every row prints once and in order, and the total closes the table.
TEST_P(ReportEngineTest, LongTablesRepeatTheirHeadingsOnEveryPage)
{
    ReportEngine engine;
    ReportWriter w(engine);
    w.line(QStringLiteral("Payments"), ReportRow::Centre, true);
    w.columns(QStringLiteral("10,60,30"));
    w.heading({QStringLiteral("Sl."), QStringLiteral("Name of the payee"), QStringLiteral("Amount paid")});
    const int rows = 2 * ReportEngine::RowsPerTable + 50;
    for (int i = 1; i <= rows; ++i)
        w.boxed({QString::number(i), QStringLiteral("Payee %1").arg(i),
                 QString::number(1000 + i) + QStringLiteral(".00")});
    w.boxed({QString(), QStringLiteral("Total"), QStringLiteral("281375.00")}, QStringLiteral("001"));
    w.line(QStringLiteral("End of the statement"));
    ASSERT_TRUE(engine.saveAsPdf(pdfPath()));

    const QString text = pdfText(pdfPath(), true);
    const QStringList pages = text.split(QChar(12), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    // Each page after the first opens with the headings; they stand again, mid-page, where one
    // table of RowsPerTable rows gives way to the next.
    static const QRegularExpression headings(
        QStringLiteral("^\\s*Sl\\.\\s+Name of the payee\\s+Amount paid\\n"));
    for (qsizetype page = 1; page < pages.size(); ++page)
        EXPECT_TRUE(headings.match(pages.at(page)).hasMatch()) << "page " << page + 1;
    EXPECT_EQ(text.count(QStringLiteral("Name of the payee")), pages.size() + 2);
    qsizetype previous = -1;
    for (int i = 1; i <= rows; ++i) {
        const QRegularExpression row(
            QStringLiteral("\\n\\s*%1\\s+Payee %1\\s+%2\\.00\\n").arg(i).arg(1000 + i));
        const qsizetype at = text.indexOf(row);
        EXPECT_GT(at, previous) << "row " << i;
        EXPECT_EQ(text.count(row), 1) << "row " << i;
        previous = at;
    }
    const qsizetype total = text.indexOf(QStringLiteral("Total"));
    EXPECT_GT(total, previous);
    EXPECT_LT(total, text.indexOf(QStringLiteral("End of the statement")));
}
