#include "FilledReportTest.h"
#include "PdfText.h"

#include "base/ScriptedPrompt.h"
#include "dialogs/PreviewPages.h"
#include "dialogs/PrintOptionsDialog.h"
#include "dialogs/PrintSetupDialog.h"
#include "dialogs/ReportPreview.h"
#include "editor/Form3CD.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "print/ReportEngine.h"
#include "print/ReportWriter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace
{

void writeList(const QString &folder, const QStringList &lines)
{
    QDir().mkpath(folder);
    QFile list(QDir(folder).filePath(QStringLiteral("List.txt")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly | QIODevice::Text));
    list.write(lines.join(u'\n').toUtf8());
}

QStringList captions(const QTableWidget *list)
{
    QStringList names;
    for (int r = 0; r < list->rowCount(); ++r)
        names << list->item(r, 1)->text();
    return names;
}

int ticked(const QTableWidget *list)
{
    for (int r = 0; r < list->rowCount(); ++r) {
        if (list->item(r, 0)->checkState() == Qt::Checked)
            return r;
    }
    return -1;
}

template <typename W> W *child(QWidget *parent, const char *name)
{
    W *w = parent->findChild<W *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class PrintDialogs : public FilledReportTest
{
protected:
    void SetUp() override
    {
        FilledReportTest::SetUp();
        if (!env)
            return;
        const QString reports = host().DocPath() + QStringLiteral("/Reports/ReportsN");
        writeList(reports + QStringLiteral("/3CA_Fls"), {QStringLiteral("Firm letterhead")});
        writeList(reports + QStringLiteral("/3cd_Fls"),
                  {QStringLiteral("3CD (New)"), QStringLiteral("Landscape"),
                   QStringLiteral("3CD (New From F.Y. 2008-09)")});
    }
};

} // namespace

// The template lists, one tick each, "Please select a format." without a Form 3CD row, the
// chosen format remembered for the next print, blank forms and the two flags.
TEST_P(PrintDialogs, PrintOptionsChooseTemplatesAndFlags)
{
    {
        PrintOptionsDialog dialog(QStringLiteral("3CA"));
        auto *front = child<QTableWidget>(&dialog, "grdFront");
        auto *formats = child<QTableWidget>(&dialog, "grd3CD");
        EXPECT_EQ(captions(front), (QStringList{"(Original)", "Firm letterhead"}));
        EXPECT_EQ(captions(formats),
                  (QStringList{"(Original) Tabular Format", "(Original File-1) Table Break Format",
                               "(Original File-2) Old Format", "Landscape"}));
        EXPECT_EQ(ticked(front), 0);
        EXPECT_EQ(ticked(formats), -1);

        child<QPushButton>(&dialog, "cmdContinue")->click();
        EXPECT_EQ(env->prompt().lastText(), QStringLiteral("Please select a format."));
        EXPECT_EQ(dialog.result(), QDialog::Rejected);

        formats->item(1, 0)->setCheckState(Qt::Checked);
        formats->item(3, 0)->setCheckState(Qt::Checked);
        EXPECT_EQ(ticked(formats), 3);
        child<QCheckBox>(&dialog, "chkITDPortal")->setChecked(true);
        child<QPushButton>(&dialog, "cmdContinue")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(dialog.choices().form3cdTemplate.endsWith(QStringLiteral("/3cd_Fls/3CDLandscape.rtf")));
        EXPECT_TRUE(
            dialog.choices().frontTemplate.endsWith(QStringLiteral("/Reports/ReportsN/3CA_2024.rtf")));
        EXPECT_TRUE(dialog.choices().itdPortal);
        EXPECT_FALSE(dialog.choices().nilFirstColumnOnly);
        EXPECT_FALSE(dialog.choices().blank);
    }
    PrintOptionsDialog again(QStringLiteral("3CB"));
    EXPECT_EQ(ticked(child<QTableWidget>(&again, "grd3CD")), 3);
    EXPECT_EQ(captions(child<QTableWidget>(&again, "grdFront")), QStringList{"(Original)"});
    child<QCheckBox>(&again, "chkNilFirstColumn")->setChecked(true);
    child<QPushButton>(&again, "cmdBlank")->click();
    EXPECT_TRUE(again.choices().blank);
    EXPECT_TRUE(again.choices().nilFirstColumnOnly);
}

// The print options turn a PostScript print file into a PDF beside it, asking before an
// earlier PDF is replaced.
TEST_P(PrintDialogs, PrintOptionsTurnAPostScriptFileIntoPdf)
{
    const QString ps = env->dir() + QStringLiteral("/printed.ps");
    QFile file(ps);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%!PS\n/Helvetica findfont 20 scalefont setfont\n72 720 moveto (Print file) show showpage\n");
    file.close();
    PrintOptionsDialog dialog(QStringLiteral("3CA"));
    env->prompt().queueText(ps);
    child<QPushButton>(&dialog, "cmdPostScript")->click();
    EXPECT_EQ(env->prompt().lastText(), QStringLiteral("PDF Created Successfully."));
    const QString pdf = env->dir() + QStringLiteral("/printed.pdf");
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Print file")));

    env->prompt().queueText(ps);
    env->prompt().queue(PromptAnswer::No);
    child<QPushButton>(&dialog, "cmdPostScript")->click();
    EXPECT_EQ(env->prompt().lastText(),
              QStringLiteral("PDF File 'printed.pdf' already exists, do you want to overwrite.?"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// The PAN options exclude each other, remarks after each clause take no heading, and OK
// stores the setup row that the next print reads.
TEST_P(PrintDialogs, PrintSetupStoresItsRow)
{
    auto model = ReportModel::load();
    PrintSetupDialog dialog(*model);
    auto *auditor = child<QCheckBox>(&dialog, "chkAuditorPAN");
    auto *firm = child<QCheckBox>(&dialog, "chkFirmPAN");
    auditor->click();
    firm->click();
    EXPECT_TRUE(firm->isChecked());
    EXPECT_FALSE(auditor->isChecked());
    auditor->click();
    EXPECT_FALSE(firm->isChecked());

    child<QRadioButton>(&dialog, "optRemarks1")->click();
    auto *heading = child<QCheckBox>(&dialog, "chkRemarksHeading");
    heading->click();
    EXPECT_FALSE(heading->isChecked());
    child<QRadioButton>(&dialog, "optRemarks2")->click();
    heading->click();
    EXPECT_TRUE(heading->isChecked());
    child<QCheckBox>(&dialog, "chkRemarksBold")->click();
    child<QCheckBox>(&dialog, "chkFooter")->setChecked(false);
    child<QPushButton>(&dialog, "cmdOK")->click();

    const QList<ClauseStore::ClauseRow> stored = ClauseStore::readPoint(PrintSetup::Page, PrintSetup::Point);
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.first().cols.mid(0, 7), (QStringList{"0", "0", "1", "0", "2", "1", "1"}));
    PrintSetupDialog reopened(*ReportModel::load());
    EXPECT_TRUE(child<QRadioButton>(&reopened, "optRemarks2")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(&reopened, "chkAuditorPAN")->isChecked());
}

// The editor's Print command asks for the options and hands the whole report to the preview.
TEST_P(PrintDialogs, PrintCommandPreviewsTheReport)
{
    Form3CD *editor = Form3CD::instance();
    editor->show();
    QString previewed;
    ReportEngine::setViewer([&previewed](ReportEngine &engine) { previewed = engine.plainText(); });
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<PrintOptionsDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        child<QTableWidget>(dialog, "grd3CD")->item(0, 0)->setCheckState(Qt::Checked);
        child<QPushButton>(dialog, "cmdContinue")->click();
    });
    editor->runCommand(EditorCommand::Print);
    ReportEngine::setViewer({});
    delete Form3CD::existing();
    EXPECT_TRUE(previewed.contains(QStringLiteral("FORM NO. 3CA")));
    EXPECT_TRUE(previewed.contains(QStringLiteral("FORM NO. 3CD")));
    EXPECT_TRUE(previewed.contains(QStringLiteral("Sharma Textiles Private Limited")));
}

TALVEX_BOTH_ENGINES(PrintDialogs);

namespace
{

// "Report.pdf" in the folder, holding a report saved before; "" when it cannot be written.
QString savedBefore(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("Report.pdf"));
    QFile old(path);
    if (!old.open(QIODevice::WriteOnly) || old.write("the report saved before") < 0)
        return {};
    return path;
}

} // namespace

// Save as PDF in the preview replaced an existing file without a word; it asks now, and No
// leaves the file as it was.
TEST(ReportPreviewSave, AsksBeforeReplacingAFile)
{
    QTemporaryDir dir;
    const QString path = savedBefore(dir);
    ASSERT_FALSE(path.isEmpty());
    ScriptedPrompt answers;
    setPrompts(&answers);
    ReportEngine engine;
    engine.NewReport();
    engine.PrintText(QStringLiteral("A line of the report;"));

    // The preview lays its pages out while it opens, running events as it goes, so a timer
    // may fire before the preview is the modal window: wait for it rather than assume it.
    const auto saveThenClose = [&] {
        QTimer poll;
        int tries = 0;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *preview = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (preview && preview->objectName() == QStringLiteral("frmReportPreview")) {
                poll.stop();
                preview->findChild<QAction *>(QStringLiteral("actSavePdf"))->trigger();
                preview->reject();
            } else if (++tries > 1000) {
                poll.stop();
                ADD_FAILURE() << "the preview never became the modal window";
                for (QWidget *window : QApplication::topLevelWidgets())
                    if (auto *dialog = qobject_cast<QDialog *>(window))
                        dialog->reject();
            }
        });
        poll.start(10);
        ReportPreview::show(engine);
    };
    answers.queueText(path);
    answers.queue(PromptAnswer::No);
    saveThenClose();
    EXPECT_EQ(answers.lastText(), QStringLiteral("File Already Exists, Do you want to overwrite?"));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "the report saved before");
    kept.close();

    answers.queueText(path);
    answers.queue(PromptAnswer::Yes);
    saveThenClose();
    EXPECT_EQ(answers.lastText(), QStringLiteral("PDF Created Successfully."));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().startsWith("%PDF"));
    setPrompts(nullptr);
}

// A long report's preview shows its first page while the rest is still being laid out, the
// count below the pages growing; Cancel stops the layout there, and Save as PDF still writes
// every page, with a progress window whose Cancel leaves the earlier file as it was.
TEST(ReportPreviewLayout, FirstPageAtOnceCancelStopsTheRest)
{
    QTemporaryDir dir;
    const QString path = savedBefore(dir);
    ASSERT_FALSE(path.isEmpty());
    ScriptedPrompt answers;
    setPrompts(&answers);
    ReportEngine engine;
    ReportWriter w(engine);
    w.columns(QStringLiteral("10,90"));
    for (int i = 0; i < 6000; ++i)
        w.boxed({QString::number(i + 1), QStringLiteral("Payment %1 to a party").arg(i + 1)});

    int stoppedAt = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *preview = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        auto *pages = preview ? preview->findChild<PreviewPages *>() : nullptr;
        if (!pages || pages->pageCount() == 0)
            return;
        poll.stop();
        auto *count = preview->findChild<QLabel *>(QStringLiteral("lblPages"));
        EXPECT_FALSE(engine.laidOut());
        EXPECT_EQ(count->text(), QStringLiteral("Page 1 of %1 so far").arg(pages->pageCount()));
        const QImage shown = pages->viewport()->grab().toImage();
        EXPECT_GT(shown.width(), 0);
        preview->findChild<QPushButton *>(QStringLiteral("btnStopLayout"))->click();
        stoppedAt = pages->pageCount();
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        EXPECT_EQ(pages->pageCount(), stoppedAt);
        EXPECT_FALSE(engine.laidOut());
        EXPECT_EQ(count->text(), QStringLiteral("Page 1 of %1 (laying out stopped)").arg(stoppedAt));

        // Cancel in the progress window of the PDF: the earlier file stays.
        QTimer cancel;
        QObject::connect(&cancel, &QTimer::timeout, [&] {
            if (auto *progress = preview->findChild<QProgressDialog *>(QStringLiteral("frmPrintProgress")))
                progress->cancel();
        });
        cancel.start(0);
        answers.queueText(path);
        answers.queue(PromptAnswer::Yes);
        preview->findChild<QAction *>(QStringLiteral("actSavePdf"))->trigger();
        cancel.stop();
        QFile kept(path);
        EXPECT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "the report saved before");
        kept.close();

        answers.queueText(path);
        answers.queue(PromptAnswer::Yes);
        preview->findChild<QAction *>(QStringLiteral("actSavePdf"))->trigger();
        EXPECT_EQ(answers.lastText(), QStringLiteral("PDF Created Successfully."));
        EXPECT_TRUE(engine.laidOut());
        EXPECT_GT(pages->pageCount(), stoppedAt);
        EXPECT_EQ(pdfPageCount(path), pages->pageCount());
        EXPECT_EQ(count->text(), QStringLiteral("Page 1 of %1").arg(pages->pageCount()));
        preview->reject();
    });
    poll.start(1);
    ReportPreview::show(engine);
    EXPECT_GT(stoppedAt, 0);
    setPrompts(nullptr);
}
