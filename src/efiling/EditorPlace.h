#pragma once

#include "ValidationFinding.h"

#include <QString>

// Where in the report editor a value of a Form 3CA-3CD or Form 3CB-3CD file is entered,
// found through the clause catalogue from the member's path in the file: the page, the
// clause, the grid row and column (or the field) that hold it.
namespace EditorPlace
{

struct Place {
    int page = 0; // 0: the member is no value the user enters (the file's own frame)
    QString pageTitle;
    QString clause;  // the clause label, "" where the page has no clause for it
    int row = 0;     // the grid row, from 1; 0 outside a grid
    QString list;    // a list kept in one cell of the row ("Additions")
    int entry = 0;   // the entry of that list, from 1
    QString item;    // the column or field caption, else the member's name; "" for a whole row
    QString point;   // the point that holds the value
    int column = -1; // the grid column of the value, from 0; -1 outside a grid

    bool known() const { return page > 0; }
};

// The place of the member a JSON pointer names ("/FORM3CA/F3CA/Form3cdDeprAllw/1/RateOfDep",
// "/data/FORM3CB/…" inside an upload envelope).
Place locate(const QString &pointer);

// "Clause 18 (page 7), row 2, Rate of depreciation"; "Page 1 (Report), PAN" without a clause.
QString text(const Place &place);

// "Page 7 (Clauses 17 and 18), Clause 18": where the error report sends the user to correct a
// finding; "" when the member is not entered by the user.
QString of(const ValidationFinding &finding);

} // namespace EditorPlace
