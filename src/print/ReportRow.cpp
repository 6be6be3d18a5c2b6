#include "ReportRow.h"

#include "ReportEngine.h"
#include "base/Prompt.h"

void ReportRow::clearValues()
{
    for (QString &v : values)
        v.clear();
}

void ReportRow::set(int column, const QString &value, int alignment)
{
    values[column] = value;
    alignments[column] = alignment;
}

bool setUpColumns(ReportEngine &engine, ReportRow &row, int columns, const QString &widths)
{
    row.values = QStringList(columns);
    row.widths = QList<int>(columns, 0);
    row.alignments = QList<int>(columns, ReportRow::Left);
    const QStringList parts = widths.split(u',');
    if (parts.size() != columns) {
        prompts().inform(QStringLiteral("No of columns and widths of columns is not same"));
        return false;
    }
    for (int c = 0; c < columns; ++c)
        row.widths[c] = parts.at(c).trimmed().toInt();
    engine.CreateTable(columns, 1);
    return true;
}

QString ruleMask(int count, QChar fill)
{
    return QString(count, fill);
}
