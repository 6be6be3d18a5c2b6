#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ReportModel;
namespace Catalogue
{
struct Control;
}

// A clause grid as it prints: its rows in the numeric order of the serial column, each the
// serial and then the shown columns, and the "Nil" or "NA" reported in its place ("Nil"
// when the grid holds nothing).
struct PrintedGrid {
    QList<QStringList> rows;
    QString marker;

    static PrintedGrid of(const ReportModel &model, int page, const QString &point, const QList<int> &shown);
    // The columns a grid prints: all but the hidden ones.
    static QList<int> shownColumns(const Catalogue::Control &control);
};
