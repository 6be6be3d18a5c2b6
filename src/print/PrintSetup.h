#pragma once

#include <QString>
#include <QStringList>

class ReportModel;

// The print setup of a report: one row "PSET" under page -1, "1"/"0" for the ticks and the
// remarks option's index in Col5.
struct PrintSetup {
    enum RemarksPlace { AfterEachSubClause = 0, AfterEachClause = 1, AtTheEnd = 2 };

    static constexpr int Page = -1;
    static inline const QString Point = QStringLiteral("PSET");

    bool footer = true;
    bool assesseeSign = false;
    bool auditorPan = false;
    bool firmPan = false;
    int remarksPlace = AfterEachSubClause;
    bool remarksHeading = false;
    bool remarksBold = false;

    static PrintSetup read(const ReportModel &model);
    static PrintSetup fromColumns(const QStringList &columns);
    // Col1 to Col7 as stored.
    QStringList columns() const;
};
