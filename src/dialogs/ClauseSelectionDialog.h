#pragma once

#include "model/carry/ReportCarry.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

// The clauses another client's report holds, one tick box each with its label and
// wording, and the remarks; Import takes the ticked ones.
class ClauseSelectionDialog : public QDialog
{
    Q_OBJECT
public:
    // The source client as offered ("C001  Asha Textiles").
    ClauseSelectionDialog(const QString &sourceClient, const QList<ReportCarry::Offer> &offers,
                          QWidget *parent = nullptr);

    QStringList ticked() const;
    void setAllTicked(bool ticked);

    // Shows the window; the ticked clause keys, empty when cancelled.
    static QStringList choose(const QString &sourceClient, const QList<ReportCarry::Offer> &offers);

private:
    void showCount();

    QTreeWidget *m_clauses;
    QLabel *m_count;
    QPushButton *m_import;
};
