#include "PrintedValues.h"

#include "Accountant.h"
#include "catalogue/SigningPoints.h"
#include "catalogue/Vocabulary.h"

#include <algorithm>
#include <limits>
#include <vector>

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
        if (Vocabulary::isNil(v))
            m = Vocabulary::Nil;
        else if (Vocabulary::isNA(v))
            m = Vocabulary::NA;
        if (m.isEmpty() || (!marker.isEmpty() && m != marker))
            return {};
        marker = m;
    }
    return marker;
}

QList<ReportModel::Row> inSerialOrder(QList<ReportModel::Row> rows, int serialColumn)
{
    // Each serial is read once: a long grid's rows are compared many times each.
    std::vector<std::pair<long long, qsizetype>> order;
    order.reserve(size_t(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        bool ok = false;
        const long long n = QStringView(rows.at(i).cols.value(serialColumn - 1)).trimmed().toLongLong(&ok);
        order.emplace_back(ok ? n : std::numeric_limits<long long>::max(), i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<ReportModel::Row> sorted;
    sorted.reserve(rows.size());
    for (const auto &[serial, i] : order)
        sorted << std::move(rows[i]);
    return sorted;
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
    return Vocabulary::isNA(v) ? v : Vocabulary::respelt(v, Vocabulary::Spelling::YesNo);
}

namespace
{

// The report page's row of the place and date of signing.
QStringList signingRow(const ReportModel &model)
{
    const bool form3CB = model.formCode() == QLatin1String("3CB");
    const QList<ReportModel::Row> rows =
        model.rows(form3CB ? 101 : 1, form3CB ? QStringLiteral("3CBOTH") : QStringLiteral("3CAOTH"));
    return rows.isEmpty() ? QStringList() : rows.first().cols;
}

} // namespace

QString signingDate(const ReportModel &model)
{
    const QString signingPage = model.value(SigningPoints::Page, SigningPoints::SignedOn).trimmed();
    return signingPage.isEmpty() ? signingRow(model).value(4).trimmed() : signingPage;
}

QString signingPlace(const ReportModel &model)
{
    return properCase(signingRow(model).value(3).trimmed());
}

} // namespace PrintedValues
