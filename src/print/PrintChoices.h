#pragma once

#include <QString>

// What the Print Options dialog chose for one print of the audit report.
struct PrintChoices {
    QString frontTemplate;           // the Form 3CA or 3CB front page
    QString form3cdTemplate;         // the Form 3CD body
    bool blank = false;              // a blank form to fill by hand
    bool itdPortal = false;          // "Print as per ITD Portal"
    bool nilFirstColumnOnly = false; // "Print Nil / NA in First Column Only"
};
