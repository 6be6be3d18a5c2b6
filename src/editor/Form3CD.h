#pragma once

#include "store/ModuleState.h"

#include <QMainWindow>
#include <QPointer>
#include <QVector>
#include <functional>

class QMenu;
class ClausePage;
class FindingsWindow;
class ReportModel;
struct ReportFinding;
class QLabel;
class QPushButton;
class QStackedWidget;
class QToolButton;

// Commands of the editor whose work lives in other parts of the module. Those parts
// register a handler; without one the command tells the user it is not available.
enum class EditorCommand {
    Print,
    PrintSetup,
    FillDefault,
    ImportPreviousYear,
    ImportOldFormat,
    ImportAnotherClient,
    ImportWizardCurrentYear,
    ImportWizardPreviousYear,
    ImportTurnover,
    ImportTdsExcel,
    ImportTdsSoftware,
    ExportAnnexureFormat,
    ImportAnnexureWorkbook,
    ImportJson,
    GenerateJson
};

// The report editor's main window for one client and year: the page buttons, the page
// area, Previous/Next and the commands that save, validate, clear and exit.
class Form3CD : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form3CD(QWidget *parent = nullptr);
    ~Form3CD() override;

    QString headingText() const;
    QString subHeadingText() const;

    // The one editor window of the module; created on first use.
    static Form3CD *instance();
    static Form3CD *existing();

    // A handler runs the command's work; Generate JSON runs it after every page was saved
    // with validation, the imports and Import JSON reload the pages after it.
    using Handler = std::function<void(Form3CD &)>;
    static void setHandler(EditorCommand command, Handler handler);
    // Runs each time an editor opens, before it offers a command: the program registers the
    // commands' handlers here for the form being opened (the editor knows none of them).
    using FormSetup = std::function<void(FormKind)>;
    static void addFormSetup(FormSetup setup);

    int currentPage() const { return m_current; }
    int firstPage() const { return 1; }
    int lastPage() const { return m_lastPage; }
    // The open report's rows, read once when the editor opens: every page shows and edits
    // these, and saves its own page of them.
    ReportModel &report() const { return *m_report; }
    // The page window of a slot, created on first use.
    ClausePage *page(int slot);
    // The page window of a slot when it has been created, else null.
    ClausePage *createdPage(int slot) const;
    QPushButton *pageButton(int slot) const { return m_pageButtons.value(slot - 1); }
    QPushButton *previousButton() const { return m_previous; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *saveButton() const { return m_save; }

    // Moves to a page, saving the page being left unless every page is being saved.
    void cmdPages_Click(int index);
    // Shows a page in the page area.
    void NavigatePage(int page);
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdSave_Click();
    void cmdValidate_Click();
    void cmdClear_Click();
    // Lists the snapshots kept of the report and puts the one chosen back.
    void restoreSnapshot();
    void cmdExit_Click();
    void CallEscape() { cmdExit_Click(); }
    // Reminds the user, once the editor opens, of depreciation still to be imported into
    // clause 18 from the client's chart.
    void CheckDeprMsg();
    void runCommand(EditorCommand command);

    // Saves every page with validation; stops at the first page that refuses and shows it.
    bool saveAllPages();
    // Checks the whole saved report at once: its blank clauses are offered in one list to be
    // answered "Nil", every other finding is listed in one window. True when none is left.
    bool checkWholeReport();
    // Opens the page of a finding with the focus on its cell or box.
    void openAt(const ReportFinding &finding);
    // The list of the last check that found something, while it is open.
    FindingsWindow *findingsWindow() const;
    // Reads the report again and shows it on every page window (after an import).
    void reloadPages();
    bool saved() const { return m_saved; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildCommands();
    void buildMenu();
    void addEarlierDataImports(QMenu *menu);
    bool saveCurrentPage();
    // Reads the report's rows into the model; a database error is shown and leaves it empty.
    void readReport();
    // Saves the current page and offers to save every page; false when a page refused.
    bool finishEditing();
    void rememberWindowState();

    QLabel *m_heading;
    QLabel *m_subHeading;
    QStackedWidget *m_area;
    ReportModel *m_report;
    QVector<QPushButton *> m_pageButtons;
    QVector<ClausePage *> m_pages;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_save = nullptr;
    QToolButton *m_import = nullptr;
    QPushButton *m_importJson = nullptr;
    QPushButton *m_generateJson = nullptr;
    int m_current = 0;
    int m_lastPage = 21;
    bool m_saved = false;
    bool m_exiting = false;
    QPointer<FindingsWindow> m_findings;
};
