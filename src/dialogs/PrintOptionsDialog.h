#pragma once

#include "print/PrintChoices.h"
#include "print/TemplateLists.h"

#include <QDialog>

class QCheckBox;
class QTableWidget;
class QTableWidgetItem;

// "Print Options": the front-page template of Form 3CA or 3CB and the Form 3CD format, one
// ticked row in each list, the two print flags, and Continue or Generate Blank File. The
// Form 3CD row chosen last is remembered in the host setting "PFORMAT".
class PrintOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    // `form` is "3CA" or "3CB".
    explicit PrintOptionsDialog(const QString &form, QWidget *parent = nullptr);

    const PrintChoices &choices() const { return m_choices; }

private:
    QTableWidget *makeList(const QString &name, const QList<TemplateLists::Template> &templates);
    void keepOneTicked(QTableWidget *list, QTableWidgetItem *changed);
    static int tickedRow(const QTableWidget *list);
    void cmdContinue_Click(bool blank);
    void cmdPostScript_Click();

    QList<TemplateLists::Template> m_front, m_3cd;
    QTableWidget *m_frontList = nullptr;
    QTableWidget *m_3cdList = nullptr;
    QCheckBox *m_nilFirstColumn = nullptr;
    QCheckBox *m_itdPortal = nullptr;
    PrintChoices m_choices;
};
