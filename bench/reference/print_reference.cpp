// What printing a clause of many rows is measured against: the same records as an HTML table
// in a QTextDocument, printed by QPdfWriter on the same A4 page. Each record prints as the
// report prints it, one line a field: the serial, the field's heading and its value. Prints
// its own seconds, elapsed and CPU.
//
// usage: print_reference RECORDS.tsv OUT.pdf   (first line the headings, then one record a line)

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>
#include <ctime>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QElapsedTimer elapsed;
    elapsed.start();
    const std::clock_t cpu = std::clock();

    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly))
        return 1;
    const QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const QStringList headings = lines.value(0).split(u'\t');
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\" border=\"1\" "
                                  "style=\"border-collapse: collapse\">");
    for (qsizetype r = 1; r < lines.size(); ++r) {
        const QStringList fields = lines.at(r).split(u'\t');
        for (qsizetype f = 0; f < headings.size(); ++f) {
            html +=
                QStringLiteral("<tr><td width=\"10%\"></td><td width=\"6%\" align=\"center\"><b>%1</b></td>"
                               "<td width=\"44%\">%2</td><td width=\"40%\">%3</td></tr>")
                    .arg(f == 0 ? QString::number(r) : QString(), headings.at(f).toHtmlEscaped(),
                         fields.value(f).toHtmlEscaped());
        }
    }
    html += QStringLiteral("</table>");

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.5);
    document.setDefaultFont(font);
    document.setHtml(html);
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    document.print(&writer);

    std::printf("%.4f %.4f\n", elapsed.nsecsElapsed() / 1e9, double(std::clock() - cpu) / CLOCKS_PER_SEC);
    return 0;
}
