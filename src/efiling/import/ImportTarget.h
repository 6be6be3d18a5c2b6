#pragma once

#include "store/ModuleState.h"

#include <QString>

// The report an import replaces: a client's Form 3CA-3CD or Form 3CB-3CD of one year. It
// is named outright rather than taken from the host's current client, so that a bulk
// import can fill many clients' reports in one run.
struct ImportTarget {
    QString client;
    QString yearKey;
    ModuleState report; // form kind and code, clause table, form name of each page

    static ImportTarget of(const QString &client, const QString &yearKey, FormKind form)
    {
        ImportTarget t{client, yearKey, {}};
        t.report.openForm(form, yearKey);
        return t;
    }
};
