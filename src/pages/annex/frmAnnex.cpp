#include "frmAnnex.h"

#include "AnnexTable.h"
#include "BusinessCodeSearch.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "commands/AnnexureExchange.h"
#include "host/HostContext.h"
#include "model/ClauseGridModel.h"
#include "model/depreciation/Clause18Row.h"
#include "model/depreciation/DepreciationCutOff.h"
#include "model/rules/DepreciationRules.h"
#include "pages/depreciation/AdditionDeductionFrame.h"
#include "print/AnnexureReport.h"
#include "print/ReportEngine.h"
#include "spreadsheet/ClauseAnnexureFiles.h"
#include "store/ReportKey.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

Qt::Alignment alignmentOf(int code)
{
    switch (code) {
    case 2:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 3:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QPushButton *button(const QString &text, QLayout *layout)
{
    auto *b = new QPushButton(text);
    layout->addWidget(b);
    return b;
}

} // namespace

frmAnnex::frmAnnex(ClauseGridModel &grid, const QString &clause, const QString &typeList,
                   const QString &caption, const QString &annexFolder, QWidget *parent)
    : QDialog(parent), m_grid(grid), m_clause(clause), m_folder(annexFolder)
{
    setObjectName(QStringLiteral("frmAnnex"));
    setWindowTitle(caption);
    QList<QStringList> gridRows;
    for (int r = 0; r < grid.rowCount(); ++r)
        gridRows << grid.rowCells(r);
    // The annexure file holds what the window kept last time, user columns included.
    const std::optional<AnnexureSheet> kept = ClauseAnnexureFiles::read(m_folder, clause);
    m_sheet = kept ? *kept : AnnexureSheet::ofGrid(grid.columns(), typeList, gridRows);
    const QStringList converted = convertEarlierEntries();

    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(caption);
    title->setWordWrap(true);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    vsAnnex = new AnnexTable(this);
    vsAnnex->setObjectName(QStringLiteral("vsAnnex"));
    vsAnnex->setItemDelegate(
        new AnnexDelegate([this](int row, int column) { return choicesOf(row, column); }, vsAnnex));
    connect(vsAnnex, &AnnexTable::moveRequested, this, &frmAnnex::moveRow);
    // Long statutory headings wrap, as the printed form shows them.
    vsAnnex->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    vsAnnex->horizontalHeader()->setMinimumHeight(84);
    layout->addWidget(vsAnnex, 1);
    connect(vsAnnex, &QTableWidget::cellChanged, this, &frmAnnex::cellEdited);

    if (m_clause == QLatin1String("18")) {
        m_frame = new AdditionDeductionFrame(this);
        layout->addWidget(m_frame);
        connect(vsAnnex, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow) {
            if (row != previousRow)
                showBlockLists(row);
        });
        connect(m_frame, &AdditionDeductionFrame::additionsAccepted, this, &frmAnnex::acceptAdditions);
        connect(m_frame, &AdditionDeductionFrame::deductionsAccepted, this, &frmAnnex::acceptDeductions);
    }

    vsCol = new QWidget(this);
    vsCol->setObjectName(QStringLiteral("vsCol"));
    auto *columnForm = new QHBoxLayout(vsCol);
    columnForm->setContentsMargins(0, 0, 0, 0);
    txtHeading = new QLineEdit;
    cboType = new QComboBox;
    cboType->addItems({QString(), QStringLiteral("Character"), QStringLiteral("Date"),
                       QStringLiteral("Number"), QStringLiteral("Amount"), QStringLiteral("Tick(_/)"),
                       QStringLiteral("List")});
    cboAlign = new QComboBox;
    cboAlign->addItems({QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Centre")});
    txtItems = new QLineEdit;
    txtHeading->setObjectName(QStringLiteral("txtHeading"));
    cboType->setObjectName(QStringLiteral("cboType"));
    cboAlign->setObjectName(QStringLiteral("cboAlign"));
    txtItems->setObjectName(QStringLiteral("txtItems"));
    txtItems->setPlaceholderText(QStringLiteral("Use Semi-Colon(;) as Separator for Items."));
    columnForm->addWidget(new QLabel(QStringLiteral("Heading")));
    columnForm->addWidget(txtHeading, 2);
    columnForm->addWidget(new QLabel(QStringLiteral("Type")));
    columnForm->addWidget(cboType);
    columnForm->addWidget(new QLabel(QStringLiteral("Alignment")));
    columnForm->addWidget(cboAlign);
    columnForm->addWidget(new QLabel(QStringLiteral("List")));
    columnForm->addWidget(txtItems, 2);
    connect(button(QStringLiteral("OK"), columnForm), &QPushButton::clicked, this, &frmAnnex::confirmColumn);
    connect(button(QStringLiteral("Cancel"), columnForm), &QPushButton::clicked, this,
            &frmAnnex::cancelColumn);
    vsCol->hide();
    layout->addWidget(vsCol);

    auto *commands = new QHBoxLayout;
    QPushButton *add = button(QStringLiteral("Add Row"), commands);
    add->setObjectName(QStringLiteral("cmdAddRow"));
    connect(add, &QPushButton::clicked, this, &frmAnnex::addRow);
    connect(button(QStringLiteral("Delete Row"), commands), &QPushButton::clicked, this,
            &frmAnnex::deleteRow);
    QPushButton *up = button(QStringLiteral("Move Up"), commands);
    up->setObjectName(QStringLiteral("cmdMoveUp"));
    connect(up, &QPushButton::clicked, this, [this] { moveRow(-1); });
    QPushButton *down = button(QStringLiteral("Move Down"), commands);
    down->setObjectName(QStringLiteral("cmdMoveDown"));
    connect(down, &QPushButton::clicked, this, [this] { moveRow(1); });
    connect(button(QStringLiteral("Add Column"), commands), &QPushButton::clicked, this,
            &frmAnnex::addColumn);
    connect(button(QStringLiteral("Delete Column"), commands), &QPushButton::clicked, this,
            &frmAnnex::deleteColumn);
    QPushButton *search = button(QStringLiteral("Search"), commands);
    search->setObjectName(QStringLiteral("cmdSearch"));
    search->setVisible(lineColumn() >= 0);
    connect(search, &QPushButton::clicked, this, &frmAnnex::search);
    connect(button(AnnexureExchange::ExportCaption, commands), &QPushButton::clicked, this,
            &frmAnnex::exportToExcel);
    connect(button(AnnexureExchange::ImportCaption, commands), &QPushButton::clicked, this,
            &frmAnnex::importFromExcel);
    connect(button(QStringLiteral("Print"), commands), &QPushButton::clicked, this, &frmAnnex::print);
    commands->addStretch();
    connect(button(QStringLiteral("Back"), commands), &QPushButton::clicked, this, &frmAnnex::back);
    connect(button(QStringLiteral("Cancel"), commands), &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(commands);

    showSheet();
    // A full-size editor: the screen's working area, maximised where a window manager allows.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size() * 0.95);
    setWindowState(windowState() | Qt::WindowMaximized);
    // Buttons take Enter only when they have the focus: in the grid Enter moves to the next cell.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    if (!converted.isEmpty()) {
        // A long schedule names its first changes and counts the rest.
        constexpr int kNamed = 20;
        QString text = QStringLiteral("Entries of an earlier version are shown as the current list names "
                                      "them; the clause keeps the old entries until you choose Back:\n") +
                       converted.mid(0, kNamed).join(u'\n');
        if (converted.size() > kNamed)
            text += QStringLiteral("\nand %1 more.").arg(converted.size() - kNamed);
        prompts().inform(text);
    }
}

QTableWidget *frmAnnex::table() const
{
    return vsAnnex;
}

QStringList frmAnnex::convertEarlierEntries()
{
    const QList<Catalogue::Column> &own = m_grid.columns();
    QStringList changed;
    for (int c = 0; c < own.size() && c < m_sheet.columns.size(); ++c) {
        if (own.at(c).list.isEmpty() || m_sheet.columns.at(c).userDefined)
            continue;
        for (int r = 0; r < m_sheet.rows.size(); ++r) {
            QStringList &row = m_sheet.rows[r];
            if (c >= row.size())
                continue;
            const QString current = m_lists.current(own.at(c).list, row.at(c));
            if (current == row.at(c))
                continue;
            changed << QStringLiteral("Row %1, %2: \"%3\" is now \"%4\"")
                           .arg(QString::number(r + 1), m_sheet.columns.at(c).heading, row.at(c), current);
            row[c] = current;
        }
    }
    return changed;
}

std::optional<AnnexDelegate::Choices> frmAnnex::choicesOf(int row, int column)
{
    const QList<Catalogue::Column> &own = m_grid.columns();
    const AnnexureSheetColumn sheetColumn = m_sheet.columns.value(column);
    if (column < own.size() && !sheetColumn.userDefined && !own.at(column).list.isEmpty()) {
        const Catalogue::Column &c = own.at(column);
        const int by = c.dependsOn - 1;
        const QString feed = by >= 0 && vsAnnex->item(row, by) ? vsAnnex->item(row, by)->text() : QString();
        return AnnexDelegate::Choices{m_lists.items(c.list, feed), c.editable || m_lists.isEditable(c.list)};
    }
    if (sheetColumn.type == 6)
        return AnnexDelegate::Choices{sheetColumn.items, false};
    return std::nullopt;
}

void frmAnnex::showSheet()
{
    m_showing = true;
    vsAnnex->clear();
    vsAnnex->setColumnCount(int(m_sheet.columns.size()));
    vsAnnex->setRowCount(int(m_sheet.rows.size()));
    for (int c = 0; c < m_sheet.columns.size(); ++c) {
        const AnnexureSheetColumn &column = m_sheet.columns.at(c);
        vsAnnex->setHorizontalHeaderItem(c, new QTableWidgetItem(column.heading));
        vsAnnex->setColumnWidth(c, column.width > 0 ? column.width : 120);
        vsAnnex->setColumnHidden(c, column.hidden);
    }
    for (int r = 0; r < m_sheet.rows.size(); ++r)
        for (int c = 0; c < m_sheet.columns.size(); ++c) {
            auto *item = new QTableWidgetItem(m_sheet.rows.at(r).value(c));
            item->setTextAlignment(alignmentOf(m_sheet.columns.at(c).alignment));
            vsAnnex->setItem(r, c, item);
        }
    m_showing = false;
    if (m_frame)
        showBlockLists(vsAnnex->currentRow());
}

void frmAnnex::readTable()
{
    m_sheet.rows.clear();
    for (int r = 0; r < vsAnnex->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < vsAnnex->columnCount(); ++c)
            cells << (vsAnnex->item(r, c) ? vsAnnex->item(r, c)->text() : QString());
        m_sheet.rows << cells;
    }
}

void frmAnnex::cellEdited(int row, int column)
{
    if (m_showing)
        return;
    QTableWidgetItem *item = vsAnnex->item(row, column);
    if (!item)
        return;
    const QString kept = m_sheet.format(column, item->text());
    const QString why = m_sheet.refusal(column, kept);
    m_showing = true;
    item->setText(kept);
    item->setTextAlignment(alignmentOf(m_sheet.columns.value(column).alignment));
    m_showing = false;
    if (!why.isEmpty()) {
        // The cell stays selected for correction; nothing goes to the grid before Back.
        prompts().message(why, {}, PromptIcon::Warning);
        vsAnnex->keepCell(row, column);
    }
}

void frmAnnex::addRow()
{
    const int row = vsAnnex->currentRow() >= 0 ? vsAnnex->currentRow() + 1 : vsAnnex->rowCount();
    vsAnnex->insertRow(row);
    vsAnnex->setCurrentCell(row, 0);
    // The keyboard goes to the new row, not to the button that made it.
    vsAnnex->setFocus();
}

void frmAnnex::deleteRow()
{
    if (vsAnnex->currentRow() >= 0)
        vsAnnex->removeRow(vsAnnex->currentRow());
    vsAnnex->setFocus();
}

void frmAnnex::moveRow(int offset)
{
    const int row = vsAnnex->currentRow();
    if (row < 0)
        return;
    vsAnnex->moveRow(row, qBound(0, row + offset, vsAnnex->rowCount() - 1));
    vsAnnex->setFocus();
}

QStringList frmAnnex::rowCells(int row) const
{
    QStringList cells;
    for (int c = 0; c < vsAnnex->columnCount(); ++c)
        cells << (vsAnnex->item(row, c) ? vsAnnex->item(row, c)->text() : QString());
    return cells;
}

void frmAnnex::setRowCells(int row, const QStringList &cells)
{
    m_showing = true;
    for (int c = 0; c < cells.size() && c < vsAnnex->columnCount(); ++c) {
        if (!vsAnnex->item(row, c))
            vsAnnex->setItem(row, c, new QTableWidgetItem);
        vsAnnex->item(row, c)->setText(cells.at(c));
    }
    m_showing = false;
}

void frmAnnex::showBlockLists(int row)
{
    m_blockRow =
        row >= 0 && row < vsAnnex->rowCount() && DepreciationRules::isBlockRow(rowCells(row)) ? row : -1;
    if (m_blockRow < 0) {
        m_frame->showBlock(QString(), QString(), QString());
        return;
    }
    const QStringList cells = rowCells(row);
    m_frame->showBlock(cells.value(Clause18::Description), cells.value(Clause18::AdditionsList),
                       cells.value(Clause18::DeductionsList));
}

void frmAnnex::acceptAdditions()
{
    if (m_blockRow < 0)
        return;
    QStringList cells = rowCells(m_blockRow);
    Clause18::applyAdditions(cells, m_frame->additions(), cutOff());
    setRowCells(m_blockRow, cells);
    m_frame->showAdditions(cells.value(Clause18::AdditionsList));
}

void frmAnnex::acceptDeductions()
{
    if (m_blockRow < 0)
        return;
    QStringList cells = rowCells(m_blockRow);
    Clause18::applyDeductions(cells, m_frame->deductions());
    setRowCells(m_blockRow, cells);
    m_frame->showDeductions(cells.value(Clause18::DeductionsList));
}

void frmAnnex::addColumn()
{
    readTable();
    AnnexureSheetColumn column;
    column.heading = m_sheet.newColumnHeading();
    column.userDefined = true;
    txtHeading->setText(column.heading);
    cboType->setCurrentIndex(column.type);
    cboAlign->setCurrentIndex(column.alignment - 1);
    txtItems->clear();
    vsCol->show();
    txtHeading->setFocus();
}

bool frmAnnex::confirmColumn()
{
    const QString heading = txtHeading->text().trimmed();
    if (heading.isEmpty()) {
        prompts().message(QStringLiteral("Please enter column heading."), {}, PromptIcon::Warning);
        return false;
    }
    if (cboType->currentIndex() < 1) {
        prompts().message(QStringLiteral("Please select column data."), {}, PromptIcon::Warning);
        return false;
    }
    QStringList items;
    for (const QString &item : txtItems->text().split(u';'))
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    if (cboType->currentIndex() == 6 && items.isEmpty()) {
        prompts().message(QStringLiteral("Please enter list details."), {}, PromptIcon::Warning);
        return false;
    }
    readTable();
    AnnexureSheetColumn column;
    column.heading = heading;
    column.type = cboType->currentIndex();
    column.alignment = cboAlign->currentIndex() + 1;
    column.items = column.type == 6 ? items : QStringList();
    column.userDefined = true;
    m_sheet.columns << column;
    for (QStringList &row : m_sheet.rows)
        row << QString();
    vsCol->hide();
    showSheet();
    return true;
}

void frmAnnex::cancelColumn()
{
    vsCol->hide();
}

void frmAnnex::deleteColumn()
{
    const int column = vsAnnex->currentColumn();
    if (column < 0 || column >= m_sheet.columns.size())
        return;
    if (!m_sheet.columns.at(column).userDefined) {
        prompts().message(QStringLiteral("It is default column, you can not delete it."), {},
                          PromptIcon::Warning);
        return;
    }
    if (!prompts().askYesNo(QStringLiteral("Do you want to delete this column.?")))
        return;
    readTable();
    m_sheet.columns.removeAt(column);
    for (QStringList &row : m_sheet.rows)
        if (column < row.size())
            row.removeAt(column);
    showSheet();
}

int frmAnnex::lineColumn() const
{
    const QList<Catalogue::Column> &columns = m_grid.columns();
    for (int c = 0; c < columns.size(); ++c)
        if (columns.at(c).list == QLatin1String("subSectors") && columns.at(c).dependsOn > 0)
            return c;
    return -1;
}

int frmAnnex::sectorColumn() const
{
    const int line = lineColumn();
    return line < 0 ? -1 : m_grid.columns().at(line).dependsOn - 1;
}

void frmAnnex::search()
{
    const int row = vsAnnex->currentRow();
    if (lineColumn() < 0)
        return;
    if (row < 0 || vsAnnex->rowCount() == 0) {
        prompts().inform(QStringLiteral("First Add Row Then Search."));
        return;
    }
    const auto text = [this, row](int column) {
        return vsAnnex->item(row, column) ? vsAnnex->item(row, column)->text() : QString();
    };
    BusinessCodeSearch dialog(text(sectorColumn()), text(lineColumn()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    vsAnnex->setItem(row, sectorColumn(), new QTableWidgetItem(dialog.chosenSector().name));
    vsAnnex->setItem(row, lineColumn(), new QTableWidgetItem(dialog.chosenLine().name));
    vsAnnex->setCurrentCell(row, lineColumn());
}

QDate frmAnnex::cutOff() const
{
    return DepreciationCutOff::cutOff(ReportKey::current().secondDate());
}

void frmAnnex::print()
{
    readTable();
    AnnexureReport::Heading heading;
    heading.caption = windowTitle();
    if (hasHost()) {
        heading.clientName = host().ClientName();
        heading.clientAddress = host().vAddr_Full();
        heading.yearKey = host().yearKey();
    }
    ReportEngine engine;
    AnnexureReport::build(engine, heading, m_sheet);
}

void frmAnnex::exportToExcel()
{
    readTable();
    const QString path = AnnexureExchange::askExportPath(m_clause);
    if (path.isEmpty())
        return;
    const AnnexureLayout layout = m_clause == QLatin1String("18")
                                      ? AnnexureExchange::layoutOf(m_clause, m_grid.columns())
                                      : m_sheet.layout();
    AnnexureExchange::exportRows(m_clause, layout, m_sheet.rows, path);
}

void frmAnnex::importFromExcel()
{
    readTable();
    const QString path = AnnexureExchange::askImportPath();
    if (path.isEmpty())
        return;
    const AnnexureLayout layout = m_clause == QLatin1String("18")
                                      ? AnnexureExchange::layoutOf(m_clause, m_grid.columns())
                                      : m_sheet.layout();
    const std::optional<QList<QStringList>> rows =
        AnnexureExchange::importRows(m_clause, layout, path, cutOff());
    if (!rows)
        return;
    m_sheet.rows = *rows;
    showSheet();
    prompts().inform(SharedMessages::importSuccessfully());
}

void frmAnnex::back()
{
    readTable();
    // Rows left wholly empty are not data.
    m_sheet.rows.removeIf([](const QStringList &row) {
        return std::all_of(row.begin(), row.end(),
                           [](const QString &cell) { return cell.trimmed().isEmpty(); });
    });
    m_grid.setAllRows(m_sheet.gridRows());
    ClauseAnnexureFiles::write(m_folder, m_clause, m_sheet);
    accept();
}

void frmAnnex::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        if (prompts().askYesNo(QStringLiteral("Do you want to exit.?")))
            reject();
        return;
    }
    QDialog::keyPressEvent(event);
}
