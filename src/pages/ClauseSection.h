#pragma once

#include "catalogue/ClauseCatalogue.h"
#include "model/ReportModel.h"

#include <QFrame>
#include <QHash>

class ClauseGrid;
class ListSources;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct ReportFinding;

// One clause on its page: caption, Yes/No answer or Not Applicable tick, As Per Annexure
// tick, the controls that hold its data, and the row buttons. Answering No (or ticking Not
// Applicable) replaces the data by the marker "Nil" (or "NA") after asking.
class ClauseSection : public QFrame
{
    Q_OBJECT
public:
    // Rows of the page by PointNo, each row its Col1.. values.
    using PageRows = QHash<QString, QList<QStringList>>;

    // Its grids show their points of `page` in `report`; without a report each grid keeps
    // rows of its own.
    ClauseSection(const Catalogue::Clause &clause, ListSources &lists, QWidget *parent = nullptr,
                  ReportModel *report = nullptr, int page = 0);

    const Catalogue::Clause &clause() const { return m_clause; }

    void load(const PageRows &rows, const QHash<QString, QString> &ticks);
    // Puts the clause's values into the report's rows of the page (its grids show theirs there).
    void save(ReportModel &report, int page) const;
    // The rows the clause keeps outside its page: its As Per Annexure tick under page 201.
    QList<ReportModel::PointKey> otherPoints() const;
    // The answer must be given; then each control of the clause is checked for completeness
    // over the report model, into which the page has put what the section shows.
    bool validate();
    // Every grid cell passes the check of its column's kind; the first that does not is
    // named and focused.
    bool checkValues();
    // Empties the clause for the main window's Clear (a Not Applicable choice is set).
    void clear();
    // Recomputes the total fields that add up a column of the named grid point.
    void recomputeSums(const QString &gridPoint);

    QString answer() const; // "Yes", "No", "NA" or ""
    QRadioButton *answerButton(const QString &word) const;
    QCheckBox *notApplicableTick() const { return m_naTick; }
    QCheckBox *annexureTick() const { return m_annexTick; }
    QList<ClauseGrid *> grids() const { return m_grids; }
    QPushButton *addRowButton() const { return m_add; }
    QPushButton *removeRowButton() const { return m_remove; }
    QPushButton *annexureButton() const { return m_annexure; }
    QPushButton *remarksButton() const { return m_remarks; }

signals:
    void gridEdited(const QString &gridName);
    void hintChanged(const QString &hint);

private:
    void buildGate();
    void buildControl(const Catalogue::Control &control);
    // A box that keeps a value of the column's kind; `label` names its clause in messages.
    QLineEdit *makeEdit(const QString &name, const Catalogue::Column &column, const QString &label,
                        const QString &list);
    // The box's value passes its column's check; else the box is shown, named and focused.
    bool checkBox(QLineEdit *box);
    void answerClicked(int id);
    void naClicked(bool ticked);
    bool holdsData() const;
    // The control of the clause a finding is about: its grid, its field or its box.
    QWidget *controlOf(const ReportFinding &finding) const;
    // Replaces the data by the marker after asking; false when the user cancelled.
    bool resetWithQuestion(const QString &marker);
    void fill(const QString &marker);
    void blankMarkers();
    void setDataEnabled(bool enabled);
    void applyGate();
    void showRemarks();
    void openAnnexure(ClauseGrid *grid);

    Catalogue::Clause m_clause;
    ListSources &m_lists;
    ReportModel *m_report;
    int m_page;
    QButtonGroup *m_answers = nullptr;
    QCheckBox *m_naTick = nullptr;
    QCheckBox *m_annexTick = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_annexure = nullptr;
    QPushButton *m_remarks = nullptr;
    QList<ClauseGrid *> m_grids;
    QHash<QString, QWidget *> m_single;              // text or combo by point
    QHash<QString, QList<QLineEdit *>> m_fields;     // field rows by point
    QHash<QString, QList<QRadioButton *>> m_choices; // two-way choices by point
    QList<QWidget *> m_dataWidgets;                  // what a marker disables
    struct Box {
        Catalogue::Column column;
        QString label;
    };
    QHash<const QLineEdit *, Box> m_boxes; // the boxes whose values are checked by kind
};
