#include "Form3CD.h"

#include "FormHeadings.h"
#include "WindowFit.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/SigningPoints.h"
#include "commands/SnapshotRestore.h"
#include "commands/clsExportXML3CEB.h"
#include "dialogs/FindingsWindow.h"
#include "efiling/ReportCheck.h"
#include "host/HostContext.h"
#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "model/carry/FillDefault.h"
#include "model/depreciation/DepreciationReminder.h"
#include "model/rules/ReportRules.h"
#include "pages/ClauseGrid.h"
#include "pages/ClausePage.h"
#include "pages/CompletenessPrompts.h"
#include "pages/PageFactory.h"
#include "pages/depreciation/frmPage7.h"
#include "store/ClauseStore.h"
#include "store/DbError.h"
#include "store/ModuleState.h"
#include "store/ReportChange.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

QPointer<Form3CD> theEditor;

QList<Form3CD::FormSetup> &formSetups()
{
    static QList<Form3CD::FormSetup> setups;
    return setups;
}

QHash<int, Form3CD::Handler> &handlers()
{
    static QHash<int, Form3CD::Handler> h;
    return h;
}

const QString kActiveStyle = QStringLiteral("background-color: rgb(50, 255, 0);");

// What the user is told when a command's work is not part of this version.
QString unavailableText(EditorCommand command, bool form3ceb)
{
    switch (command) {
    case EditorCommand::Print:
        return QStringLiteral("Printing of the report is not available in this version.");
    case EditorCommand::PrintSetup:
        return QStringLiteral("The print setup is not available in this version.");
    case EditorCommand::FillDefault:
        return QStringLiteral("Filling default values is not available in this version.");
    case EditorCommand::ImportPreviousYear:
        return QStringLiteral("Importing data from the previous year is not available in this version.");
    case EditorCommand::ImportOldFormat:
        return QStringLiteral(
            "Importing data from the old format of the current year is not available in this "
            "version.");
    case EditorCommand::ImportAnotherClient:
        return QStringLiteral("Importing data from another client is not available in this version.");
    case EditorCommand::ImportWizardCurrentYear:
    case EditorCommand::ImportWizardPreviousYear:
        return QStringLiteral("Importing data from the old wizard is not available in this version.");
    case EditorCommand::ImportTurnover:
        return QStringLiteral(
            "Importing the turnover figures of clause 40 is not available in this version.");
    case EditorCommand::ImportTdsExcel:
    case EditorCommand::ImportTdsSoftware:
        return QStringLiteral("Importing TDS details is not available in this version.");
    case EditorCommand::ExportAnnexureFormat:
    case EditorCommand::ImportAnnexureWorkbook:
        return QStringLiteral("Exchanging annexures with Excel workbooks is not available in this version.");
    case EditorCommand::ImportJson:
        return form3ceb ? QStringLiteral("Importing an e-filing XML file is not available in this version.")
                        : QStringLiteral("Importing an e-filing JSON file is not available in this version.");
    case EditorCommand::GenerateJson:
        return form3ceb
                   ? clsExportXML3CEB::onlineFilingUnavailable()
                   : QStringLiteral("Generating the e-filing JSON file is not available in this version.");
    }
    return {};
}

// The imports that write the store, after which the pages are read again. The turnover
// and annexure workbook imports are not: they fill a page on screen, which is saved as any
// edit is.
bool isImport(EditorCommand command)
{
    switch (command) {
    case EditorCommand::ImportPreviousYear:
    case EditorCommand::ImportOldFormat:
    case EditorCommand::ImportAnotherClient:
    case EditorCommand::ImportWizardCurrentYear:
    case EditorCommand::ImportWizardPreviousYear:
    case EditorCommand::ImportTdsExcel:
    case EditorCommand::ImportTdsSoftware:
    case EditorCommand::ImportJson:
        return true;
    default:
        return false;
    }
}

} // namespace

Form3CD::Form3CD(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form3CD"));
    setAttribute(Qt::WA_DeleteOnClose);
    const FormKind kind = moduleState().formKind;
    const FormHeadings headings = FormHeadings::of(kind);
    m_lastPage = PageFactory::lastPage(kind);
    PageFactory::registerPagesWithRules();
    for (const FormSetup &setup : std::as_const(formSetups()))
        setup(kind);
    setWindowTitle(headings.caption);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_heading = new QLabel(FormHeadings::fullHeading(kind, host().ClientName(), host().yearKey()), central);
    m_heading->setObjectName(QStringLiteral("lblHeading"));
    // Plain text: an ampersand in the client's name shows as it is, once.
    m_heading->setTextFormat(Qt::PlainText);
    QFont font = m_heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    m_heading->setFont(font);
    m_subHeading = new QLabel(headings.subHeading, central);
    m_subHeading->setObjectName(QStringLiteral("lblSubHeading"));
    m_subHeading->setTextFormat(Qt::PlainText);
    m_subHeading->setWordWrap(true);
    layout->addWidget(m_heading);
    layout->addWidget(m_subHeading);

    auto *pageRow = new QHBoxLayout;
    m_previous = new QPushButton(tr("<< &Previous"), central);
    m_previous->setObjectName(QStringLiteral("cmdPrevious"));
    connect(m_previous, &QPushButton::clicked, this, &Form3CD::cmdPrevious_Click);
    pageRow->addWidget(m_previous);
    m_pages.resize(m_lastPage);
    for (int slot = 1; slot <= m_lastPage; ++slot) {
        auto *button = new QPushButton(QString::number(slot), central);
        button->setObjectName(QStringLiteral("cmdPages%1").arg(slot));
        button->setFixedWidth(34);
        button->setToolTip(tr("Page %1").arg(slot));
        connect(button, &QPushButton::clicked, this, [this, slot] { cmdPages_Click(slot); });
        pageRow->addWidget(button);
        m_pageButtons << button;
    }
    m_next = new QPushButton(tr("&Next >>"), central);
    m_next->setObjectName(QStringLiteral("cmdNext"));
    connect(m_next, &QPushButton::clicked, this, &Form3CD::cmdNext_Click);
    pageRow->addWidget(m_next);
    pageRow->addStretch();
    layout->addLayout(pageRow);

    m_area = new QStackedWidget(central);
    m_area->setObjectName(QStringLiteral("picPages"));
    layout->addWidget(m_area, 1);
    setCentralWidget(central);
    // Made after the pages' area, so that it outlives the pages when the window goes.
    m_report = new ReportModel(ReportKey::current(), this);
    readReport();
    ClausePage::shareReport(m_area, m_report);
    buildCommands();
    buildMenu();

    auto *nextKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    connect(nextKey, &QShortcut::activated, this, &Form3CD::cmdNext_Click);
    auto *previousKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    connect(previousKey, &QShortcut::activated, this, &Form3CD::cmdPrevious_Click);

    CompletenessPrompts::setNavigator([this](int page) {
        if (page != m_current && page >= 1 && page <= m_lastPage)
            cmdPages_Click(page);
    });

    WindowFit::open(
        this, QSize(1180, 820),
        QByteArray::fromBase64(
            host().GetSettingINI(QStringLiteral("Form3CD"), QStringLiteral("Geometry"), {}).toLatin1()));
}

Form3CD::~Form3CD()
{
    CompletenessPrompts::setNavigator({});
}

void Form3CD::buildCommands()
{
    auto *row = new QHBoxLayout;
    auto add = [this, row](const QString &name, const QString &caption, auto slot) {
        auto *button = new QPushButton(caption, centralWidget());
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, slot);
        row->addWidget(button);
        return button;
    };
    m_save = add(QStringLiteral("cmdSave"), tr("&Save"), &Form3CD::cmdSave_Click);
    add(QStringLiteral("cmdValidate"), tr("&Validate"), &Form3CD::cmdValidate_Click);
    add(QStringLiteral("cmdPrint"), tr("P&rint"), [this] { runCommand(EditorCommand::Print); });
    add(QStringLiteral("cmdPrintSetup"), tr("Print Set&up"),
        [this] { runCommand(EditorCommand::PrintSetup); });
    add(QStringLiteral("cmdFillDefault"), tr("Fill &Default"),
        [this] { runCommand(EditorCommand::FillDefault); });
    add(QStringLiteral("cmdClear"), tr("&Clear"), &Form3CD::cmdClear_Click);

    m_import = new QToolButton(centralWidget());
    m_import->setObjectName(QStringLiteral("cmdImport"));
    m_import->setText(tr("&Import"));
    m_import->setPopupMode(QToolButton::InstantPopup);
    auto *drop = new QMenu(m_import);
    addEarlierDataImports(drop);
    m_import->setMenu(drop);
    row->addWidget(m_import);

    const bool form3ceb = moduleState().formKind == FormKind::F3CEB;

    m_importJson = add(QStringLiteral("cmdImportJSON"), form3ceb ? tr("Import &XML") : tr("Import &JSON"),
                       [this] { runCommand(EditorCommand::ImportJson); });
    m_generateJson =
        add(QStringLiteral("cmdGenerateJSON"), form3ceb ? tr("&Generate XML") : tr("&Generate JSON"),
            [this] { runCommand(EditorCommand::GenerateJson); });
    add(QStringLiteral("cmdExit"), tr("E&xit"), &Form3CD::cmdExit_Click);
    row->addStretch();
    static_cast<QVBoxLayout *>(centralWidget()->layout())->addLayout(row);
}

// The imports of earlier data, in the Import button's drop-down and in the menu alike.
void Form3CD::addEarlierDataImports(QMenu *menu)
{
    auto add = [this, menu](const QString &caption, EditorCommand command) {
        menu->addAction(caption, this, [this, command] { runCommand(command); });
    };
    const bool form3ceb = moduleState().formKind == FormKind::F3CEB;
    add(tr("Previous Year"), EditorCommand::ImportPreviousYear);
    add(tr("Old Format Current Year"), EditorCommand::ImportOldFormat);
    add(tr("Another Client"), EditorCommand::ImportAnotherClient);
    add(form3ceb ? tr("Old 3CEB Current Year") : tr("Old 3CD Wizard Current Year"),
        EditorCommand::ImportWizardCurrentYear);
    if (!form3ceb)
        add(tr("Old 3CD Wizard Previous Year"), EditorCommand::ImportWizardPreviousYear);
}

void Form3CD::buildMenu()
{
    // Alt+I belongs to the Import button; the menu takes Alt+M.
    QMenu *imports = menuBar()->addMenu(tr("I&mports"));
    QMenu *exports = menuBar()->addMenu(tr("&Exports"));
    auto add = [this](QMenu *menu, const QString &caption, EditorCommand command) {
        menu->addAction(caption, this, [this, command] { runCommand(command); });
    };
    addEarlierDataImports(imports);
    imports->addSeparator();
    imports->addAction(tr("Snapshots (restore an earlier state of the report)..."), this,
                       &Form3CD::restoreSnapshot);
    imports->addSeparator();
    if (moduleState().formKind == FormKind::F3CEB) {
        // Form 3CEB has no clause 40, TDS lists or annexure windows; its grids exchange
        // workbooks from their own buttons, and its file is the XML.
        add(imports, tr("e-Filing XML"), EditorCommand::ImportJson);
        add(exports, tr("Generate e-Filing XML"), EditorCommand::GenerateJson);
        return;
    }
    add(imports, tr("Turnover, Gross Profit and Net Profit (clause 40)"), EditorCommand::ImportTurnover);
    add(imports, SharedMessages::tdsDetailsFromExcel(), EditorCommand::ImportTdsExcel);
    add(imports, tr("TDS Details from TDS Software"), EditorCommand::ImportTdsSoftware);
    add(imports, tr("Annexure from Excel Workbook"), EditorCommand::ImportAnnexureWorkbook);
    add(imports, tr("e-Filing JSON"), EditorCommand::ImportJson);
    add(exports, tr("Generate e-Filing JSON"), EditorCommand::GenerateJson);
    add(exports, tr("Annexure Format to Excel Workbook"), EditorCommand::ExportAnnexureFormat);
}

QString Form3CD::headingText() const
{
    return m_heading->text();
}

QString Form3CD::subHeadingText() const
{
    return m_subHeading->text();
}

Form3CD *Form3CD::instance()
{
    if (!theEditor)
        theEditor = new Form3CD;
    return theEditor;
}

Form3CD *Form3CD::existing()
{
    return theEditor;
}

void Form3CD::addFormSetup(FormSetup setup)
{
    formSetups().append(std::move(setup));
}

void Form3CD::setHandler(EditorCommand command, Handler handler)
{
    handlers().insert(int(command), std::move(handler));
}

ClausePage *Form3CD::page(int slot)
{
    if (slot < 1 || slot > m_lastPage)
        return nullptr;
    if (!m_pages[slot - 1]) {
        ClausePage *window = PageFactory::create(moduleState().formKind, slot, m_area);
        m_area->addWidget(window);
        m_pages[slot - 1] = window;
    }
    return m_pages[slot - 1];
}

ClausePage *Form3CD::createdPage(int slot) const
{
    return slot >= 1 && slot <= m_lastPage ? m_pages[slot - 1] : nullptr;
}

bool Form3CD::saveCurrentPage()
{
    ClausePage *current = createdPage(m_current);
    if (!current)
        return true;
    const bool ok = current->SaveData();
    m_saved = m_saved || ok;
    return ok;
}

void Form3CD::cmdPages_Click(int index)
{
    if (index < 1 || index > m_lastPage)
        return;
    // A page that cannot be written keeps the user on it; one left unchanged is not written.
    const ClausePage *current = createdPage(m_current);
    if (!moduleState().saveWithValidation && current && current->hasUnsavedChanges() && !saveCurrentPage())
        return;
    m_current = index;
    for (int slot = 1; slot <= m_lastPage; ++slot)
        m_pageButtons[slot - 1]->setStyleSheet(slot == index ? kActiveStyle : QString());
    m_previous->setEnabled(index != firstPage());
    m_next->setEnabled(index != m_lastPage);
    NavigatePage(index);
}

void Form3CD::NavigatePage(int index)
{
    ClausePage *window = page(index);
    if (!window)
        return;
    m_area->setCurrentWidget(window);
    window->raise();
    m_save->setToolTip(index == m_lastPage
                           ? QStringLiteral("Validate and save all pages")
                           : QStringLiteral("Validate and save page ") + QString::number(index));
}

void Form3CD::cmdNext_Click()
{
    if (m_current < m_lastPage)
        cmdPages_Click(m_current + 1);
}

void Form3CD::cmdPrevious_Click()
{
    if (m_current > firstPage())
        cmdPages_Click(m_current - 1);
}

void Form3CD::cmdSave_Click()
{
    if (!saveCurrentPage())
        return;
    prompts().inform(QStringLiteral("Page saved successfully"));
    if (m_current != m_lastPage)
        return;
    if (prompts().askYesNo(QStringLiteral("Do you want to save all pages with validation.?")) &&
        saveAllPages())
        prompts().inform(QStringLiteral("All Pages saved successfully"));
}

bool Form3CD::saveAllPages()
{
    ModuleState &m = moduleState();
    m.saveWithValidation = true;
    const auto clearFlag = qScopeGuard([&m] { m.saveWithValidation = false; });
    if (!saveCurrentPage())
        return false;
    for (int slot = firstPage(); slot <= m_lastPage; ++slot) {
        cmdPages_Click(slot);
        if (!page(slot)->SaveData()) {
            cmdPages_Click(slot);
            return false;
        }
    }
    cmdPages_Click(m_lastPage);
    m_saved = true;
    return true;
}

FindingsWindow *Form3CD::findingsWindow() const
{
    return m_findings;
}

bool Form3CD::checkWholeReport()
{
    if (!saveCurrentPage())
        return false;
    try {
        // The report as its pages stand: one answered and not left yet counts as answered,
        // though it is stored only when it is saved.
        for (ClausePage *window : std::as_const(m_pages)) {
            if (window && window->hasUnsavedChanges())
                window->putRows();
        }
        QList<ReportFinding> found = ReportCheck::findings(*ReportRules::asWritten(report()));
        QList<ReportFinding> blanks;
        QStringList items;
        for (const ReportFinding &f : std::as_const(found)) {
            if (f.kind != ReportFinding::Kind::Blank)
                continue;
            blanks << f;
            const Catalogue::Clause *clause = ClauseCatalogue::instance().clauseOf(f.page, f.point);
            items << ReportFindings::place(f) + (clause ? QStringLiteral(": ") + clause->caption : QString());
        }
        if (!blanks.isEmpty()) {
            const std::optional<QList<int>> ticked = prompts().tick(
                QStringLiteral("Form 3CD"),
                QStringLiteral("These clauses are blank. Tick each one that is to be answered \"Nil\" (no "
                               "information); a clause left unticked stays to be filled."),
                items);
            if (!ticked)
                return false;
            if (!ticked->isEmpty()) {
                QList<ReportFinding> chosen;
                for (int i : *ticked)
                    chosen << blanks.at(i);
                for (int page : ReportFindings::answerNil(report(), chosen)) {
                    report().savePage(page);
                    if (ClausePage *window = createdPage(page == 101 ? 1 : page)) {
                        window->DisplayData();
                        window->trackEdits();
                    }
                }
                found = ReportCheck::findings(*ReportRules::asWritten(report()));
            }
        }
        if (m_findings)
            m_findings->close();
        if (found.isEmpty())
            return true;
        m_findings = FindingsWindow::present(
            found, [this](const ReportFinding &f) { openAt(f); }, this);
        return false;
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
}

void Form3CD::openAt(const ReportFinding &finding)
{
    const int slot = finding.page == 101 ? 1 : finding.page;
    if (slot < firstPage() || slot > m_lastPage)
        return;
    cmdPages_Click(slot);
    ClausePage *window = page(slot);
    if (!window || m_current != slot)
        return;
    if (finding.column >= 0) {
        for (ClauseGrid *grid : window->findChildren<ClauseGrid *>()) {
            if (grid->gridModel()->point() != finding.point)
                continue;
            CompletenessPrompts::showControl(grid);
            grid->setCurrentCell(std::max(0, finding.row - 1), finding.column);
            return;
        }
    }
    // The box or grid that holds the point, by the names the pages give their controls.
    QStringList names;
    if (const Catalogue::Control *control =
            ClauseCatalogue::instance().controlOf(finding.page, finding.point))
        names << control->name;
    if (finding.point.startsWith(QLatin1String("Opt")))
        names << QStringLiteral("OptButYes") + finding.point.mid(3);
    if (finding.point == SigningPoints::SignedOn)
        names << QStringLiteral("txtSignDate");
    names << QStringLiteral("grd") + finding.point << QStringLiteral("txt") + finding.point;
    for (const QString &name : std::as_const(names)) {
        if (auto *control = window->findChild<QWidget *>(name)) {
            CompletenessPrompts::showControl(control);
            if (auto *grid = qobject_cast<ClauseGrid *>(control); grid && finding.row > 0)
                grid->setCurrentCell(finding.row - 1, 0);
            return;
        }
    }
}

void Form3CD::cmdValidate_Click()
{
    if (m_current == m_lastPage) {
        if (!checkWholeReport())
            return;
        if (saveAllPages())
            prompts().inform(QStringLiteral("All pages Validated and saved successfully"));
        return;
    }
    ClausePage *current = createdPage(m_current);
    if (current && current->validateForm(true))
        prompts().inform(QStringLiteral("Validation Succeed of page ") + QString::number(m_current),
                         QStringLiteral("Validate Page"));
}

void Form3CD::cmdClear_Click()
{
    if (!prompts().askYesNo(QStringLiteral("Do you want to clear all the data?.")))
        return;
    if (!saveCurrentPage())
        return;
    try {
        ReportChange change(m_report->key(), QStringLiteral("Clear"));
        // The Part A pages 1 and 2 keep their data.
        for (int slot = 3; slot <= m_lastPage; ++slot) {
            ClausePage *window = page(slot);
            window->clearAll();
            window->SaveData();
        }
        change.commit();
    } catch (const DbError &e) {
        prompts().inform(e.message());
        reloadPages();
        return;
    }
    prompts().inform(QStringLiteral("All the data cleared successfully"));
}

void Form3CD::restoreSnapshot()
{
    if (!saveCurrentPage())
        return;
    try {
        if (!SnapshotRestore::chooseAndRestore(m_report->key()).restored)
            return;
    } catch (const ChangeDeclined &) {
        return;
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return;
    }
    reloadPages();
    prompts().inform(SnapshotRestore::restoredText());
}

bool Form3CD::finishEditing()
{
    if (!saveCurrentPage())
        return false;
    if (prompts().askYesNo(QStringLiteral("Do you want to save all pages with validation.?"))) {
        if (!saveAllPages())
            return false;
        prompts().inform(QStringLiteral("All Pages saved successfully"));
    }
    return true;
}

void Form3CD::cmdExit_Click()
{
    if (!finishEditing())
        return;
    m_exiting = true;
    close();
}

void Form3CD::runCommand(EditorCommand command)
{
    const bool form3ceb = moduleState().formKind == FormKind::F3CEB;
    const Handler handler = handlers().value(int(command));
    if (!handler) {
        prompts().inform(unavailableText(command, form3ceb));
        return;
    }
    // Every finding of the report is shown at once, before any page is saved with validation.
    if (command == EditorCommand::GenerateJson && !(checkWholeReport() && saveAllPages()))
        return;
    if (command == EditorCommand::ImportJson && !form3ceb &&
        !prompts().askYesNo(QStringLiteral("DO you want to import data from JSON.?")))
        return;
    if (command == EditorCommand::Print && !saveCurrentPage())
        return;
    if (command == EditorCommand::FillDefault &&
        (!prompts().askYesNo(FillDefault::Question) || !saveCurrentPage()))
        return;
    handler(*this);
    if (isImport(command) || command == EditorCommand::FillDefault)
        reloadPages();
}

void Form3CD::readReport()
{
    try {
        m_report->reload();
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void Form3CD::reloadPages()
{
    readReport();
    for (ClausePage *window : std::as_const(m_pages)) {
        if (window) {
            window->DisplayData();
            window->trackEdits();
        }
    }
}

void Form3CD::rememberWindowState()
{
    host().SaveSettingINI(QStringLiteral("Form3CD"), QStringLiteral("Geometry"),
                          QString::fromLatin1(saveGeometry().toBase64()));
}

void Form3CD::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_current != 0)
        return;
    cmdPages_Click(firstPage());
    if (!moduleState().isForm3CD())
        return;
    if (host().CheckOptedOldDeprChart()) {
        if (auto *chartPage = qobject_cast<frmPage7 *>(page(7)))
            chartPage->PrepareDeprChart();
    }
    CheckDeprMsg();
}

void Form3CD::CheckDeprMsg()
{
    const QString reminder = DepreciationReminder::message(host().CheckOptedOldDeprChart());
    if (!reminder.isEmpty())
        prompts().inform(reminder);
}

void Form3CD::closeEvent(QCloseEvent *event)
{
    if (!m_exiting && !finishEditing()) {
        event->ignore();
        return;
    }
    rememberWindowState();
    event->accept();
}

void Form3CD::keyPressEvent(QKeyEvent *event)
{
    // Escape reaches the editor only when no drop-down, cell editor or dialog took it; one
    // key too many never closes the report without asking.
    if (event->key() == Qt::Key_Escape) {
        if (prompts().askYesNo(QStringLiteral("Do you want to close the report editor?")))
            CallEscape();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
