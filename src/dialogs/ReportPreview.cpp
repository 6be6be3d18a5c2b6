#include "ReportPreview.h"

#include "base/SharedMessages.h"

#include "PreviewPages.h"
#include "base/OutputFile.h"
#include "base/Prompt.h"
#include "commands/pages/ReportPrint.h"
#include "print/PrintProgress.h"
#include "print/ReportEngine.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace ReportPreview
{

namespace
{

// How long the preview lays out pages at a time before it answers the keyboard and mouse.
constexpr int LayoutSliceMs = 40;

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
    bool layingOut(int pages) override
    {
        m_window.setMaximum(0);
        m_window.setLabelText(QStringLiteral("Laying out page %1").arg(pages + 1));
        m_window.setValue(0);
        QCoreApplication::processEvents();
        return !m_window.wasCanceled();
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

void savePdf(ReportEngine &engine, QWidget *preview)
{
    const QString path = prompts().saveFile(QStringLiteral("Save as PDF"), QStringLiteral("PDF Files|*.pdf"),
                                            QStringLiteral("Report.pdf"));
    if (path.isEmpty() || !OutputFile::confirmReplace(path))
        return;
    QString reason;
    ProgressWindow progress(QStringLiteral("Save as PDF"), preview);
    if (engine.saveAsPdf(path, &reason, &progress))
        prompts().inform(SharedMessages::pdfCreated());
    else if (!progress.cancelled())
        prompts().message(ReportPrint::cannotWrite(path, reason), {}, PromptIcon::Critical);
}

void print(ReportEngine &engine, QWidget *preview)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog choice(&printer, preview);
    if (choice.exec() != QDialog::Accepted)
        return;
    ProgressWindow progress(QStringLiteral("Print"), preview);
    engine.print(printer, &progress);
}

} // namespace

void show(ReportEngine &engine, QWidget *parent)
{
    QDialog preview(parent);
    preview.setObjectName(QStringLiteral("frmReportPreview"));
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    auto *tools = new QToolBar(&preview);
    QAction *printing = tools->addAction(QStringLiteral("Print"));
    printing->setObjectName(QStringLiteral("actPrint"));
    QAction *save = tools->addAction(QStringLiteral("Save as PDF"));
    save->setObjectName(QStringLiteral("actSavePdf"));
    auto *pages = new PreviewPages(engine, &preview);
    auto *count = new QLabel(&preview);
    count->setObjectName(QStringLiteral("lblPages"));
    auto *share = new QProgressBar(&preview);
    share->setObjectName(QStringLiteral("barLayout"));
    share->setRange(0, 100);
    share->setMaximumWidth(240);
    auto *stop = new QPushButton(QStringLiteral("Cancel"), &preview);
    stop->setObjectName(QStringLiteral("btnStopLayout"));
    stop->setAutoDefault(false);
    auto *status = new QHBoxLayout;
    status->addWidget(count, 1);
    status->addWidget(share);
    status->addWidget(stop);
    auto *layout = new QVBoxLayout(&preview);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(tools);
    layout->addWidget(pages, 1);
    layout->addLayout(status);
    status->setContentsMargins(8, 0, 8, 0);

    // The pages are laid out a slice at a time while the window answers: the first page
    // shows at once, the count grows, and Cancel leaves the rest unlaid.
    QTimer laying;
    laying.setInterval(0);
    bool stopped = false;
    const auto showCount = [&] {
        const int shown = pages->pageCount();
        const QString place =
            QStringLiteral("Page %1 of %2").arg(shown ? pages->currentPage() + 1 : 0).arg(shown);
        if (engine.laidOut())
            count->setText(place);
        else if (stopped)
            count->setText(place + QStringLiteral(" (laying out stopped)"));
        else
            count->setText(place + QStringLiteral(" so far"));
    };
    const auto finishLaying = [&] {
        laying.stop();
        share->hide();
        stop->hide();
        showCount();
    };
    QObject::connect(&laying, &QTimer::timeout, &preview, [&] {
        const bool more = engine.layOutMore(LayoutSliceMs);
        pages->setPageCount(engine.pagesLaidOut());
        share->setValue(qRound(engine.laidOutShare() * 100));
        if (more)
            showCount();
        else
            finishLaying();
    });
    QObject::connect(stop, &QPushButton::clicked, &preview, [&] {
        stopped = true;
        finishLaying();
    });
    QObject::connect(pages->verticalScrollBar(), &QScrollBar::valueChanged, &preview, showCount);
    const auto afterOutput = [&] {
        // Printing and saving lay out what the preview had not.
        pages->setPageCount(engine.pagesLaidOut());
        if (engine.laidOut())
            finishLaying();
    };
    QObject::connect(printing, &QAction::triggered, &preview, [&] {
        print(engine, &preview);
        afterOutput();
    });
    QObject::connect(save, &QAction::triggered, &preview, [&] {
        savePdf(engine, &preview);
        afterOutput();
    });
    laying.start();
    showCount();
    // As large as the screen allows, the window's frame and the status line included.
    const QRect room = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    preview.resize(std::min(1000, room.width() - 40), std::min(760, room.height() - 60));
    preview.exec();
}

void install()
{
    ReportEngine::setViewer([](ReportEngine &engine) { show(engine, QApplication::activeWindow()); });
}

} // namespace ReportPreview
