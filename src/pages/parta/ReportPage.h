#pragma once

#include "model/parta/ClientMaster.h"
#include "pages/ClausePage.h"

#include <QHash>
#include <initializer_list>

class AssesseeBox;
class ObservationsBox;
class QHBoxLayout;
class QLineEdit;

// The accountant's report page of Form 3CA or Form 3CB. It starts from the client master
// and the year, the stored rows win over both, and a save rewrites its rows and the
// master's place and date of signing inside one transaction, so that a failed save leaves
// the report as it was.
class ReportPage : public ClausePage
{
    Q_OBJECT
public:
    bool SaveData() override;
    void DisplayData() override;
    bool checkValues() override;

protected:
    // Stored rows by PointNo, each row its Col1.. values.
    using Rows = QHash<QString, QList<QStringList>>;

    // One piece of a line of the report's wording: words, or the control that completes them.
    struct Part {
        Part(const char *words) : text(QString::fromUtf8(words)) {}
        Part(const QString &words) : text(words) {}
        Part(QWidget *control) : widget(control) {}
        QString text;
        QWidget *widget = nullptr;
    };

    ReportPage(int slot, int pageNo, const QString &title, QWidget *parent);

    // The master ticks the page writes ("MasterName", and "MasterAdd" on Form 3CB).
    virtual QStringList tickPoints() const = 0;
    QList<ReportModel::PointKey> otherPoints() const override;
    // Fills the controls from the client master and the year, before the stored rows.
    virtual void showDefaults() = 0;
    // The rows the report rules give the page when none are stored (PartARules).
    Rows defaultRows() const;
    virtual void showRows(const Rows &rows) = 0;

    // Puts a tick into this form's rows of the ticks both forms keep under PageNo 1.
    void writeTick(QWidget *tick, const QString &point);
    static constexpr int kTickPage = 1;

    QHBoxLayout *line(std::initializer_list<Part> parts);
    void addGroup(const QString &title, const QList<QLayout *> &lines, QWidget *below = nullptr);
    QLineEdit *textEdit(const QString &name, int width = 0);
    // A date box: what the user typed becomes dd/mm/yyyy when the box is left, and a text that
    // is no date is refused there and at every save, with the field named.
    QLineEdit *dateEdit(const QString &name, const QString &field);
    // The rules of one date box once it holds a whole date; false when the user was told (or
    // chose) to change it.
    virtual bool checkDateRules(QLineEdit *box);

    // Enter moves from one control to the next, as on the other pages; called once the
    // page's controls exist.
    void enterMovesOn();
    // The report is signed after the year it reports on has ended: "Date should be greater
    // than 31/03/" and the year key otherwise.
    bool checkSignedAfterYear();

    ClientMaster m_master;
    AssesseeBox *m_assessee = nullptr;
    ObservationsBox *m_observations = nullptr;
    QLineEdit *m_place = nullptr;
    QLineEdit *m_signDate = nullptr;

private:
    bool checkDate(QLineEdit *box);

    QList<QPair<QLineEdit *, QString>> m_dates; // the date boxes and their fields' names
};
