#pragma once

#include <QString>

// What the Print Options dialog chose for one print of the audit report.
struct PrintChoices {
    QString frontTemplate;   // the Form 3CA or 3CB front page
    QString form3cdTemplate; // the Form 3CD body
    bool blank = false;      // a blank form to fill by hand
    bool itdPortal = false;
    bool nilFirstColumnOnly = false;

    // The captions of the two choices in the dialog.
    static inline const QString ItdPortalCaption = QStringLiteral("Print as per ITD Portal");
    static inline const QString NilFirstColumnCaption = QStringLiteral("Print Nil / NA in First Column Only");
};
