#include "SpecialCharDialog.h"

#include "base/Prompt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

SpecialCharDialog::SpecialCharDialog(QWidget *parent) : QDialog(parent), m_grid(new QTableWidget(0, 2, this))
{
    setWindowTitle(QStringLiteral("Special Characters"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Character"), QStringLiteral("Replace With")});
    m_grid->horizontalHeader()->setStretchLastSection(true);

    auto *add = new QPushButton(QStringLiteral("&Add"), this);
    auto *remove = new QPushButton(QStringLiteral("&Delete"), this);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    connect(add, &QPushButton::clicked, this, &SpecialCharDialog::addPair);
    connect(remove, &QPushButton::clicked, this, &SpecialCharDialog::deletePair);
    connect(ok, &QPushButton::clicked, this, &SpecialCharDialog::acceptList);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    setPairs(SpecialCharacters::load());
}

void SpecialCharDialog::setPairs(const QList<SpecialCharacters::Pair> &pairs)
{
    m_grid->setRowCount(0);
    for (const SpecialCharacters::Pair &p : pairs) {
        const int r = m_grid->rowCount();
        m_grid->insertRow(r);
        m_grid->setItem(r, 0, new QTableWidgetItem(p.character));
        m_grid->setItem(r, 1, new QTableWidgetItem(p.replacement));
    }
}

QList<SpecialCharacters::Pair> SpecialCharDialog::pairs() const
{
    QList<SpecialCharacters::Pair> list;
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        const QString c = m_grid->item(r, 0) ? m_grid->item(r, 0)->text() : QString();
        if (!c.isEmpty())
            list << SpecialCharacters::Pair{c, m_grid->item(r, 1) ? m_grid->item(r, 1)->text() : QString()};
    }
    return list;
}

void SpecialCharDialog::addPair()
{
    const int r = m_grid->rowCount();
    m_grid->insertRow(r);
    m_grid->setCurrentCell(r, 0);
    m_grid->editItem(m_grid->item(r, 0));
}

void SpecialCharDialog::deletePair()
{
    if (m_grid->currentRow() >= 0)
        m_grid->removeRow(m_grid->currentRow());
}

void SpecialCharDialog::acceptList()
{
    if (!SpecialCharacters::save(pairs())) {
        prompts().message(
            QStringLiteral("Could not save the list to [%1].").arg(SpecialCharacters::listFile()), {},
            PromptIcon::Critical);
        return;
    }
    accept();
}
