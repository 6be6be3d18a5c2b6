#pragma once

#include <QProcess>
#include <QString>

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
