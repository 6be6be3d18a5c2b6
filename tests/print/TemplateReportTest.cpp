#include "DrawnPage.h"
#include "FilledReportTest.h"
#include "PdfText.h"
#include "ToolRun.h"

#include "model/ReportModel.h"
#include "model/rules/ReportRules.h"
#include "print/AuditReport.h"
#include "print/ControlCodes.h"
#include "print/InertTextDocument.h"
#include "print/MasterFile.h"
#include "print/PrintChoices.h"
#include "print/PrintSetup.h"
#include "print/ReportEngine.h"
#include "print/ShippedTemplates.h"
#include "print/TemplateLists.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextTable>

namespace
{

QString write(const QString &path, const QString &text)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
    return path;
}

// A small master file: a paragraph with a marker standing twice, a table whose marker row
// is to be filled, and a second table whose marker begins like the first one's.
const QString Master =
    QStringLiteral("<html><body><p>Dear $#$Name$#$ and $#$Name$#$, see $#$Left$#$.</p>"
                   "<table border=\"1\"><tr><td>No.</td><td>Item</td><td>Amount</td></tr>"
                   "<tr><td></td><td colspan=\"2\">AnnexA</td></tr></table>"
                   "<p>between</p>"
                   "<table border=\"0\"><tr><td>AnnexAB</td><td>second</td></tr></table></body></html>");

} // namespace

// Markers are replaced one occurrence at a time in document order, with bold and line
// breaks; a table is found by a whole-word marker and edited row by row and cell by cell;
// the saved file reads back as it was left and the engine appends it after a page break.
TEST(MasterFileTest, MarkersTablesAndSavedFile)
{
    QTemporaryDir dir;
    MasterFile file;
    EXPECT_FALSE(file.openmasterfile(dir.filePath(QStringLiteral("missing.rtf"))));
    ASSERT_TRUE(file.openmasterfile(write(dir.filePath(QStringLiteral("master.rtf")), Master)));
    EXPECT_EQ(file.tableCount(), 2);

    EXPECT_TRUE(file.NewSetText(QStringLiteral("$#$Name$#$"), ControlCodes::bold(QStringLiteral("Asha"))));
    EXPECT_TRUE(file.NewSetText(QStringLiteral("$#$Name$#$"), QStringLiteral("Ravi")));
    EXPECT_FALSE(file.NewSetText(QStringLiteral("$#$Name$#$"), QStringLiteral("nobody")));
    EXPECT_TRUE(
        file.NewSetText(QStringLiteral("$#$Left$#$"),
                        QStringLiteral("line one") + ControlCodes::LineBreak + QStringLiteral("line two")));
    const QTextBlock first = file.document().begin();
    EXPECT_EQ(first.text(), QStringLiteral("Dear Asha and Ravi, see line one"));
    EXPECT_EQ(first.next().text(), QStringLiteral("line two."));
    const QTextCursor asha = file.document().find(QStringLiteral("Asha"));
    EXPECT_EQ(asha.charFormat().fontWeight(), QFont::Bold);
    EXPECT_NE(file.document().find(QStringLiteral("Ravi")).charFormat().fontWeight(), QFont::Bold);

    int row = 0, column = 0;
    EXPECT_EQ(file.FindTextInTable(QStringLiteral("AnnexAB"), &row, &column), 2);
    EXPECT_EQ(file.FindTextInTable(QStringLiteral("AnnexA"), &row, &column), 1);
    EXPECT_EQ(std::make_pair(row, column), std::make_pair(2, 2));
    EXPECT_EQ(file.FindTextInTable(QStringLiteral("AnnexA"), nullptr, nullptr, 2), 0);
    EXPECT_EQ(file.FindTextInTable(QStringLiteral("AnnexZ")), 0);

    file.CurrentTbId = 1;
    EXPECT_EQ(file.tbcols(), 3);
    EXPECT_EQ(file.tbrows(), 2);
    file.insertrows(2, row + 1);
    EXPECT_EQ(file.tbrows(), 4);
    file.setTextMatrix(3, 1, QStringLiteral("1"));
    file.setTextMatrix(3, 2, QStringLiteral("Rent"));
    file.setTextMatrix(3, 3, QStringLiteral("1200.00"));
    file.setTextMatrix(4, 2, QStringLiteral("Total 1200.00"));
    file.MergeCells(4, 2, 2);
    file.CellBorder(3, 3, QStringLiteral("1010"), 1.0);
    file.DeleteRow(row);
    EXPECT_EQ(file.tbrows(), 3);
    EXPECT_EQ(file.TextMatrix(2, 2), QStringLiteral("Rent"));
    EXPECT_EQ(file.TextMatrix(3, 2), QStringLiteral("Total 1200.00"));
    EXPECT_EQ(file.TextMatrix(9, 9), QString());

    const QString saved = dir.filePath(QStringLiteral("saved.rtf"));
    ASSERT_TRUE(file.SaveMasterFile(saved));
    MasterFile again;
    ASSERT_TRUE(again.openmasterfile(saved));
    again.CurrentTbId = again.FindTextInTable(QStringLiteral("AnnexAB"));
    EXPECT_EQ(again.CurrentTbId, 2);
    again.CurrentTbId = 1;
    EXPECT_EQ(again.TextMatrix(2, 3), QStringLiteral("1200.00"));
    const QTextTable *table = again.document().find(QStringLiteral("1200.00")).currentTable();
    ASSERT_TRUE(table);
    const QTextTableCellFormat ruled = table->cellAt(1, 2).format().toTableCellFormat();
    EXPECT_GT(ruled.leftBorder(), 0);
    EXPECT_EQ(ruled.rightBorder(), 0);
    EXPECT_EQ(table->cellAt(2, 1).columnSpan(), 2);

    // Deleting every row of a table takes the table away.
    again.CurrentTbId = 2;
    again.DeleteRow(1);
    EXPECT_EQ(again.tableCount(), 1);

    ReportEngine engine;
    engine.PrintText(QStringLiteral("Front page"));
    ASSERT_TRUE(engine.AppendFile(saved));
    EXPECT_FALSE(engine.AppendFile(dir.filePath(QStringLiteral("missing.rtf"))));
    EXPECT_EQ(engine.pageCount(), 2);
    EXPECT_TRUE(engine.plainText().contains(QStringLiteral("Dear Asha and Ravi")));
}

// Markers keep their places while tables before them grow and shrink; a marker whose place
// overlaps one set already is gone with it; a value's text is never taken for a marker; a
// no-break space in a template reads as a space; what was set shows whenever the document is
// read, and each marker's occurrences are set in document order across many markers.
TEST(MasterFileTest, MarkersAroundTableEditsOverlapsAndMany)
{
    QTemporaryDir dir;
    QString many;
    for (int i = 0; i < 300; ++i)
        many += QStringLiteral("<p>$#$M%1$#$ and $#$Twice$#$</p>").arg(i % 150);
    const QString html = QStringLiteral("<html><body><p>x $#$A$#$B$#$ y $#$A$#$ z $#$C$#$</p>"
                                        "<table border=\"1\"><tr><td>AnnexT</td></tr></table>"
                                        "<p>$#$PStart&nbsp;Date$#$ to $#$Late$#$</p>%1</body></html>")
                             .arg(many);
    MasterFile file;
    ASSERT_TRUE(file.openmasterfile(write(dir.filePath(QStringLiteral("master.rtf")), html)));

    EXPECT_TRUE(file.NewSetText(QStringLiteral("$#$B$#$"), QStringLiteral("b")));
    EXPECT_TRUE(file.NewSetText(QStringLiteral("$#$A$#$"), QStringLiteral("$#$C$#$")));
    EXPECT_FALSE(file.NewSetText(QStringLiteral("$#$A$#$"), QStringLiteral("again")));
    EXPECT_EQ(file.document().begin().text(), QStringLiteral("x $#$Ab y $#$C$#$ z $#$C$#$"));
    EXPECT_TRUE(file.NewSetText(QStringLiteral("$#$C$#$"), QStringLiteral("c")));
    EXPECT_FALSE(file.NewSetText(QStringLiteral("$#$C$#$"), QStringLiteral("again")));
    EXPECT_EQ(file.document().begin().text(), QStringLiteral("x $#$Ab y $#$C$#$ z c"));

    file.CurrentTbId = file.FindTextInTable(QStringLiteral("AnnexT"));
    ASSERT_EQ(file.CurrentTbId, 1);
    file.insertrows(3, 2);
    file.setTextMatrix(2, 1, QStringLiteral("$#$Late$#$ in a cell"));
    file.setTextMatrix(3, 1, QStringLiteral("a longer row"));
    file.DeleteRow(1);
    EXPECT_TRUE(file.NewSetText(QStringLiteral("$#$PStart Date$#$"), QStringLiteral("01/04/2025")));
    EXPECT_TRUE(file.NewSetText(QStringLiteral("$#$Late$#$"), QStringLiteral("31/03/2026")));
    EXPECT_FALSE(file.NewSetText(QStringLiteral("$#$Late$#$"), QString()));
    EXPECT_EQ(file.TextMatrix(1, 1), QStringLiteral("$#$Late$#$ in a cell"));
    EXPECT_EQ(file.tbrows(), 3);

    for (int i = 0; i < 150; ++i) {
        EXPECT_TRUE(file.NewSetText(QStringLiteral("$#$M%1$#$").arg(i), QStringLiteral("first %1").arg(i)));
        EXPECT_TRUE(file.NewSetText(QStringLiteral("$#$M%1$#$").arg(i), QStringLiteral("second %1").arg(i)));
    }
    for (int i = 0; i < 300; ++i)
        EXPECT_TRUE(file.NewSetText(QStringLiteral("$#$Twice$#$"), QString::number(i)));
    EXPECT_FALSE(file.NewSetText(QStringLiteral("$#$Twice$#$"), QString()));
    const QString text = file.document().toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("01/04/2025 to 31/03/2026\nfirst 0 and 0\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nsecond 149 and 299")));
    EXPECT_TRUE(text.indexOf(QStringLiteral("first 149 ")) < text.indexOf(QStringLiteral("second 0 ")));
    EXPECT_FALSE(text.contains(QStringLiteral("$#$M")));
}

// Rows filled and joined as one edit: the table holds them, cells joined where asked, and the
// tables after it are still found where they stand.
TEST(MasterFileTest, TableEditsMadeAsOneEdit)
{
    QTemporaryDir dir;
    MasterFile file;
    ASSERT_TRUE(file.openmasterfile(write(dir.filePath(QStringLiteral("master.rtf")), Master)));
    file.CurrentTbId = file.FindTextInTable(QStringLiteral("AnnexA"));
    ASSERT_EQ(file.CurrentTbId, 1);
    file.insertrows(500, 3);
    file.beginTableEdits();
    for (int row = 3; row < 503; ++row) {
        file.setTextMatrix(row, 1, QString::number(row));
        file.setTextMatrix(row, 2,
                           QStringLiteral("line one") + ControlCodes::LineBreak + QStringLiteral("two"));
        file.CellBorder(row, 2, QStringLiteral("1111"));
        file.MergeCells(row, 2, 2);
    }
    file.endTableEdits();
    file.DeleteRow(2);
    EXPECT_EQ(file.tbrows(), 501);
    EXPECT_EQ(file.TextMatrix(501, 1), QStringLiteral("502"));
    EXPECT_EQ(file.TextMatrix(501, 2), QStringLiteral("line one\ntwo"));
    EXPECT_EQ(file.tableCount(), 2);
    EXPECT_EQ(file.FindTextInTable(QStringLiteral("AnnexAB")), 2);
    const QTextCursor last = file.document().find(QStringLiteral("502"));
    ASSERT_TRUE(last.currentTable());
    EXPECT_EQ(last.currentTable()->cellAt(500, 1).columnSpan(), 2);
    EXPECT_EQ(file.document().find(QStringLiteral("between")).currentTable(), nullptr);
}

// A long filled file is read in pieces, cut between tables that follow one another: the report
// holds the same text on the same pages, drawn the same, as when the file is read whole.
TEST(MasterFileTest, ALongFileReadInPiecesPrintsAsReadWhole)
{
    QTemporaryDir dir;
    InertTextDocument filled;
    QTextCursor cursor(&filled);
    cursor.insertText(QStringLiteral("Statement of payments"));
    for (int t = 0; t < 80; ++t) {
        QTextTableFormat format;
        format.setHeaderRowCount(1);
        format.setBorder(1);
        QTextTable *table = cursor.insertTable(101, 2, format);
        table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("Payee"));
        table->cellAt(0, 1).firstCursorPosition().insertText(QStringLiteral("Amount"));
        for (int r = 1; r <= 100; ++r) {
            table->cellAt(r, 0).firstCursorPosition().insertText(QStringLiteral("Payee %1").arg(t * 100 + r));
            table->cellAt(r, 1).firstCursorPosition().insertText(QString::number(1000 + r) +
                                                                 QStringLiteral(".00"));
        }
        cursor.movePosition(QTextCursor::End);
    }
    cursor.insertText(QStringLiteral("End of the statement"));
    const QString html = filled.toHtml();
    ASSERT_GT(html.size(), 2 << 20);
    const QString path = write(dir.filePath(QStringLiteral("filled.rtf")), html);

    ReportEngine pieces, whole;
    for (ReportEngine *engine : {&pieces, &whole})
        engine->PrintText(QStringLiteral("Front page"));
    ASSERT_TRUE(pieces.AppendFile(path));
    InertTextDocument read;
    read.setHtmlWithoutImages(html);
    QTextCursor(&read).insertBlock();
    whole.appendDocument(read);

    EXPECT_EQ(pieces.plainText(), whole.plainText());
    const int pages = whole.pageCount();
    ASSERT_EQ(pieces.pageCount(), pages);
    EXPECT_GT(pages, 40);
    for (int page = 0; page < pages; page += pages / 12)
        EXPECT_EQ(drawnPage(pieces, page), drawnPage(whole, page)) << "page " << page + 1;
}

namespace
{

// The demo report printed through the shipped templates.
class TemplatePrint : public FilledReportTest
{
protected:
    void SetUp() override
    {
        FilledReportTest::SetUp();
        if (env)
            model = ReportRules::loadAsWritten();
    }

    PrintChoices choices(int format = 0) const
    {
        const QString docs = env->host().DocPath();
        const QString exe = env->host().ExePath();
        PrintChoices c;
        c.frontTemplate =
            ShippedTemplates::resolve(exe, docs, TemplateLists::frontPages(docs, "3CA").first().path);
        c.form3cdTemplate =
            ShippedTemplates::resolve(exe, docs, TemplateLists::form3CD(docs).at(format).path);
        return c;
    }

    QString printed(const PrintChoices &c, int *pages = nullptr, bool layout = false)
    {
        ReportEngine engine;
        EXPECT_TRUE(AuditReport::build(engine, *model, c));
        const QString pdf = env->dir() + QStringLiteral("/template.pdf");
        EXPECT_TRUE(engine.saveAsPdf(pdf));
        if (pages)
            *pages = engine.pageCount();
        return pdfText(pdf, layout);
    }

    // The text from a clause label at the start of a line to the next label given.
    static QString clauseText(const QString &text, const QString &from, const QString &to)
    {
        const qsizetype start = text.indexOf(QStringLiteral("\n") + from);
        return text.mid(start, text.indexOf(QStringLiteral("\n") + to, start + 1) - start);
    }

    static void expectNoMarkers(const QString &text)
    {
        EXPECT_FALSE(text.contains(QStringLiteral("$#$"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("Annex[0-9]"))));
    }

    std::unique_ptr<ReportModel> model;
};

} // namespace

// Each shipped format prints the whole demo report: every clause from 1 to 44 at the start
// of a line, the values entered, the UDIN line and the signature, and no marker left over;
// the filled front page and Form 3CD are left in the temporary folder.
TEST_P(TemplatePrint, EveryFormatHoldsEveryClauseAndNoMarker)
{
    for (int format = 0; format < 3; ++format) {
        SCOPED_TRACE(format);
        int pages = 0;
        const QString text = printed(choices(format), &pages);
        EXPECT_GE(pages, 8);
        expectWholeReport(text);
        EXPECT_TRUE(
            text.contains(QStringLiteral("We report that the statutory audit of M/s. Sharma Textiles")));
        expectNoMarkers(text);
        EXPECT_FALSE(text.contains(QStringLiteral("__________")));
        EXPECT_FALSE(text.contains(QStringLiteral("ANNEXURE TO FORM NO. 3CD")));
    }
    const QDir temporary(env->host().vTmpPath());
    EXPECT_TRUE(temporary.exists(QStringLiteral("3CA.rtf")));
    EXPECT_TRUE(temporary.exists(QStringLiteral("3CD.rtf")));
}

// Rows print in the numeric order of their serial column; a clause reported by annexure
// says so in its place and prints its rows in the annexure at the end; without a UDIN the
// UDIN line is left out; a clause answered No prints no table.
TEST_P(TemplatePrint, RowsAnnexureUdinAndAnswers)
{
    model->setRows(4, QStringLiteral("11a"), booksOutOfOrder());
    QString text = printed(choices());
    for (int serial = 1; serial < 12; ++serial)
        EXPECT_LT(text.indexOf(QStringLiteral("Ledger book %1 kept").arg(serial)),
                  text.indexOf(QStringLiteral("Ledger book %1 kept").arg(serial + 1)))
            << serial;

    model->setRows(201, QStringLiteral("Annex11a"), {{QStringLiteral("1")}}, QStringLiteral("3CD"));
    text = printed(choices());
    const QString clause = clauseText(text, QStringLiteral("11(a)"), QStringLiteral("11(b)"));
    EXPECT_TRUE(clause.contains(QStringLiteral("AS PER ANNEXURE"))) << clause.toStdString();
    EXPECT_FALSE(clause.contains(QStringLiteral("Ledger book 1 kept")));
    const qsizetype annexure = text.indexOf(QStringLiteral("ANNEXURE TO FORM NO. 3CD"));
    EXPECT_GT(annexure, text.indexOf(QStringLiteral("Chartered Accountants")));
    EXPECT_GT(text.indexOf(QStringLiteral("Ledger book 9 kept"), annexure), annexure);
    expectNoMarkers(text);

    model->removePoint(21, QStringLiteral("UDIN"));
    model->setRows(4, QStringLiteral("Opt11a"), {{QStringLiteral("No")}});
    text = printed(choices());
    EXPECT_FALSE(text.contains(QStringLiteral("UDIN")));
    const QString answeredNo = clauseText(text, QStringLiteral("11(a)"), QStringLiteral("11(b)"));
    EXPECT_TRUE(answeredNo.contains(QStringLiteral("No"))) << answeredNo.toStdString();
    EXPECT_FALSE(answeredNo.contains(QStringLiteral("Sr. No."))) << answeredNo.toStdString();
}

// The depreciation clause kept as per annexure is said so in its place and its chart, saved by
// the depreciation report and inserted from that file, follows the statement on landscape
// pages, not in the annexure table; the preview counts the PDF's pages.
TEST_P(TemplatePrint, TheDepreciationChartFollowsOnWidePages)
{
    model->setRows(201, QStringLiteral("Annex18"), {{QStringLiteral("1")}}, QStringLiteral("3CD"));
    ReportEngine engine;
    ASSERT_TRUE(AuditReport::build(engine, *model, choices()));
    const QString pdf = env->dir() + QStringLiteral("/chart.pdf");
    ASSERT_TRUE(engine.saveAsPdf(pdf));
    const QStringList sizes = pdfPageSizes(pdf);
    EXPECT_EQ(engine.pageCount(), int(sizes.size()));
    const qsizetype firstWide = sizes.indexOf(QStringLiteral("landscape"));
    ASSERT_GT(firstWide, 0) << sizes.join(u' ').toStdString();
    EXPECT_EQ(sizes.last(), QStringLiteral("landscape"));
    const QStringList pages = pdfText(pdf).split(QChar(12));
    const QString chart = pages.value(firstWide).simplified();
    EXPECT_TRUE(chart.startsWith(QStringLiteral("Depreciation allowable."))) << chart.toStdString();
    EXPECT_TRUE(chart.contains(QStringLiteral("Written down value at the end of the year")));
    EXPECT_TRUE(pages.mid(0, firstWide).join(u' ').contains(QStringLiteral("AS PER ANNEXURE")));
    EXPECT_FALSE(pages.mid(0, firstWide)
                     .join(u' ')
                     .simplified()
                     .contains(QStringLiteral("Written down value at the end of the year")));
}

// A grid wider than its clause's template table widens the table: 300 payments of clause
// 34(a) print one line each in the columns of the Form 3CD template, in a handful of pages.
TEST_P(TemplatePrint, AWideGridWidensItsTemplateTable)
{
    int before = 0;
    printed(choices(), &before);
    const int count = 300;
    model->setRows(17, QStringLiteral("34a"), payments(count));
    int after = 0;
    const QString text = printed(choices(), &after, true);
    EXPECT_EQ(paymentLines(text, count), count);
    EXPECT_LE(after - before, 10) << before << " " << after;
    expectNoMarkers(text);
}

// A long grid goes into tables of its own of at most 100 rows, each under the grid's headings,
// which stand at the top of every page the grid runs onto; every row prints once and in order,
// and the clause after the grid follows its last row. An empty grid prints its row under them.
TEST_P(TemplatePrint, LongGridsPrintInTablesUnderTheirHeadings)
{
    const QString heading = QStringLiteral("Account Number (TAN)");
    for (int count : {0, 100, 101, 250}) {
        SCOPED_TRACE(count);
        model->setRows(17, QStringLiteral("34a"), payments(count));
        const QString text = printed(choices(), nullptr, true);
        EXPECT_EQ(paymentLines(text, count), count);
        qsizetype previous = -1;
        for (int i = 1; i <= count; ++i) {
            const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("\\sWork %1\\s").arg(i)));
            EXPECT_GT(at, previous) << "row " << i;
            previous = at;
        }
        EXPECT_GT(text.indexOf(QRegularExpression(QStringLiteral("\\n\\s*34\\(b\\)"))), previous);
        for (const QString &page : pdfText(env->dir() + QStringLiteral("/template.pdf")).split(QChar(12))) {
            if (page.contains(QStringLiteral("MUMS12345A")))
                EXPECT_TRUE(page.simplified().contains(heading)) << page.toStdString();
        }

        // The filled Form 3CD: the grid's tables open with the headings, repeated on each page.
        bool read = false;
        InertTextDocument saved;
        saved.setHtmlWithoutImages(MasterFile::readTemplate(
            QDir(env->host().vTmpPath()).filePath(QStringLiteral("3CD.rtf")), &read));
        ASSERT_TRUE(read);
        const int from = saved.find(QStringLiteral("34(a)")).position();
        const int to = saved.find(QStringLiteral("34(b)")).position();
        QList<QTextTable *> grid;
        for (QTextFrame *frame : saved.rootFrame()->childFrames()) {
            auto *table = qobject_cast<QTextTable *>(frame);
            if (table && table->firstPosition() > from && table->lastPosition() < to)
                grid << table;
        }
        ASSERT_EQ(grid.size(), std::max(1, (count + 99) / 100));
        int rows = 0;
        for (QTextTable *table : std::as_const(grid)) {
            EXPECT_EQ(table->format().headerRowCount(), 1);
            EXPECT_LE(table->rows(), 101);
            rows += table->rows() - 1;
        }
        EXPECT_EQ(rows, std::max(count, 1));
    }
}

// A blank form fills names, dates and amounts with "__________", prints no client data and
// no UDIN; an unreadable template is refused with a message.
TEST_P(TemplatePrint, BlankFormAndMissingTemplate)
{
    PrintChoices blank = choices();
    blank.blank = true;
    const QString text = printed(blank);
    EXPECT_TRUE(text.contains(QStringLiteral("__________")));
    EXPECT_TRUE(text.contains(QStringLiteral("__ report that the statutory audit")));
    EXPECT_FALSE(text.contains(QStringLiteral("Sharma Textiles")));
    EXPECT_FALSE(text.contains(QStringLiteral("UDIN")));
    EXPECT_TRUE(text.contains(QStringLiteral("FORM NO. 3CD")));
    expectNoMarkers(text);

    PrintChoices missing = choices();
    missing.form3cdTemplate = env->dir() + QStringLiteral("/none.rtf");
    ReportEngine engine;
    EXPECT_FALSE(AuditReport::build(engine, *model, missing));
    EXPECT_TRUE(env->prompt().lastText().startsWith(QStringLiteral("The template [")))
        << env->prompt().lastText().toStdString();
}

// The print setup gathers the remarks at the end under a heading, and adds the assessee's
// signature with the signatory of the client.
TEST_P(TemplatePrint, RemarksAtTheEndAndTheAssesseesSignature)
{
    PrintSetup setup;
    setup.remarksPlace = PrintSetup::AtTheEnd;
    setup.remarksHeading = true;
    setup.assesseeSign = true;
    model->setRows(PrintSetup::Page, PrintSetup::Point, {setup.columns()});
    const QString text = printed(choices());
    const qsizetype remark = text.indexOf(QStringLiteral("Remarks : - Clause 18 : Depreciation is computed"));
    EXPECT_GT(remark, text.indexOf(QStringLiteral("\n44")));
    EXPECT_GT(remark, text.indexOf(QStringLiteral("\nRemarks\n")));
    EXPECT_GT(text.indexOf(QStringLiteral("For Sharma Textiles Private Limited")), remark);
    expectNoMarkers(text);
}

TALVEX_BOTH_ENGINES(TemplatePrint);

// taxaudit prints through a Form 3CD template named as in Print Options, by file name or
// from the user's own list, and refuses a name it does not know.
TEST(TemplatePrintCommand, PrintsThroughANamedTemplate)
{
    QTemporaryDir home;
    const QString db = QStringLiteral("sqlite:") + home.filePath(QStringLiteral("t.db"));
    ASSERT_EQ(runTaxaudit(home.path(), {"--db", db, "demo"}).status, 0);
    auto print = [&](const QString &name) {
        return runTaxaudit(home.path(),
                           {"--db", db, "print", "--client", "C001", "--year", "2026", "--pdf",
                            home.filePath(QStringLiteral("r.pdf")), "--template", name, "--yes"});
    };
    ToolRun run = print(QStringLiteral("(Original File-2) Old Format"));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QString text = pdfText(home.filePath(QStringLiteral("r.pdf")));
    EXPECT_TRUE(text.contains(QStringLiteral("FORM NO. 3CD")));
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("Hartley Textile Design Ltd")));
    EXPECT_FALSE(text.contains(QStringLiteral("$#$")));

    // A user's template: a copy of a shipped one with a line of its own, listed in List.txt.
    const QString reports = home.filePath(QStringLiteral("docs/Reports/ReportsN"));
    QDir().mkpath(reports + QStringLiteral("/3cd_Fls"));
    QFile shipped(reports + QStringLiteral("/3CD_2024_1.rtf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QString own =
        QString::fromUtf8(shipped.readAll())
            .replace(QStringLiteral("FORM NO. 3CD"), QStringLiteral("FORM NO. 3CD (office copy)"));
    write(reports + QStringLiteral("/3cd_Fls/3CDOffice.rtf"), own);
    write(reports + QStringLiteral("/3cd_Fls/List.txt"), QStringLiteral("3CD (New)\nOffice\n"));
    run = print(QStringLiteral("Office"));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    text = pdfText(home.filePath(QStringLiteral("r.pdf")));
    EXPECT_TRUE(text.contains(QStringLiteral("FORM NO. 3CD (office copy)")));

    run = print(QStringLiteral("No Such Format"));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("There is no Form 3CD template No Such Format")));
}
