#include "PdfText.h"
#include "ToolRun.h"

#include "print/PsToPdf.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

void writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

// A PostScript print file becomes a PDF beside it, or at the path asked for; a broken one
// gives no PDF and stays where it is.
TEST(PsToPdf, ConvertsPostScriptThroughGhostscript)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("report"));
    writeFile(base + QStringLiteral(".ps"), "%!PS\n/Helvetica findfont 20 scalefont setfont\n"
                                            "72 720 moveto (Statement of particulars) show showpage\n");
    PsToPdf::Result result = PsToPdf::convert(base);
    ASSERT_TRUE(result.ok) << result.messages.toStdString();
    EXPECT_TRUE(pdfText(base + QStringLiteral(".pdf")).contains(QStringLiteral("Statement of particulars")));

    const QString other = dir.filePath(QStringLiteral("elsewhere.pdf"));
    EXPECT_TRUE(PsToPdf::convert(base, other).ok);
    EXPECT_TRUE(QFile::exists(other));

    const QString broken = dir.filePath(QStringLiteral("broken"));
    writeFile(broken + QStringLiteral(".ps"), "%!PS\n72 720 moveto (unclosed show\n");
    result = PsToPdf::convert(broken);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.messages.isEmpty());
    EXPECT_TRUE(QFile::exists(broken + QStringLiteral(".ps")));
}

// taxaudit to-pdf turns a PostScript print file into PDF through Ghostscript; a broken one
// leaves the PDF made before as it was.
TEST(PsToPdf, ToPdfConvertsAPrintFileAndKeepsAGoodPdf)
{
    QTemporaryDir dir;
    const QString ps = dir.filePath(QStringLiteral("report.ps"));
    writeFile(ps, "%!PS\n/Helvetica findfont 20 scalefont setfont\n"
                  "72 720 moveto (Printed through PostScript) show showpage\n");
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const ToolRun made = runTaxaudit(dir.path(), {QStringLiteral("to-pdf"), ps});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Printed through PostScript")));

    writeFile(ps, "%!PS\n72 720 moveto (unclosed show\n");
    const ToolRun broken = runTaxaudit(dir.path(), {QStringLiteral("to-pdf"), ps, QStringLiteral("--yes")});
    EXPECT_NE(broken.status, 0);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("Ghostscript could not convert")))
        << broken.err.toStdString();
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Printed through PostScript")));
}
