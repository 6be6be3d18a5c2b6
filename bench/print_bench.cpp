// Printing the audit report with a clause of many rows: the whole `taxaudit print` of the demo
// report with clause 34(a) grown to 250, 2,000 and 10,000 rows, beside bench/reference's Qt
// program printing the same records as an HTML table in a QTextDocument on the same A4 page.
// Both run as processes, in turn, twice each (once at 10,000 rows and more); the CPU time of
// the faster run of each is compared (the machine is shared, and CPU time hardly moves with
// its load). Beyond 10,000 rows the reference is not run (it takes hours); the print's time
// and peak memory are told.
//
// The desktop program's preview of the same report is timed in this process (no screen): from
// the report's composing to its first page drawn in the preview window, against a goal of 2 s.
//
// With --template the same report is printed through the shipped Form 3CD template "(Original)
// Tabular Format", whose clause 34(a) table takes the rows, beside the same reference.
//
// A template with thousands of markers, each set in document order as the builders set them,
// then appended to a report and laid out: replacing the markers grows with the template.
//
// usage: print_bench [--preview | --markers | --template] [ROWS ...]
//   the sizes to run, 250 2000 10000 when none is given; --preview times only the preview,
//   at 250, 2,000, 10,000 and 100,000 rows unless sizes are given; --markers times templates
//   of 1,000, 5,000 and 20,000 markers (or the counts given), half of them in the cells of a table;
//   --template prints through the template at 250, 2,000 and 10,000 rows unless sizes are given

#include "BenchMain.h"
#include "BenchProcess.h"
#include "BenchReports.h"
#include "TestHost.h"
#include "catalogue/ClauseCatalogue.h"
#include "dialogs/PreviewPages.h"
#include "dialogs/ReportPreview.h"
#include "model/rules/ReportRules.h"
#include "print/AuditReport.h"
#include "print/MasterFile.h"
#include "print/PrintChoices.h"
#include "print/ReportEngine.h"
#include "store/ClauseStore.h"
#include "store/Database.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace
{

int pdfPages(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(60000);
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const qsizetype at = text.indexOf(QStringLiteral("Pages:"));
    return text.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000 + double(now.tv_nsec) / 1e6;
}

// The elapsed time from the print's start to the preview's first page drawn, and the pages
// laid out by then.
void previewFirstPage(const TargetReporter &targets, int rows)
{
    QElapsedTimer clock;
    clock.start();
    const double cpuStart = processCpuMs();
    ReportEngine engine;
    if (!AuditReport::build(engine, *ReportRules::loadAsWritten(), PrintChoices()))
        return;
    const double composedMs = double(clock.nsecsElapsed()) / 1e6;
    double shownMs = 0, shownCpuMs = 0;
    int pagesThen = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *preview = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        auto *pages = preview ? preview->findChild<PreviewPages *>() : nullptr;
        if (!pages || pages->pageCount() == 0)
            return;
        poll.stop();
        pages->viewport()->grab();
        shownMs = double(clock.nsecsElapsed()) / 1e6;
        shownCpuMs = processCpuMs() - cpuStart;
        pagesThen = pages->pageCount();
        preview->reject();
    });
    poll.start(1);
    ReportPreview::show(engine);
    std::printf(
        "preview of %d rows: composed in %.0f ms, first page drawn at %.0f ms elapsed, %.0f ms CPU (%d "
        "pages laid out then)\n",
        rows, composedMs, shownMs, shownCpuMs, pagesThen);
    targets.printLimit(
        QStringLiteral("preview, 34(a) with %1 rows, first page, elapsed").arg(rows).toStdString(), shownMs,
        2000);
    std::fflush(stdout);
}

// A template of `markers` paragraphs and table rows, each holding a marker of its own.
void markerTemplate(int markers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("template.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QString html = QStringLiteral("<html><body>");
    for (int i = 0; i < markers / 2; ++i)
        html += QStringLiteral("<p>Paragraph %1 of the report: $#$Mark%1$#$ as stated.</p>").arg(i);
    html += QStringLiteral("<table border=\"1\"><tr><td>Item</td><td>Value</td></tr>");
    for (int i = markers / 2; i < markers; ++i)
        html += QStringLiteral("<tr><td>Row %1</td><td>$#$Mark%1$#$</td></tr>").arg(i);
    html += QStringLiteral("</table></body></html>");
    file.write(html.toUtf8());
    file.close();

    const double cpuStart = processCpuMs();
    QElapsedTimer clock;
    clock.start();
    MasterFile master;
    master.openmasterfile(path);
    int set = 0;
    for (int i = 0; i < markers; ++i)
        set += master.NewSetText(QStringLiteral("$#$Mark%1$#$").arg(i), QStringLiteral("Value %1").arg(i))
                   ? 1
                   : 0;
    const QString saved = dir.filePath(QStringLiteral("filled.rtf"));
    master.SaveMasterFile(saved);
    // The values reach the document when it is next read, here by the saving.
    const double setMs = double(clock.nsecsElapsed()) / 1e6;
    ReportEngine engine;
    engine.AppendFile(saved);
    const int pages = engine.pageCount();
    std::printf(
        "template of %d markers: %d set and saved in %.0f ms, appended and laid out on %d pages in %.0f ms "
        "elapsed, %.0f ms CPU\n",
        markers, set, setMs, pages, double(clock.nsecsElapsed()) / 1e6, processCpuMs() - cpuStart);
    std::fflush(stdout);
}

enum class Run { Print, Preview, Template };

void runSize(const TargetReporter &targets, int rows, Run kind)
{
    TestHost env(TestEngine::SQLite);
    env.openFilledReport();
    BenchReports::growClause34a(env, rows);
    if (kind != Run::Template)
        previewFirstPage(targets, rows);
    if (kind == Run::Preview)
        return;
    const QString home = env.dir();
    QFile tsv(home + QStringLiteral("/records.tsv"));
    if (!tsv.open(QIODevice::WriteOnly))
        return;
    QStringList headings;
    for (const Catalogue::Column &column :
         ClauseCatalogue::instance().controlOf(17, QStringLiteral("34a"))->columns)
        headings << column.heading;
    tsv.write(headings.join(u'\t').toUtf8() + '\n');
    for (int i = 0; i < rows; ++i)
        tsv.write(BenchReports::clause34aRecord(i).join(u'\t').toUtf8() + '\n');
    tsv.close();

    const QString report = home + QStringLiteral("/report.pdf");
    const QString reference = home + QStringLiteral("/reference.pdf");
    QStringList print{QStringLiteral("--db"),
                      QStringLiteral("sqlite:") + home + QStringLiteral("/talvex.db"),
                      QStringLiteral("print"),
                      QStringLiteral("--client"),
                      QStringLiteral("C001"),
                      QStringLiteral("--year"),
                      QStringLiteral("2026"),
                      QStringLiteral("--pdf"),
                      report,
                      QStringLiteral("--yes")};
    if (kind == Run::Template)
        print << QStringLiteral("--template") << QStringLiteral("(Original) Tabular Format");
    const char *how = kind == Run::Template ? "through the template" : "in table mode";
    if (rows > 10000) {
        const ChildRun printed = runChild(QStringLiteral(TAXAUDIT_PATH), print, home);
        std::printf("%d rows of clause 34(a) %s: %s, %d pages, %.1f s CPU, peak memory %.0f MB\n", rows, how,
                    printed.ok ? "printed" : "NOT printed", pdfPages(report), printed.cpuMs / 1000,
                    printed.peakMb);
        std::fflush(stdout);
        return;
    }
    double best = 0, bestReference = 0, peakMb = 0;
    const int runs = rows >= 10000 ? 1 : 2;
    for (int run = 0; run < runs; ++run) {
        const ChildRun printed = runChild(QStringLiteral(TAXAUDIT_PATH), print, home);
        const ChildRun qt = runChild(QStringLiteral(PRINT_REFERENCE_PATH), {tsv.fileName(), reference}, home);
        if (!printed.ok || !qt.ok)
            return;
        const double ms = printed.cpuMs, referenceMs = qt.cpuMs;
        best = run == 0 ? ms : std::min(best, ms);
        peakMb = std::max(peakMb, printed.peakMb);
        bestReference = run == 0 ? referenceMs : std::min(bestReference, referenceMs);
    }
    std::printf(
        "%d rows of clause 34(a) %s: the report has %d pages (peak memory %.0f MB), the reference %d\n", rows,
        how, pdfPages(report), peakMb, pdfPages(reference));
    targets.printRatio(
        QStringLiteral("print %1, 34(a) with %2 rows, CPU").arg(QLatin1String(how)).arg(rows).toStdString(),
        best, "Qt reference", bestReference, 1.3);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool previewOnly = argc > 1 && QByteArray(argv[1]) == "--preview";
    const bool markersOnly = argc > 1 && QByteArray(argv[1]) == "--markers";
    const bool viaTemplate = argc > 1 && QByteArray(argv[1]) == "--template";
    if (previewOnly || markersOnly || viaTemplate) {
        --argc;
        ++argv;
    }
    QList<int> sizes = sizesFromArguments(argc, argv);
    if (markersOnly) {
        for (int markers : sizes.isEmpty() ? QList<int>{1000, 5000, 20000} : sizes)
            markerTemplate(markers);
        return 0;
    }
    if (sizes.isEmpty())
        sizes = previewOnly ? QList<int>{250, 2000, 10000, 100000} : QList<int>{250, 2000, 10000};
    TargetReporter targets;
    const Run kind = previewOnly ? Run::Preview : viaTemplate ? Run::Template : Run::Print;
    for (int rows : sizes)
        runSize(targets, rows, kind);
    return 0;
}
