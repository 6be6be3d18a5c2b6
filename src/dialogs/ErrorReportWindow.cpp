#include "ErrorReportWindow.h"

#include "FileLinesModel.h"
#include "SpecialCharDialog.h"
#include "base/Prompt.h"
#include "efiling/EditorPlace.h"
#include "efiling/FileFindings.h"
#include "efiling/SpecialCharacters.h"
#include "print/ErrorListReport.h"
#include "print/ReportEngine.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

const QStringList &ErrorReportWindow::columnTitles()
{
    return FileFindings::columnTitles();
}

QString ErrorReportWindow::listing(const QList<ValidationFinding> &findings)
{
    QStringList lines;
    for (const ValidationFinding &f : findings) {
        const QString place = f.path();
        lines << QStringLiteral("Line %1, Column %2: %3%4")
                     .arg(f.line)
                     .arg(f.column)
                     .arg(place.isEmpty() ? QString() : place + QStringLiteral(": "), f.message);
    }
    return lines.join(u'\n');
}

bool ErrorReportWindow::screensShown()
{
    return prompts().showsWindows();
}

void ErrorReportWindow::reportInMessage(const QList<ValidationFinding> &findings)
{
    prompts().message(listing(findings), QStringLiteral("E-Filing Validation - Error Report"),
                      PromptIcon::Warning);
}

ErrorReportWindow::ErrorReportWindow(Source source, const CheckResult &first, QWidget *parent)
    : QDialog(parent), m_source(std::move(source)), m_stack(new QStackedWidget(this)),
      m_grid(new QTableWidget(0, int(columnTitles().size()), this)), m_viewer(new QTableView(this)),
      m_lines(new FileLinesModel(this))
{
    setWindowTitle(QStringLiteral("E-Filing Validation - Error Report"));
    resize(1100, 600);

    auto *listPage = new QWidget(this);
    auto *ticks = new QHBoxLayout;
    for (int c = 0; c < columnTitles().size(); ++c) {
        auto *tick = new QCheckBox(columnTitles().at(c), listPage);
        tick->setChecked(true);
        connect(tick, &QCheckBox::toggled, this, &ErrorReportWindow::applyColumnChoice);
        ticks->addWidget(tick);
        m_ticks << tick;
    }
    ticks->addStretch();
    m_grid->setHorizontalHeaderLabels(columnTitles());
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    // A description runs over as many lines as it needs in the width its column has.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->verticalHeader()->hide();
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &ErrorReportWindow::viewFile);
    auto *listLayout = new QVBoxLayout(listPage);
    listLayout->addLayout(ticks);
    listLayout->addWidget(m_grid);

    m_viewer->setModel(m_lines);
    m_viewer->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_viewer->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_viewer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_viewer->verticalHeader()->hide();
    m_viewer->verticalHeader()->setDefaultSectionSize(m_viewer->fontMetrics().height() + 4);
    m_viewer->horizontalHeader()->setStretchLastSection(true);
    m_stack->addWidget(listPage);
    m_stack->addWidget(m_viewer);

    auto button = [this](const QString &text, void (ErrorReportWindow::*slot)()) {
        auto *b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(button(QStringLiteral("&View File"), &ErrorReportWindow::viewFile));
    buttons->addWidget(button(QStringLiteral("&Previous Error (F7)"), &ErrorReportWindow::previousError));
    buttons->addWidget(button(QStringLiteral("&Next Error (F8)"), &ErrorReportWindow::nextError));
    buttons->addWidget(button(QStringLiteral("&Back"), &ErrorReportWindow::back));
    buttons->addWidget(button(QStringLiteral("&Preview"), &ErrorReportWindow::preview));
    buttons->addWidget(
        button(QStringLiteral("Special &Characters"), &ErrorReportWindow::editSpecialCharacters));
    buttons->addWidget(button(QStringLiteral("&Remove Special Characters and Re-validate"),
                              &ErrorReportWindow::removeSpecialCharacters));
    buttons->addStretch();
    auto *exit = new QPushButton(QStringLiteral("&Exit"), this);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(exit);
    new QShortcut(QKeySequence(Qt::Key_F7), this, this, &ErrorReportWindow::previousError);
    new QShortcut(QKeySequence(Qt::Key_F8), this, this, &ErrorReportWindow::nextError);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_stack);
    layout->addLayout(buttons);
    fill(first);
}

void ErrorReportWindow::fill(const CheckResult &result)
{
    m_result = result;
    m_current = -1;
    const QList<ValidationFinding> &findings = result.findings;
    m_grid->setRowCount(int(findings.size()));
    for (int r = 0; r < findings.size(); ++r) {
        const ValidationFinding &f = findings.at(r);
        const QStringList cells = FileFindings::cells(f, r + 1);
        const QString place = m_source.xml ? QString() : EditorPlace::of(f);
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            if (!place.isEmpty())
                item->setToolTip(QStringLiteral("To Correct GoTo: ") + place);
            m_grid->setItem(r, c, item);
        }
    }
    m_grid->resizeColumnsToContents();
    // The description says where and what in words; the file's own names give way to it.
    constexpr int kNamesWidth = 170;
    for (int c = 4; c <= 7; ++c)
        m_grid->setColumnWidth(c, std::min(m_grid->columnWidth(c), kNamesWidth));
    if (!findings.isEmpty())
        m_grid->selectRow(0);

    m_lines->setText(result.viewerText);
    m_lines->setMarkedLines(result.viewerLines);
    m_order.resize(findings.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    std::stable_sort(m_order.begin(), m_order.end(),
                     [&](int a, int b) { return result.viewerLines.value(a) < result.viewerLines.value(b); });
    applyColumnChoice();
}

void ErrorReportWindow::applyColumnChoice()
{
    for (int c = 0; c < m_ticks.size(); ++c)
        m_grid->setColumnHidden(c, !m_ticks.at(c)->isChecked());
}

int ErrorReportWindow::viewerLine() const
{
    if (m_stack->currentIndex() != 1 || m_current < 0)
        return 0;
    return m_result.viewerLines.value(m_order.at(m_current));
}

void ErrorReportWindow::showError(int index)
{
    m_current = index;
    const int finding = m_order.at(index);
    m_grid->selectRow(finding);
    const int line = m_result.viewerLines.value(finding);
    m_stack->setCurrentIndex(1);
    if (line > 0) {
        const QModelIndex at = m_lines->index(line - 1, 1);
        m_viewer->scrollTo(at, QAbstractItemView::PositionAtCenter);
        m_viewer->selectRow(line - 1);
    }
}

void ErrorReportWindow::viewFile()
{
    if (m_order.isEmpty()) {
        m_stack->setCurrentIndex(1);
        return;
    }
    const int selected = std::max(0, m_grid->currentRow());
    showError(int(std::find(m_order.begin(), m_order.end(), selected) - m_order.begin()));
}

void ErrorReportWindow::previousError()
{
    if (m_stack->currentIndex() != 1) {
        viewFile();
        return;
    }
    if (m_current <= 0) {
        prompts().inform(QStringLiteral("No Previous Error."));
        return;
    }
    showError(m_current - 1);
}

void ErrorReportWindow::nextError()
{
    if (m_stack->currentIndex() != 1) {
        viewFile();
        return;
    }
    if (m_current + 1 >= m_order.size()) {
        prompts().inform(QStringLiteral("No More Error."));
        return;
    }
    showError(m_current + 1);
}

void ErrorReportWindow::back()
{
    m_stack->setCurrentIndex(0);
}

QList<int> ErrorReportWindow::printedColumns() const
{
    QList<int> columns;
    for (int c = 0; c < m_ticks.size(); ++c) {
        if (m_ticks.at(c)->isChecked())
            columns << c;
    }
    return columns;
}

QStringList ErrorReportWindow::printedHeadings() const
{
    return ErrorListReport::headings(printedColumns());
}

QList<QStringList> ErrorReportWindow::printedRows() const
{
    return ErrorListReport::rows(m_result.findings, printedColumns());
}

void ErrorReportWindow::preview()
{
    ReportEngine engine;
    ErrorListReport::build(engine, m_result.findings, printedColumns());
}

void ErrorReportWindow::editSpecialCharacters()
{
    SpecialCharDialog dialog(this);
    dialog.exec();
}

void ErrorReportWindow::removeSpecialCharacters()
{
    if (m_source.xml && !prompts().askYesNo(QStringLiteral(
                            "This will change the Characters in XML File only, not in the Original "
                            "Data in the Software. Do you want to Proceed?")))
        return;
    QString why;
    if (!SpecialCharacters::cleanFile(m_source.file, m_source.xml, SpecialCharacters::load(), &why)) {
        prompts().message(QStringLiteral("Could not change [%1]: %2").arg(m_source.file, why), {},
                          PromptIcon::Critical);
        return;
    }
    const CheckResult again = m_source.check();
    if (!again.failure.isEmpty()) {
        prompts().message(again.failure, {}, PromptIcon::Critical);
        return;
    }
    fill(again);
    back();
    m_clean = again.findings.isEmpty();
    if (m_clean)
        prompts().inform(QStringLiteral("No errors found. The file is valid."));
}
