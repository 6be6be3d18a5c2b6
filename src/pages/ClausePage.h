#pragma once

#include "catalogue/ClauseCatalogue.h"
#include "model/ListSources.h"
#include "model/ReportModel.h"
#include "model/rules/ReportFindings.h"

#include <QHash>
#include <QWidget>
#include <memory>
#include <optional>

class ClauseSection;
class PageEdits;
class QLabel;
class QVBoxLayout;

// A page of the report editor built from the catalogue: its clauses in order, saved through
// its report model as the rows of its page number (delete-then-insert inside one
// transaction). Pages with rules of their own derive from it and extend validateForm,
// DisplayData or setAfterEdit.
class ClausePage : public QWidget
{
    Q_OBJECT
public:
    // pageNo is the PageNo of the rows (101 for the Form 3CB report page in slot 1).
    ClausePage(const Catalogue::Page &page, int slot, int pageNo, QWidget *parent = nullptr);
    ~ClausePage() override;

    int slot() const { return m_slot; }
    int pageNo() const { return m_pageNo; }
    const Catalogue::Page &definition() const { return m_page; }

    // Writes the page; with the module's save-with-validation flag it validates first.
    // False when the page refused (the user has been told why).
    virtual bool SaveData();
    // The page's rules and the completeness prompts in clause order; false at the first failure.
    virtual bool validateForm(bool show = true);
    // Every value of the page passes the check of its kind (run at each save, with or
    // without validation); the first bad one is named and focused.
    virtual bool checkValues();
    // Fills the controls from the stored rows.
    virtual void DisplayData();
    // Recomputes what depends on the named grid after an edit.
    virtual void setAfterEdit(const QString &strGrid);
    // Empties every clause (the main window's Clear).
    virtual void clearAll();

    // Puts what the page shows into its report model as a save would, without storing it, so
    // that a check of the whole report sees the page as answered.
    void putRows();
    // Counts the user's changes afresh, once the page shows its stored rows.
    void trackEdits();
    // Whether leaving the page has to write it: something was changed since the page was
    // shown or saved, or it shows what is not stored yet (the defaults of a page with no rows).
    bool hasUnsavedChanges() const;

    QList<ClauseSection *> sections() const { return m_sections; }
    ClauseSection *section(const QString &key) const;
    QLabel *hintLabel() const { return m_hint; }
    // The rows the page's grids and boxes show: in the editor the one report model of the open
    // report, which every page, the annexure window and an import into a grid edit; a page
    // made on its own reads the report for itself. Whatever edits these rows shows in the page
    // at once; the page writes its own page number of them when it is saved.
    ReportModel &report() const { return *m_report; }
    // Makes the pages placed in `holder` (or in a widget inside it) share `report`; it has
    // to outlive them.
    static void shareReport(QWidget *holder, ReportModel *report);
    // A notice at the top of the page, such as what the page cannot do yet.
    void addNotice(const QString &text);

    // The control of the page that holds a finding's value: the grid of its point, else the
    // box by the name the catalogue gives it (a field of a group by its caption); null when
    // the page shows no such control.
    QWidget *controlOf(const ReportFinding &finding) const;

protected:
    using Rule = std::optional<ReportFinding> (*)(const ReportModel &);
    // Runs a rule of the page over what the page shows (put into its report model first).
    // When the rule finds a value it refuses, the value is shown (at its row and column in a
    // grid; in `control` when given), its message told, and the result is false.
    bool passes(Rule rule, QWidget *control = nullptr);
    // Shows the finding's value and tells its message; false.
    bool refuseAt(const ReportFinding &finding, QWidget *control = nullptr);
    // Tab goes through the page as it is shown, from the top down: a page that moves its
    // clauses about after they are made (onto tabs, or below another) calls it once they are
    // in place, as Tab otherwise follows the order in which the controls were made.
    void tabInShownOrder();
    // Puts the values of the page's controls into its report model; its grids show their rows
    // there already.
    virtual void writeRows();
    // The rows the page keeps outside its own page number (its As Per Annexure ticks).
    virtual QList<ReportModel::PointKey> otherPoints() const;
    // The report's rows of a page under the page's form name, by point, in grid order.
    QHash<QString, QList<QStringList>> rowsOf(int page) const;
    // Saves the page through its report model: the controls' values, the rules of the shape
    // rows are kept in, then the page's rows in one transaction. Raises DbError.
    void storeRows();
    bool eventFilter(QObject *watched, QEvent *event) override;

    QVBoxLayout *m_body;

private:
    Catalogue::Page m_page;
    int m_slot;
    int m_pageNo;
    ListSources m_lists;
    std::unique_ptr<ReportModel> m_ownReport; // a page made outside the editor
    ReportModel *m_report;
    QList<ClauseSection *> m_sections;
    QLabel *m_hint;
    PageEdits *m_edits;
};
