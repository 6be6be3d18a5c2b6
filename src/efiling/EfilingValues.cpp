#include "EfilingValues.h"

#include "catalogue/Vocabulary.h"

#include <algorithm>

namespace EfilingValues
{

QString date(const QString &stored)
{
    const QStringView d = QStringView(stored).trimmed();
    if (d.isEmpty())
        return {};
    // Built in place: a report writes tens of thousands of dates.
    const QStringView year = d.right(4), month = d.mid(3, 2), day = d.left(2);
    QString iso(year.size() + month.size() + day.size() + 2, Qt::Uninitialized);
    QChar *to = iso.data();
    for (const QStringView part : {year, QStringView(u"-"), month, QStringView(u"-"), day}) {
        std::copy(part.begin(), part.end(), to);
        to += part.size();
    }
    return iso;
}

int assessmentYear(const QString &firstDate)
{
    return firstDate.right(4).toInt() + 1;
}

} // namespace EfilingValues
