// talvex-xls FILE: the sheets of a legacy .xls workbook, read by libfreexl, on standard
// output for the program that started it (XlsProcess); the reason on standard error and
// exit status 1 when the file cannot be read.
#include "spreadsheet/XlsProcess.h"
#include "spreadsheet/XlsReader.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: talvex-xls FILE.xls\n", stderr);
        return 2;
    }
    QString error;
    const std::optional<QList<WorkbookSheet>> sheets = XlsReader::read(arguments.at(1), &error);
    if (!sheets) {
        std::fputs(error.toUtf8().constData(), stderr);
        return 1;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    const QByteArray data = XlsProcess::encode(*sheets);
    return out.write(data) == data.size() && out.flush() ? 0 : 1;
}
