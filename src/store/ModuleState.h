#pragma once

#include "ClauseTables.h"

#include <QString>
#include <QStringList>

// What the open report is: set by the entry class when a form is opened and read by
// every routine of the module. One operation uses it at a time.
enum class FormKind {
    None = 0,
    F3CA = 1,
    F3CB = 2,
    F3CEB = 4,
    F29B = 5,
    F10B = 6,
    F10BB = 7,
    F6B = 8,
    F61 = 9,
    F61A = 10,
    F61B = 11,
    F29C = 12
};

struct ModuleState {
    FormKind formKind = FormKind::None;
    QString formCode;    // "3CA", "3CB", "3CEB", ...
    QString clauseTable; // the form's clause table, as ClauseTables names it

    bool saveWithValidation = false; // on while the editor saves every page with validation
    bool opted115BAA = false;        // clause 8a reads "115BAA"
    bool canImportPrevious = false;  // vCanImpPrev, handed on to older years' modules
    bool calledFromReturnFiling = false;
    QString annexFolder;   // DocPath\Annex3CD\client\year
    QString returnsFolder; // DocPath\Files\client\3CDRETS\year

    bool isForm3CD() const { return formKind == FormKind::F3CA || formKind == FormKind::F3CB; }
    // The column that holds a grid row's number.
    QString sequenceColumn() const { return QStringLiteral("Col") + QString::number(valueColumns()); }
    int valueColumns() const
    {
        return isForm3CD() ? ClauseTables::kForm3cdColumns : ClauseTables::kForm3cebColumns;
    }
    // FormName of a page's rows: "3CA" on page 1, "3CB" on page 101, "3CD" elsewhere;
    // other forms use their form code.
    QString formNameForPage(int page) const;

    // Sets kind, code and clause table for the year key; throws DbError on a bad year.
    void openForm(FormKind kind, const QString &yearKey);

    static QString codeOf(FormKind kind);
    static FormKind kindOfCode(const QString &code);
};

ModuleState &moduleState();
