#include "PrintedValues.h"

#include <algorithm>
#include <limits>

namespace PrintedValues
{

QString markerOf(const QStringList &cells)
{
    QString marker;
    for (int c = 0; c < ReportModel::kSequenceColumn - 1 && c < cells.size(); ++c) {
        const QString v = cells.at(c).trimmed();
        if (v.isEmpty())
            continue;
        QString m;
        if (v.compare(QLatin1String("Nil"), Qt::CaseInsensitive) == 0)
            m = QStringLiteral("Nil");
        else if (v.compare(QLatin1String("NA"), Qt::CaseInsensitive) == 0)
            m = QStringLiteral("NA");
        if (m.isEmpty() || (!marker.isEmpty() && m != marker))
            return {};
        marker = m;
    }
    return marker;
}

QList<ReportModel::Row> inSerialOrder(QList<ReportModel::Row> rows, int serialColumn)
{
    auto serial = [serialColumn](const ReportModel::Row &row) {
        bool ok = false;
        const long long n = row.cols.value(serialColumn - 1).trimmed().toLongLong(&ok);
        return ok ? n : std::numeric_limits<long long>::max();
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const ReportModel::Row &a, const ReportModel::Row &b) {
        return serial(a) < serial(b);
    });
    return rows;
}

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList kept;
    for (const QString &p : parts) {
        if (!p.trimmed().isEmpty())
            kept << p.trimmed();
    }
    return kept.join(separator);
}

QString yesNo(const QString &stored)
{
    const QString v = stored.trimmed();
    if (v.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
        v.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Yes");
    if (v.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 ||
        v.compare(QLatin1String("No"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("No");
    return v;
}

} // namespace PrintedValues
