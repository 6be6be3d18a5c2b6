#include "FindingsWindow.h"

#include "base/Prompt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
const QString kTitle = QStringLiteral("Findings of the report");
} // namespace

const QStringList &FindingsWindow::columnTitles()
{
    static const QStringList titles{QStringLiteral("Clause"), QStringLiteral("Page"), QStringLiteral("Row"),
                                    QStringLiteral("Column"), QStringLiteral("Message")};
    return titles;
}

FindingsWindow::FindingsWindow(const QList<ReportFinding> &findings, Opener open, QWidget *parent)
    : QDialog(parent), m_findings(findings), m_open(std::move(open)),
      m_grid(new QTableWidget(int(findings.size()), int(columnTitles().size()), this))
{
    setObjectName(QStringLiteral("frmFindings"));
    setWindowTitle(kTitle);
    auto *heading = new QLabel(
        tr("%n finding(s) to put right before the report is filed. Double-click one to open its page at "
           "the value.",
           nullptr, int(findings.size())),
        this);
    heading->setWordWrap(true);

    m_grid->setObjectName(QStringLiteral("grdFindings"));
    m_grid->setHorizontalHeaderLabels(columnTitles());
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setWordWrap(true);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < findings.size(); ++r) {
        const ReportFinding &f = findings.at(r);
        const QStringList cells{f.clause, f.page > 0 ? QString::number(f.page) : QString(),
                                f.row > 0 ? QString::number(f.row) : QString(), f.item, f.message};
        for (int c = 0; c < cells.size(); ++c)
            m_grid->setItem(r, c, new QTableWidgetItem(cells.at(c)));
    }
    m_grid->resizeColumnsToContents();
    // The column's caption may be long; the message is what the user reads.
    m_grid->setColumnWidth(3, std::min(m_grid->columnWidth(3), 220));
    m_grid->resizeRowsToContents();
    if (!findings.isEmpty())
        m_grid->selectRow(0);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { openRow(row); });

    auto *openButton = new QPushButton(tr("&Go to"), this);
    connect(openButton, &QPushButton::clicked, this, [this] { openRow(m_grid->currentRow()); });
    auto *close = new QPushButton(tr("&Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(openButton);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(1000, 480);
}

void FindingsWindow::openRow(int row)
{
    if (row >= 0 && row < m_findings.size() && m_open)
        m_open(m_findings.at(row));
}

FindingsWindow *FindingsWindow::present(const QList<ReportFinding> &findings, Opener open, QWidget *parent)
{
    if (!prompts().showsWindows()) {
        QStringList lines;
        for (const ReportFinding &f : findings)
            lines << ReportFindings::line(f);
        prompts().message(lines.join(u'\n'), kTitle, PromptIcon::Warning);
        return nullptr;
    }
    auto *window = new FindingsWindow(findings, std::move(open), parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}
