#pragma once

#include "model/rules/ReportFindings.h"

#include <QDialog>
#include <functional>

class QTableWidget;

// Every finding of a report in one list (clause, page, row, column, message); a double-click
// opens the page at the value. It stays open beside the editor while the values are put right.
class FindingsWindow : public QDialog
{
    Q_OBJECT
public:
    using Opener = std::function<void(const ReportFinding &)>;

    static const QStringList &columnTitles();

    FindingsWindow(const QList<ReportFinding> &findings, Opener open, QWidget *parent = nullptr);

    const QList<ReportFinding> &findings() const { return m_findings; }
    QTableWidget *grid() const { return m_grid; }
    // Opens the page of the finding in that row of the list.
    void openRow(int row);

    // In the desktop program, shows the window (without waiting) and returns it; a prompt that
    // answers by script gets the list as one message, and there is no window.
    static FindingsWindow *present(const QList<ReportFinding> &findings, Opener open, QWidget *parent);

private:
    QList<ReportFinding> m_findings;
    Opener m_open;
    QTableWidget *m_grid;
};
