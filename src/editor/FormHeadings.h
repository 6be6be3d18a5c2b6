#pragma once

#include "store/ModuleState.h"

#include <QString>

// The heading, sub-heading and window caption of the report editor for a form kind.
struct FormHeadings {
    QString heading;
    QString subHeading;
    QString caption;

    static FormHeadings of(FormKind kind);
    // "Form 3CA - 3CD of <client> for A.Y. 2024-25"
    static QString fullHeading(FormKind kind, const QString &clientName, const QString &yearKey);
};
