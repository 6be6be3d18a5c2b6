#include "PdfText.h"
#include "TestHost.h"

#include "print/ControlCodes.h"
#include "print/ReportEngine.h"
#include "print/ReportWriter.h"

#include <QTemporaryDir>

// A table row of several lines that meets the foot of a page goes whole onto the next
// page: each of its lines is printed once, on one page.
TEST(RowPageBreak, ARowIsNotSplitAcrossPages)
{
    QTemporaryDir dir;
    ReportEngine engine;
    ReportWriter w(engine);
    w.columns(QStringLiteral("10,90"));
    w.heading({QStringLiteral("No."), QStringLiteral("Particulars")});
    for (int i = 1; i <= 60; ++i) {
        QStringList lines;
        for (int l = 1; l <= 4; ++l)
            lines << QStringLiteral("row %1 line %2").arg(i).arg(l);
        w.boxed({QString::number(i), lines.join(ControlCodes::LineBreak)});
    }
    const QString pdf = dir.filePath(QStringLiteral("rows.pdf"));
    ASSERT_TRUE(engine.saveAsPdf(pdf));
    ASSERT_GT(engine.pageCount(), 2);
    const QString text = pdfText(pdf);
    for (int i = 1; i <= 60; ++i) {
        for (int l = 1; l <= 4; ++l) {
            const QString line = QStringLiteral("row %1 line %2\n").arg(i).arg(l);
            EXPECT_EQ(text.count(line), 1) << line.toStdString();
        }
    }
    // Each row's lines stand together on one page.
    for (const QString &page : text.split(QChar(12))) {
        for (int i = 1; i <= 60; ++i) {
            const bool first = page.contains(QStringLiteral("row %1 line 1\n").arg(i));
            const bool last = page.contains(QStringLiteral("row %1 line 4\n").arg(i));
            EXPECT_EQ(first, last) << "row " << i;
        }
    }
}
