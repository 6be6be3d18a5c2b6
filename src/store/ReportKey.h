#pragma once

#include "ModuleState.h"

#include <QString>

// Which report rows belong to: a client's Form 3CA-3CD or Form 3CB-3CD of one year. Named
// outright, so that an import can fill another client's report than the host's current one.
struct ReportKey {
    QString client;
    QString yearKey;
    ModuleState form; // kind, code, clause table and the form name of each page

    // The host's current client and year and the open form.
    static ReportKey current();
    static ReportKey of(const QString &client, const QString &yearKey, FormKind kind);

    // "01/04/2025" and "31/03/2026" for the year key "2026".
    QString firstDate() const;
    QString secondDate() const;
    // "2026-27" for the year key "2026": the assessment year as the report shows it.
    QString assessmentYearText() const { return assessmentYearOf(yearKey); }
    static QString assessmentYearOf(const QString &yearKey);
    // "2025-26": a year and the next, as every year text of the forms is written.
    static QString twoYears(int first);
};
