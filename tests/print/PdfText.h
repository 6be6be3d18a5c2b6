#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The text of a PDF file as pdftotext reads it, in reading order, one page after another.
inline QString pdfText(const QString &pdf, bool layout = false)
{
    QProcess run;
    QStringList args;
    if (layout)
        args << QStringLiteral("-layout");
    args << pdf << QStringLiteral("-");
    run.start(QStringLiteral("pdftotext"), args);
    run.waitForFinished(60000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The number of pages of a PDF file as pdfinfo reads it.
inline int pdfPageCount(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(60000);
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const qsizetype at = text.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? 0 : text.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

// "portrait" or "landscape" for each page of a PDF file, as pdfinfo gives the pages' sizes.
inline QStringList pdfPageSizes(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                           QStringLiteral("100000"), pdf});
    info.waitForFinished(60000);
    QStringList sizes;
    static const QRegularExpression page(QStringLiteral("Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+)"));
    for (auto match = page.globalMatch(QString::fromUtf8(info.readAllStandardOutput())); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        sizes << (m.captured(1).toDouble() > m.captured(2).toDouble() ? QStringLiteral("landscape")
                                                                      : QStringLiteral("portrait"));
    }
    return sizes;
}
