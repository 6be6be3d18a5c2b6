#include "WorkbookReader.h"

#include "XlsProcess.h"
#include "XlsxReader.h"

#include <QFile>
#include <cmath>

namespace WorkbookReader
{

QString numberText(double value, int decimals)
{
    if (decimals >= 0)
        return QString::number(value, 'f', decimals);
    if (std::floor(value) == value && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

std::optional<QList<WorkbookSheet>> read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("The file cannot be opened.");
        return std::nullopt;
    }
    // An .xlsx workbook is a zip archive; a legacy .xls one a compound document.
    const bool zipped = file.read(2) == "PK";
    file.close();
    if (zipped)
        return XlsxReader(path).read(error);
    return XlsProcess::read(path, error);
}

} // namespace WorkbookReader
