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
