#include "ErrorListPrinter.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace ErrorListPrinter
{

QString html(const QStringList &headings, const QList<QStringList> &rows)
{
    QString out =
        QStringLiteral("<html><body><h2 align=\"center\">List of Errors</h2>"
                       "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>");
    for (const QString &h : headings)
        out += QStringLiteral("<th>%1</th>").arg(h.toHtmlEscaped());
    out += QStringLiteral("</tr>");
    for (const QStringList &row : rows) {
        out += QStringLiteral("<tr>");
        for (const QString &cell : row)
            out += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        out += QStringLiteral("</tr>");
    }
    out += QStringLiteral("</table></body></html>");
    return out;
}

void preview(const QStringList &headings, const QList<QStringList> &rows, QWidget *parent)
{
    QTextDocument document;
    document.setHtml(html(headings, rows));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("List of Errors"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &document,
                     [&document](QPrinter *p) { document.print(p); });
    dialog.exec();
}

} // namespace ErrorListPrinter
