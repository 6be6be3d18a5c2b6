#pragma once

#include "ReportRow.h"

#include <QString>
#include <QTextCursor>
#include <QTextDocument>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class PrintProgress;
class QPagedPaintDevice;
class QPdfWriter;
class QPainter;
class QTextDocumentFragment;
class QTextTable;

// The report engine the builders drive: rows of ruled tables and free text with inline
// control codes go into a rich-text document, which is paginated on an A4 page (landscape
// for the wide page) between a header and a footer band, then previewed, printed or saved
// as PDF. The members keep the names and call order the builders have always used.
class ReportEngine
{
public:
    enum Band { Body = 0, Header = 1, Footer = 4 };

    ReportEngine();
    ~ReportEngine();

    // The report is shown in the engine's window (the preview); always set.
    bool WinModeReport = true;
    // True selects the wide page (landscape), for tables of up to sixteen columns.
    void SetCol130(bool wide);
    bool wide() const { return m_wide; }
    // Goes on on a new page in a run of wide (landscape) or usual pages, so that a table too
    // wide for the report's page stands on pages of its own; the pages are numbered on across
    // the runs.
    void startSection(bool wide);

    // Starts an empty report: body, header and footer.
    void NewReport();
    // Starts a new table of `columns` columns; its widths come with the first row.
    void CreateTable(int columns, int kind = 1);
    // Appends a row to the current table. The masks rule the left, right, top and bottom
    // edges of each cell ('1' ruled); empty masks leave the row unruled. A row that is not
    // a table row is a free line aligned as its first cell.
    void WriteToReport(const ReportRow &row, const QString &mask1 = {}, const QString &mask2 = {},
                       const QString &mask3 = {}, const QString &mask4 = {}, bool tableRow = true);
    // Appends a heading row to the current table (a heading under rows starts a table of its
    // own). The headings lead each of the tables a long table is laid as, and stand again at the
    // top of every page a table runs onto.
    void WriteHeading(const ReportRow &row, const QString &mask1, const QString &mask2, const QString &mask3,
                      const QString &mask4);
    // The rows of one table of a report; a longer table is laid as several, which look as one:
    // the layout lays a table out as a whole each time it reaches it, so that one table of
    // thousands of rows would be laid out again and again while the report is paged.
    static constexpr int RowsPerTable = 100;
    // Writes a text at the current position; a trailing ";" keeps the line open.
    void PrintText(const QString &text);
    void SetFontName(const QString &family);
    void SetFontSize(double points);
    // The size of the text of the table rows written from now on (0: the report's size):
    // a grid of many columns fits the portrait page in a smaller type.
    void setCellFontSize(double points) { m_cellFontSize = points; }
    double fontSize() const { return m_fontSize; }
    // Directs the following output into a band (Header or Footer) until SelectHF(false, 2).
    void SelectHF(bool on, int band, int kind = 5);
    // Puts the running page number, after `separator`, into the last cell written in the band.
    void InsertPgNo_TB(int row, int column, const QString &separator, int kind);
    // Shows the finished report through the installed viewer (the desktop program's
    // preview); without one the report stays here to be saved.
    void ShowReport();

    // The viewer ShowReport hands the report to.
    using Viewer = std::function<void(ReportEngine &)>;
    static void setViewer(Viewer viewer);

    // Pages the report to a printer or PDF writer: its page layout is set here. The progress
    // hears of the pages laid out and of every page drawn; false when it asked to stop.
    bool print(QPagedPaintDevice &device, PrintProgress *progress = nullptr);

    // The pages are laid out as they are asked for, so that a window shows the first ones
    // while the rest of a long report is still being laid out. Writing to the report starts
    // the layout again.
    // Lays out more pages for about `milliseconds`; false once every page is laid out.
    bool layOutMore(int milliseconds);
    // The pages wholly laid out so far (all of them once layOutMore has returned false).
    int pagesLaidOut() const;
    bool laidOut() const;
    // The share of the report's text laid out so far, from 0 to 1.
    double laidOutShare() const;
    // Whether page `page` (from 0) is a wide (landscape) one.
    bool pageIsWide(int page) const;
    // Draws a laid-out page in the coordinates of its printable area at layoutDpi() dots an
    // inch (the page's margins lie outside it).
    void drawPage(QPainter &painter, int page);
    static int layoutDpi();
    // The page's margins, in millimetres, on every side.
    static qreal marginMm();
    // Writes the report as a PDF file that replaces `path` only once it is whole and reads back;
    // a report stopped half way leaves the old file as it was.
    bool saveAsPdf(const QString &path, QString *error = nullptr, PrintProgress *progress = nullptr);
    // The pages print() gives on a PDF page.
    int pageCount();
    // The body as plain text, control codes resolved (tests and look-ups).
    QString plainText();
    QTextDocument &body();
    // Appends another document (a filled template) to the body after a page break.
    void appendDocument(const QTextDocument &document);
    // Appends a rich-text file a master file was saved to; false when it cannot be read.
    bool AppendFile(const QString &path);
    // Inserts at the current position the table (or tables) saved in a rich-text file;
    // false when it cannot be read or holds no table.
    bool InsertTblFromFile(const QString &path);
    // Saves the body written so far as a rich-text file such as InsertTblFromFile reads.
    bool saveBody(const QString &path, QString *error = nullptr);

private:
    // A table row as written, laid into the document with the rest of its table.
    struct PendingRow {
        ReportRow row;
        QString masks[4];
        double fontSize = 0;
        bool heading = false;
    };
    struct Target {
        QTextDocument *document = nullptr;
        QTextCursor cursor;
        QTextTable *table = nullptr;
        int columns = 0;
        // The widths of the table the pending rows open (none when they continue `table`).
        QList<int> widths;
        QList<PendingRow> pending;
        // The table's heading rows, and whether the rows go on in a table of their own after a
        // table of RowsPerTable rows, under the headings again.
        QList<PendingRow> heading;
        bool continued = false;
        int bodyRows = 0;
        bool pageBreak = false;
        bool lineOpen = false;
        // The tables of the document are laid in one edit until the document is read.
        bool editing = false;
        // The body's writes not yet made to its document, in order: a long report is composed
        // only as far ahead as its layout has reached, so that its first pages show at once.
        std::deque<std::function<void(Target &)>> queued;
        // Whether a queued write is sure to put text into the document.
        bool queuedContent = false;
        // The writes made so far, to tell how much of the report is laid out.
        qsizetype made = 0;
    };
    struct Geometry {
        qreal width = 0;
        qreal bodyHeight = 0;
        qreal headerHeight = 0;
        qreal footerHeight = 0;
        qreal pageHeight = 0;
        qreal gap = 0;
    };
    Target &current();
    void resetTarget(Target &target, QTextDocument *document);
    // Makes a write to the target's document: at once in the bands, later in the body.
    void write(Target &target, std::function<void(Target &)> edit, bool content);
    // Makes the body's queued writes until its document holds more than `characters`.
    void composeTo(Target &target, qsizetype characters);
    void composeAll(Target &target);
    // Whether nothing was written to the target, its queued writes counted.
    bool isEmpty(Target &target);
    void writeRow(Target &t, const PendingRow &pending, bool tableRow);
    // Lays the rows written so far; the rows after start a table of their own.
    void endTable(Target &t);
    void writeText(Target &t, const QString &text);
    void insertFragment(Target &t, const QTextDocumentFragment &fragment, bool afterPageBreak);
    // Appends a document read in pieces, each going on where the one before ended.
    void appendPieces(QList<QTextDocumentFragment> pieces);
    void startBlock(Target &t);
    void writeCoded(QTextCursor &cursor, const QString &text, Target *t);
    // Lays the rows written since the table started (or was last laid) into the document.
    void layTable(Target &t);
    void layTables();
    // Ends the edit the tables were laid in, so that the document settles its frames.
    void settle(Target &t);
    // A run of pages written before the current one, with the page it is laid on.
    struct Section {
        std::unique_ptr<QTextDocument> body;
        Target target;
        bool wide = false;
    };
    void layoutFor(QPagedPaintDevice &device, bool wide);
    // Lays a run of the report out on the device's page: its body between the bands.
    Geometry paginate(QPagedPaintDevice &device, QTextDocument &body, bool wide);
    // A run of pages as far as it is laid out.
    struct Run {
        QTextDocument *body = nullptr;
        Target *target = nullptr;
        bool wide = false;
        bool started = false;
        bool done = false;
        Geometry geometry;
        // The pages wholly laid out, and the text position the layout has reached.
        int pages = 0;
        int laidTo = 0;
    };
    // Lays out a little more of the first run not yet laid out; false when none is left.
    bool layOutStep();
    void layOutAll();
    void startLayout();
    // Forgets the layout, as the report is written to again.
    void dropLayout();
    // The run a page is in, and the page's place in it.
    const Run *runOf(int page, int *inRun) const;
    void drawPage(QPainter &painter, const Run &run, int inRun, int number);
    std::unique_ptr<QTextDocument> newDocument() const;
    // The runs of pages in order, the current one last.
    struct RunSource {
        QTextDocument *body;
        Target *target;
        bool wide;
    };
    QList<RunSource> sections();

    // The page the report is laid out for; it outlives the documents laid out on it.
    std::unique_ptr<QPdfWriter> m_probe;
    std::vector<Section> m_sections;
    std::vector<Run> m_runs;
    std::unique_ptr<QTextDocument> m_body, m_header, m_footer;
    Target m_bodyTarget, m_headerTarget, m_footerTarget;
    int m_band = Body;
    bool m_wide = false;
    QString m_fontFamily = QStringLiteral("DejaVu Sans");
    double m_fontSize = 8.5;
    double m_cellFontSize = 0;
};
