#include "PdfText.h"
#include "TestHost.h"
#include "ToolRun.h"

#include "commands/pages/ReportPrint.h"
#include "host/HostContext.h"
#include "print/ReportEngine.h"
#include "store/Database.h"
#include "store/ReportKey.h"

#include <QDir>

// The print command as the editor's Print runs it and as `taxaudit print` runs it, on the
// same stored report.
class ReportPrintTest : public EngineTest
{
protected:
    QString printedByTaxaudit(const QString &name, const QStringList &more = {})
    {
        QDir().mkpath(env->dir() + "/tmp");
        const QString pdf = QDir(env->dir()).filePath(name);
        const ToolRun run =
            runTaxaudit(env->dir(), QStringList{"--db", host().DBObj().url().toString(), "print", "--client",
                                                host().Temp_Code(), "--year", "2026", "--pdf", pdf} +
                                        more);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return pdf;
    }
    QString printedHere(const QString &name, ReportPrint::Document document = ReportPrint::Document::Report)
    {
        ReportEngine engine;
        EXPECT_TRUE(ReportPrint::compose(engine, ReportKey::current(), {}, document));
        const QString pdf = QDir(env->dir()).filePath(name);
        QString reason;
        EXPECT_TRUE(engine.saveAsPdf(pdf, &reason)) << reason.toStdString();
        return pdf;
    }
};

TALVEX_BOTH_ENGINES(ReportPrintTest);

TEST_P(ReportPrintTest, TheDesktopAndTaxauditPrintTheSamePages)
{
    env->openFilledReport();
    const QString here = pdfText(printedHere("here.pdf"));
    EXPECT_TRUE(here.contains("FORM NO. 3CD"));
    EXPECT_EQ(here, pdfText(printedByTaxaudit("tool.pdf")));

    const QString depreciation =
        pdfText(printedHere("depreciation.pdf", ReportPrint::Document::Depreciation));
    EXPECT_EQ(depreciation, pdfText(printedByTaxaudit("tool-depreciation.pdf", {"--depreciation"})));

    env->openForm(FormKind::F3CEB, "C004");
    const QString form3ceb = pdfText(printedHere("3ceb.pdf"));
    EXPECT_EQ(form3ceb, pdfText(printedByTaxaudit("tool-3ceb.pdf", {"--form", "3CEB"})));
}

TEST_P(ReportPrintTest, AReportNeverFilledInPrintsNothingAndSaysSo)
{
    env->openForm(FormKind::F3CA, "C004");
    ReportEngine engine;
    EXPECT_FALSE(ReportPrint::compose(engine, ReportKey::current(), {}));
    EXPECT_EQ(env->prompt().lastText(), "Form is not filled please fill the form");
}
