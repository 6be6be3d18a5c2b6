#include "ToolRun.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{

// What the dynamic loader reports loading while taxaudit runs ARGUMENTS.
ToolRun withLoaderReport(const QString &home, const QStringList &arguments)
{
    qputenv("LD_DEBUG", "files");
    ToolRun run = runTaxaudit(home, arguments);
    qunsetenv("LD_DEBUG");
    return run;
}

bool loaded(const ToolRun &run, const char *library)
{
    return run.err.contains(QStringLiteral("file=") + QLatin1String(library));
}

} // namespace

// A short command took about 40 ms of CPU before its work began, most of it loading Qt's GUI
// library, Ghostscript and poppler with the libraries they need; only the commands that lay
// out pages load them, in taxaudit-pages.
TEST(TaxauditStart, OnlyTheCommandsThatLayOutPagesLoadTheGuiAndPdfLibraries)
{
    QTemporaryDir home;
    const QString db = QStringLiteral("sqlite:") + home.filePath(QStringLiteral("start.db"));
    ASSERT_EQ(runTaxaudit(home.path(), {"--db", db, "demo"}).status, 0);

    const ToolRun clients = withLoaderReport(home.path(), {"--db", db, "clients"});
    ASSERT_EQ(clients.status, 0);
    EXPECT_TRUE(clients.out.startsWith(QStringLiteral("C001\t")));
    EXPECT_TRUE(loaded(clients, "libQt6Core.so")) << "the loader said nothing";
    for (const char *library : {"libQt6Gui.so", "libQt6Widgets.so", "libgs.so", "libpoppler"})
        EXPECT_FALSE(loaded(clients, library)) << library;

    const QString pdf = home.filePath(QStringLiteral("status.pdf"));
    const ToolRun status =
        withLoaderReport(home.path(), {"--db", db, "filing-status", "--year", "2026", "--pdf", pdf});
    ASSERT_EQ(status.status, 0) << status.err.right(400).toStdString();
    EXPECT_TRUE(loaded(status, "libQt6Gui.so"));
    EXPECT_TRUE(status.out.endsWith(QStringLiteral("status.pdf\n"))) << status.out.toStdString();
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");

    // Without the listing the status is still a list, in taxaudit itself.
    const ToolRun listed = withLoaderReport(home.path(), {"--db", db, "filing-status", "--year", "2026"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_TRUE(listed.out.startsWith(QStringLiteral("C001\t")));
    EXPECT_FALSE(loaded(listed, "libQt6Gui.so"));
}

// The editor opened on a client's report loads neither the PDF module with poppler, the MariaDB
// client on an SQLite file, nor the archive and workbook libraries; the first PDF written, read
// back to check it, loads the module.
TEST(TalvexStart, TheEditorLoadsThePdfAndServerLibrariesOnlyWhenUsed)
{
    QTemporaryDir home;
    const QString db = QStringLiteral("sqlite:") + home.filePath(QStringLiteral("start.db"));
    ASSERT_EQ(runTaxaudit(home.path(), {"--db", db, "demo"}).status, 0);

    qputenv("LD_DEBUG", "files");
    const ToolRun editor =
        runProgram(QStringLiteral(TALVEX_PATH), home.path(),
                   {"--db", db, "--client", "C001", "--year", "2026", "--page", "1", "--check-start"});
    qunsetenv("LD_DEBUG");
    ASSERT_EQ(editor.status, 0) << editor.err.right(400).toStdString();
    EXPECT_TRUE(loaded(editor, "libQt6Widgets.so")) << "the loader said nothing";
    for (const char *library :
         {"talvex-pdf.so", "libpoppler", "libmariadb", "libgs.so", "libzip", "libxlsxwriter", "libcrypto"})
        EXPECT_FALSE(loaded(editor, library)) << library;

    const QString pdf = home.filePath(QStringLiteral("status.pdf"));
    const ToolRun status =
        withLoaderReport(home.path(), {"--db", db, "filing-status", "--year", "2026", "--pdf", pdf});
    ASSERT_EQ(status.status, 0) << status.err.right(400).toStdString();
    EXPECT_TRUE(status.err.contains(QStringLiteral("talvex-pdf.so")));
    EXPECT_TRUE(loaded(status, "libpoppler"));
}

// taxaudit installed without taxaudit-pages beside it: a print says what is missing and
// writes nothing.
TEST(TaxauditStart, APrintWithoutTaxauditPagesSaysWhatIsMissing)
{
    const QString program = QFileInfo(QStringLiteral(TAXAUDIT_PATH)).absoluteFilePath();
    QTemporaryDir alone(QFileInfo(program).absolutePath() + QStringLiteral("/start-XXXXXX"));
    const QString copy = alone.filePath(QStringLiteral("taxaudit"));
    ASSERT_EQ(::link(QFile::encodeName(program).constData(), QFile::encodeName(copy).constData()), 0);

    QTemporaryDir home;
    QProcess run;
    run.setWorkingDirectory(home.path());
    const QString pdf = home.filePath(QStringLiteral("r.pdf"));
    run.start(copy, {"--db", QStringLiteral("sqlite:") + home.filePath(QStringLiteral("x.db")), "print",
                     "--client", "C001", "--year", "2026", "--pdf", pdf});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 2);
    const QString said = QString::fromUtf8(run.readAllStandardError());
    EXPECT_EQ(said, QStringLiteral("taxaudit: cannot start %1: No such file or directory\n")
                        .arg(alone.filePath(QStringLiteral("taxaudit-pages"))));
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("x.db"))));
}
