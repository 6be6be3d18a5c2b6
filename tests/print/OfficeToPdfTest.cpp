#include "PdfText.h"
#include "ToolRun.h"

#include "base/ScriptedPrompt.h"
#include "dialogs/frmSignPDF.h"
#include "print/OfficeToPdf.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

// A workbook of clause 34(a) that the program wrote, to be turned into PDF by LibreOffice.
class OfficeToPdfTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const QString why = OfficeToPdf::unavailable();
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        const QString db = QStringLiteral("sqlite:") + file("t.db");
        ASSERT_EQ(taxaudit({QStringLiteral("--db"), db, QStringLiteral("demo")}).status, 0);
        ASSERT_EQ(taxaudit({QStringLiteral("--db"), db, QStringLiteral("export-annexure"),
                            QStringLiteral("--client"), QStringLiteral("C001"), QStringLiteral("--year"),
                            QStringLiteral("2026"), QStringLiteral("--clause"), QStringLiteral("34a"),
                            QStringLiteral("--out"), file("Annexure_34a.xlsx")})
                      .status,
                  0);
    }

    QString file(const QString &name) const { return home.filePath(name); }
    ToolRun taxaudit(const QStringList &arguments) { return runTaxaudit(home.path(), arguments); }

    QTemporaryDir home;
};

} // namespace

// taxaudit to-pdf writes the PDF beside the workbook, with its cells; it does not replace a
// PDF without --yes (the window's question stands for it there), and a file that is not a document leaves no
// PDF behind.
TEST_F(OfficeToPdfTest, CommandTurnsAWorkbookIntoPdf)
{
    const ToolRun made = taxaudit({QStringLiteral("to-pdf"), file("Annexure_34a.xlsx")});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    const QString pdf = file("Annexure_34a.pdf");
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("MUMS12345A")));

    const ToolRun again = taxaudit({QStringLiteral("to-pdf"), file("Annexure_34a.xlsx")});
    EXPECT_EQ(again.status, 2);
    EXPECT_TRUE(again.err.contains(QStringLiteral("PDF File 'Annexure_34a.pdf' already exists")));
    EXPECT_EQ(taxaudit({QStringLiteral("to-pdf"), file("Annexure_34a.xlsx"), QStringLiteral("--yes")}).status,
              0);

    QFile broken(file("statements.docx"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray("PK\x03\x04 not a document", 22));
    broken.close();
    EXPECT_EQ(taxaudit({QStringLiteral("to-pdf"), file("statements.docx")}).status, 1);
    EXPECT_FALSE(QFile::exists(file("statements.pdf")));
    EXPECT_EQ(taxaudit({QStringLiteral("to-pdf"), file("missing.xlsx")}).status, 1);
}

// The signing window's Convert puts the PDF into the row, and asks before replacing one.
TEST_F(OfficeToPdfTest, SigningWindowConvertsIntoTheRow)
{
    ScriptedPrompt answers;
    setPrompts(&answers);
    frmSignPDF window;
    auto *path = window.findChild<QLineEdit *>(QStringLiteral("txtFile2"));
    auto *convert = window.findChild<QPushButton *>(QStringLiteral("cmdConvert2"));
    ASSERT_TRUE(path && convert);
    answers.queueText(file("Annexure_34a.xlsx"));
    convert->click();
    EXPECT_EQ(path->text(), file("Annexure_34a.pdf"));
    EXPECT_TRUE(pdfText(path->text()).contains(QStringLiteral("MUMS12345A")));

    path->clear();
    answers.queueText(file("Annexure_34a.xlsx"));
    answers.queue(PromptAnswer::No);
    convert->click();
    EXPECT_EQ(answers.lastText(),
              QStringLiteral("PDF File 'Annexure_34a.pdf' already exists, do you want to overwrite.?"));
    EXPECT_TRUE(path->text().isEmpty());
    setPrompts(nullptr);
}
