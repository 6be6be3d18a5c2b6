#include "ClauseSelectionDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ClauseSelectionDialog::ClauseSelectionDialog(const QString &sourceClient,
                                             const QList<ReportCarry::Offer> &offers, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmImportSelect"));
    setWindowTitle(tr("Import from another client"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Clauses of the report of client %1").arg(sourceClient), this);
    heading->setTextFormat(Qt::PlainText);
    layout->addWidget(heading);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstClauses"));
    m_list->setWordWrap(true);
    m_list->setAlternatingRowColors(true);
    for (const ReportCarry::Offer &offer : offers) {
        auto *item = new QListWidgetItem(offer.label + QStringLiteral("  ") + offer.caption, m_list);
        item->setData(Qt::UserRole, offer.key);
        item->setToolTip(offer.caption);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(m_list, 1);

    auto *ticks = new QHBoxLayout;
    auto *all = new QPushButton(tr("Select &All"), this);
    all->setObjectName(QStringLiteral("cmdSelectAll"));
    connect(all, &QPushButton::clicked, this, [this] { setAllTicked(true); });
    auto *none = new QPushButton(tr("Clear A&ll"), this);
    none->setObjectName(QStringLiteral("cmdClearAll"));
    connect(none, &QPushButton::clicked, this, [this] { setAllTicked(false); });
    ticks->addWidget(all);
    ticks->addWidget(none);
    ticks->addStretch();
    layout->addLayout(ticks);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("cmdImport"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 560);
}

QStringList ClauseSelectionDialog::ticked() const
{
    QStringList keys;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            keys << m_list->item(i)->data(Qt::UserRole).toString();
    }
    return keys;
}

void ClauseSelectionDialog::setAllTicked(bool ticked)
{
    for (int i = 0; i < m_list->count(); ++i)
        m_list->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

QStringList ClauseSelectionDialog::choose(const QString &sourceClient,
                                          const QList<ReportCarry::Offer> &offers)
{
    ClauseSelectionDialog dialog(sourceClient, offers, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted ? dialog.ticked() : QStringList();
}
