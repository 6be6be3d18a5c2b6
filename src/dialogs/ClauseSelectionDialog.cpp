#include "ClauseSelectionDialog.h"

#include "base/SharedMessages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

enum Column { LabelColumn, WordingColumn };

} // namespace

ClauseSelectionDialog::ClauseSelectionDialog(const QString &sourceClient,
                                             const QList<ReportCarry::Offer> &offers, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmImportSelect"));
    setWindowTitle(SharedMessages::importFromAnotherClient());
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Tick the clauses to take from the report of %1.").arg(sourceClient), this);
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    m_clauses = new QTreeWidget(this);
    m_clauses->setObjectName(QStringLiteral("lstClauses"));
    m_clauses->setColumnCount(2);
    m_clauses->setHeaderLabels({tr("Clause"), tr("Wording")});
    m_clauses->setRootIsDecorated(false);
    m_clauses->setUniformRowHeights(false);
    m_clauses->setWordWrap(true);
    m_clauses->setAlternatingRowColors(true);
    m_clauses->setSelectionMode(QAbstractItemView::SingleSelection);
    m_clauses->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (const ReportCarry::Offer &offer : offers) {
        auto *item = new QTreeWidgetItem(m_clauses, {offer.label, offer.caption});
        item->setData(LabelColumn, Qt::UserRole, offer.key);
        item->setToolTip(WordingColumn, offer.caption);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(LabelColumn, Qt::Unchecked);
    }
    m_clauses->resizeColumnToContents(LabelColumn);
    m_clauses->header()->setStretchLastSection(true);
    connect(m_clauses, &QTreeWidget::itemChanged, this, [this] { showCount(); });
    // Space ticks the current line only when the current cell is the one with the tick box,
    // wherever on the line it was clicked.
    connect(m_clauses->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && current.column() != LabelColumn)
                    m_clauses->setCurrentIndex(current.siblingAtColumn(LabelColumn));
            });
    layout->addWidget(m_clauses, 1);

    auto *ticks = new QHBoxLayout;
    auto *all = new QPushButton(tr("Select &All"), this);
    all->setObjectName(QStringLiteral("cmdSelectAll"));
    connect(all, &QPushButton::clicked, this, [this] { setAllTicked(true); });
    auto *none = new QPushButton(tr("Clear A&ll"), this);
    none->setObjectName(QStringLiteral("cmdClearAll"));
    connect(none, &QPushButton::clicked, this, [this] { setAllTicked(false); });
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblTicked"));
    ticks->addWidget(all);
    ticks->addWidget(none);
    ticks->addSpacing(12);
    ticks->addWidget(m_count);
    ticks->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("cmdImport"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ticks->addWidget(buttons);
    layout->addLayout(ticks);
    showCount();

    // Room for the wording of most clauses on one line, within the screen.
    const QRect screen = (parent ? parent->screen() : QApplication::primaryScreen())->availableGeometry();
    resize(std::min(1280, screen.width() * 9 / 10), std::min(760, screen.height() * 85 / 100));
}

QStringList ClauseSelectionDialog::ticked() const
{
    QStringList keys;
    for (int i = 0; i < m_clauses->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_clauses->topLevelItem(i);
        if (item->checkState(LabelColumn) == Qt::Checked)
            keys << item->data(LabelColumn, Qt::UserRole).toString();
    }
    return keys;
}

void ClauseSelectionDialog::setAllTicked(bool ticked)
{
    for (int i = 0; i < m_clauses->topLevelItemCount(); ++i)
        m_clauses->topLevelItem(i)->setCheckState(LabelColumn, ticked ? Qt::Checked : Qt::Unchecked);
}

void ClauseSelectionDialog::showCount()
{
    const qsizetype count = ticked().size();
    m_count->setText(tr("%1 of %2 ticked").arg(count).arg(m_clauses->topLevelItemCount()));
    m_import->setEnabled(count > 0);
}

QStringList ClauseSelectionDialog::choose(const QString &sourceClient,
                                          const QList<ReportCarry::Offer> &offers)
{
    ClauseSelectionDialog dialog(sourceClient, offers, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted ? dialog.ticked() : QStringList();
}
