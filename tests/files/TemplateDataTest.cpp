#include "TestFiles.h"
#include "ToolRun.h"

#include "print/MasterFile.h"
#include "print/ReportEngine.h"
#include "print/TemplateMarkers.h"
#include "store/Database.h"
#include "store/DbUrl.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

// A value is data: a marker inside a client's name is printed as typed, never replaced
// again (the print hung replacing the name by itself for ever).
TEST(TemplateData, AMarkerInAValueIsPrintedAsTyped)
{
    QTemporaryDir dir;
    MasterFile file;
    ASSERT_TRUE(file.openmasterfile(
        writeFile(dir.filePath(QStringLiteral("t.rtf")),
                  QStringLiteral("<p>To $#$Name$#$ ($#$PAN$#$), $#$Name$#$</p>").toUtf8())));
    const QString name = QStringLiteral("Shah $#$Name$#$ & $#$PAN$#$ Co.");
    TemplateMarkers::setAll(file, QStringLiteral("$#$Name$#$"), name);
    TemplateMarkers::setAll(file, QStringLiteral("$#$PAN$#$"), QStringLiteral("AABCS1234K"));
    TemplateMarkers::clearLeftovers(file);
    EXPECT_EQ(file.document().toPlainText(), QStringLiteral("To %1 (AABCS1234K), %1").arg(name));
}

// Thousands of markers are each set once, in document order (35 s for 5,000 before).
TEST(TemplateData, FiveThousandMarkersAreSetInOrder)
{
    QTemporaryDir dir;
    QString html;
    for (int i = 0; i < 5000; ++i)
        html += QStringLiteral("<p>$#$SN$#$ $#$Name$#$</p>");
    MasterFile file;
    ASSERT_TRUE(file.openmasterfile(writeFile(dir.filePath(QStringLiteral("t.rtf")), html.toUtf8())));
    QStringList numbers;
    for (int i = 1; i <= 5000; ++i)
        numbers << QString::number(i);
    TemplateMarkers::setInOrder(file, QStringLiteral("$#$SN$#$"), numbers);
    TemplateMarkers::setAll(file, QStringLiteral("$#$Name$#$"), QStringLiteral("$#$SN$#$"));
    const QStringList lines = file.document().toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 5000);
    EXPECT_EQ(lines.first(), QStringLiteral("1 $#$SN$#$"));
    EXPECT_EQ(lines.last(), QStringLiteral("5000 $#$SN$#$"));
}

// Twenty thousand different markers, half in a table's cells, are each set once where they
// stand (71 s of CPU before, when a master file kept a cursor for each marker).
TEST(TemplateData, TwentyThousandDifferentMarkersAreSetWhereTheyStand)
{
    QTemporaryDir dir;
    QString html;
    for (int i = 0; i < 10000; ++i)
        html += QStringLiteral("<p>$#$P%1$#$ then $#$P%1$#$</p>").arg(i);
    html += QStringLiteral("<table>");
    for (int i = 0; i < 10000; ++i)
        html += QStringLiteral("<tr><td>$#$T%1$#$</td></tr>").arg(i);
    html += QStringLiteral("</table>");
    MasterFile file;
    ASSERT_TRUE(file.openmasterfile(writeFile(dir.filePath(QStringLiteral("t.rtf")), html.toUtf8())));
    for (int i = 0; i < 10000; ++i) {
        TemplateMarkers::setInOrder(file, QStringLiteral("$#$P%1$#$").arg(i),
                                    {QStringLiteral("first"), QString::number(i)});
        ASSERT_TRUE(file.NewSetText(QStringLiteral("$#$T%1$#$").arg(i), QString::number(i)));
    }
    // The paragraph after a table is empty.
    const QStringList lines = file.document().toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 20001);
    EXPECT_EQ(lines.at(0), QStringLiteral("first then 0"));
    EXPECT_EQ(lines.at(9999), QStringLiteral("first then 9999"));
    EXPECT_EQ(lines.at(10000), QStringLiteral("0"));
    EXPECT_EQ(lines.at(19999), QStringLiteral("9999"));
    EXPECT_EQ(lines.at(20000), QString());
}

// Images and style sheets a template names are never read: "/dev/zero" ran the print out of
// memory, and a file or an address would be read or fetched.
TEST(TemplateData, ImagesAndStyleSheetsAreNotLoaded)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("seal.png"));
    QImage(8, 8, QImage::Format_RGB32).save(picture);
    const QString html =
        QStringLiteral("<html><head><link rel=\"stylesheet\" href=\"/dev/zero\"></head><body>"
                       "<p>$#$Name$#$ <img src=\"/dev/zero\"> <img src=\"%1\">"
                       "<img src=\"http://127.0.0.1:9/x.png\"></p>"
                       "<table background=\"/dev/zero\"><tr><td>cell</td></tr></table>"
                       "</body></html>")
            .arg(picture);
    const QString path = writeFile(dir.filePath(QStringLiteral("t.rtf")), html.toUtf8());
    MasterFile file;
    ASSERT_TRUE(file.openmasterfile(path));
    TemplateMarkers::setAll(file, QStringLiteral("$#$Name$#$"), QStringLiteral("Asha"));
    for (const QString &name : {QStringLiteral("/dev/zero"), picture})
        EXPECT_FALSE(file.document().resource(QTextDocument::ImageResource, QUrl(name)).isValid());

    // The engine lays the appended file out and writes it without reading them either.
    ReportEngine engine;
    engine.WinModeReport = true;
    engine.NewReport();
    ASSERT_TRUE(engine.AppendFile(path));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QString reason;
    EXPECT_TRUE(engine.saveAsPdf(pdf, &reason)) << reason.toStdString();
    EXPECT_GE(engine.pageCount(), 1);
    EXPECT_FALSE(engine.body().resource(QTextDocument::ImageResource, QUrl(picture)).isValid());
}

// print --template with an assessee whose name holds a marker ran for ever.
TEST(TemplateData, PrintingANameThatHoldsAMarkerEnds)
{
    QTemporaryDir home;
    const QString db = QStringLiteral("sqlite:") + home.filePath(QStringLiteral("t.db"));
    ASSERT_EQ(runTaxaudit(home.path(), {"--db", db, "demo"}).status, 0);
    Database::open(DbUrl::parse(db))
        ->Execute(QStringLiteral("UPDATE anx_j3cd_2026 SET Col1=? WHERE Code_No=? AND PointNo=?"),
                  {"Sharma $#$Name$#$ Textiles", "C001", "3CA1A"});
    const ToolRun run = runTaxaudit(home.path(), {"--db", db, "print", "--client", "C001", "--year", "2026",
                                                  "--pdf", home.filePath(QStringLiteral("r.pdf")),
                                                  "--template", "(Original File-2) Old Format"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
}
