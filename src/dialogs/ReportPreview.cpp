#include "ReportPreview.h"

#include "base/OutputFile.h"
#include "base/Prompt.h"
#include "print/ReportEngine.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace ReportPreview
{

void show(ReportEngine &engine, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("frmReportPreview"));
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&engine](QPrinter *target) { engine.print(*target); });
    if (QToolBar *tools = preview.findChild<QToolBar *>()) {
        QAction *save = tools->addAction(QStringLiteral("Save as PDF"));
        save->setObjectName(QStringLiteral("actSavePdf"));
        QObject::connect(save, &QAction::triggered, &preview, [&engine] {
            const QString path =
                prompts().saveFile(QStringLiteral("Save as PDF"), QStringLiteral("PDF Files|*.pdf"),
                                   QStringLiteral("Report.pdf"));
            if (path.isEmpty() || !OutputFile::confirmReplace(path))
                return;
            QString reason;
            if (engine.saveAsPdf(path, &reason))
                prompts().inform(QStringLiteral("PDF Created Successfully."));
            else
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
