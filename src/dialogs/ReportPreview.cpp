#include "ReportPreview.h"

#include "base/OutputFile.h"
#include "base/Prompt.h"
#include "print/PrintProgress.h"
#include "print/ReportEngine.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QToolBar>

namespace ReportPreview
{

namespace
{

// The pages drawn so far, in a window whose Cancel stops the print; a short print ends
// before the window shows.
class ProgressWindow : public PrintProgress
{
public:
    ProgressWindow(const QString &title, QWidget *parent)
        : m_window(QString(), QStringLiteral("Cancel"), 0, 0, parent)
    {
        m_window.setObjectName(QStringLiteral("frmPrintProgress"));
        m_window.setWindowTitle(title);
        m_window.setWindowModality(Qt::WindowModal);
        m_window.setMinimumDuration(500);
    }
    bool pagesDone(int done, int total) override
    {
        m_window.setMaximum(total);
        m_window.setLabelText(QStringLiteral("Page %1 of %2").arg(done).arg(total));
        m_window.setValue(done);
        QCoreApplication::processEvents();
        return !m_window.wasCanceled();
    }
    bool cancelled() const { return m_window.wasCanceled(); }

private:
    QProgressDialog m_window;
};

} // namespace

void show(ReportEngine &engine, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("frmReportPreview"));
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&engine, &preview](QPrinter *target) {
                         ProgressWindow progress(preview.windowTitle(), &preview);
                         engine.print(*target, &progress);
                     });
    if (QToolBar *tools = preview.findChild<QToolBar *>()) {
        QAction *save = tools->addAction(QStringLiteral("Save as PDF"));
        save->setObjectName(QStringLiteral("actSavePdf"));
        QObject::connect(save, &QAction::triggered, &preview, [&engine, &preview] {
            const QString path =
                prompts().saveFile(QStringLiteral("Save as PDF"), QStringLiteral("PDF Files|*.pdf"),
                                   QStringLiteral("Report.pdf"));
            if (path.isEmpty() || !OutputFile::confirmReplace(path))
                return;
            QString reason;
            ProgressWindow progress(QStringLiteral("Save as PDF"), &preview);
            if (engine.saveAsPdf(path, &reason, &progress))
                prompts().inform(QStringLiteral("PDF Created Successfully."));
            else if (!progress.cancelled())
                prompts().message(QStringLiteral("Cannot write ") + path + QStringLiteral(": ") + reason, {},
                                  PromptIcon::Critical);
        });
    }
    preview.resize(1000, 760);
    preview.exec();
}

void install()
{
    ReportEngine::setViewer([](ReportEngine &engine) { show(engine, QApplication::activeWindow()); });
}

} // namespace ReportPreview
