#pragma once

#include "pages/ClausePage.h"

class ClauseGrid;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QVBoxLayout;
class QPushButton;
class QRadioButton;

// A page of Form 3CEB built from its catalogue: the declarations and particulars as field
// rows, and each transaction clause as a Yes/No question whose grid holds rows only when
// the answer is Yes. The answer is kept as "True"/"False" in its "Opt" row. The grids are
// views over the page's rows in the report model, so whatever else reads or edits those rows
// sees an edit at once; each row that holds a value carries its serial in the catalogue's
// serial column, as the e-filing XML reads them.
class Form3cebPage : public ClausePage
{
    Q_OBJECT
public:
    Form3cebPage(const Catalogue::Page &page, QWidget *parent = nullptr);

    bool SaveData() override;
    bool validateForm(bool show = true) override;
    // The typed fields pass the checks of their kinds (PAN, dates, the UDIN) and the grids
    // theirs; run at every save, with or without validation.
    bool checkValues() override;
    void DisplayData() override;
    void clearAll() override;
    // Enables each clause's grid and its buttons as its answer says.
    void OptionClick();
    // Fills the accountant's particulars from the host's auditor of the client and year.
    void cmdAuditor_Click();
    // The UDIN is asked for the accountant's own six-digit membership number only.
    void cmdUDIN_Click();
    // Appends (or puts in place of) a grid's rows those of a workbook in its layout.
    void importRows(const QString &point);
    void exportRows(const QString &point);

    ClauseGrid *grid(const QString &point) const;
    QRadioButton *yesButton(const QString &clause) const;
    QRadioButton *noButton(const QString &clause) const;
    QLineEdit *field(const QString &name) const;
    // A field chosen from a list, by its name.
    QComboBox *choice(const QString &name) const;

protected:
    // The fields and the answers, as a save keeps them.
    void writeRows() override;

private:
    struct Question {
        Catalogue::Clause clause;
        QRadioButton *yes = nullptr;
        QRadioButton *no = nullptr;
        ClauseGrid *grid = nullptr;
        QList<QPushButton *> buttons; // Add Row, Remove Row and the workbook commands
    };
    struct FieldRow {
        QString point;
        QString label; // the clause's, in messages
        QList<Catalogue::Field> fields;
        QList<QWidget *> edits; // a box, or a drop-down for a field with a list
    };

    void addClause(const Catalogue::Clause &clause);
    QPushButton *addButton(QGroupBox *box, QHBoxLayout *row, const QString &caption, const QString &name);
    void addGridButtons(Question &q, QGroupBox *box, QVBoxLayout *layout);
    bool checkGrid(const Question &q) const;
    // The box of one of the accountant's fields (Form3cebPoints), or nullptr.
    QLineEdit *accountantField(int field) const;
    static QString workbookClause(const QString &point);
    // False when the host has no auditor for the client and year.
    bool fillAccountant();
    void noClicked(Question &q);
    bool checkIdentities() const;
    // A box, or a drop-down for a field with a list; `label` names the clause in messages.
    QWidget *makeField(const Catalogue::Field &field, const QString &point, const QString &label,
                       QWidget *parent);
    // The typed field's value passes its kind's check; else it is shown, named and focused.
    bool checkField(QLineEdit *box, const Catalogue::Field &field, const QString &label);
    bool checkUdin(QLineEdit *box);
    QList<QStringList> gridRows(const ClauseGrid *grid) const;

    Catalogue::Page m_definition;
    ListSources m_lists;
    QList<Question> m_questions;
    QList<FieldRow> m_fieldRows;
};
