#pragma once

#include "efiling/JsonFileCheck.h"

#include <QDialog>
#include <QList>
#include <functional>

class FileLinesModel;
class QCheckBox;
class QStackedWidget;
class QTableView;
class QTableWidget;

// "E-Filing Validation - Error Report": the faults of a checked e-filing file in a grid
// (columns chosen by ticks), the file itself at a fault's line with Previous/Next Error,
// a printable list, and the cleaning of special characters followed by a new check.
class ErrorReportWindow : public QDialog
{
    Q_OBJECT
public:
    using CheckResult = FileCheckResult;
    struct Source {
        QString file;
        bool xml = false;
        std::function<CheckResult()> check;
    };

    static const QStringList &columnTitles();

    // Shows the report of a check that found faults modally, in the screen `Screen` (a
    // subclass taking the source and the result) in the desktop program, as one message
    // listing the faults otherwise. True when the faults were cleaned away on the screen.
    template <typename Screen> static bool present(const Source &source, const CheckResult &result)
    {
        if (!screensShown()) {
            reportInMessage(result.findings);
            return false;
        }
        Screen screen(source, result);
        screen.exec();
        return screen.clean();
    }
    // One line per finding: "Line 12, Column 9: PartA.PAN: message".
    static QString listing(const QList<ValidationFinding> &findings);

    ErrorReportWindow(Source source, const CheckResult &first, QWidget *parent = nullptr);

    // True once a new check (after cleaning) found the file without faults.
    bool clean() const { return m_clean; }

    QTableWidget *errorGrid() const { return m_grid; }
    QCheckBox *columnTick(int column) const { return m_ticks.value(column); }
    // The viewer's line (from 1) of the current error, 0 while the list is shown.
    int viewerLine() const;
    // The checked columns (indexes into columnTitles()), their titles and every finding's
    // cells in them, as printed.
    QList<int> printedColumns() const;
    QStringList printedHeadings() const;
    QList<QStringList> printedRows() const;

public slots:
    void viewFile();
    void previousError();
    void nextError();
    void back();
    void preview();
    void editSpecialCharacters();
    void removeSpecialCharacters();

private:
    static bool screensShown();
    static void reportInMessage(const QList<ValidationFinding> &findings);
    void fill(const CheckResult &result);
    void showError(int index);
    void applyColumnChoice();

    Source m_source;
    CheckResult m_result;
    QList<int> m_order; // finding indexes by viewer line
    int m_current = -1;
    bool m_clean = false;

    QStackedWidget *m_stack;
    QTableWidget *m_grid;
    QList<QCheckBox *> m_ticks;
    QTableView *m_viewer;
    FileLinesModel *m_lines;
};
