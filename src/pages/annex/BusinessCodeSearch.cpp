#include "BusinessCodeSearch.h"

#include "base/Prompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

constexpr int kSectorRole = Qt::UserRole;
constexpr int kCodeRole = Qt::UserRole + 1;
constexpr int kNameRole = Qt::UserRole + 2;

} // namespace

BusinessCodeSearch::BusinessCodeSearch(const QString &sectorName, const QString &lineName, QWidget *parent)
    : QDialog(parent), m_sectors(BusinessCodes::sectors()),
      m_current(BusinessCodes::find(sectorName, lineName))
{
    setObjectName(QStringLiteral("frmBusinessCode"));
    setWindowTitle(tr("Search Business Code"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    cboSector = new QComboBox(this);
    cboSector->setObjectName(QStringLiteral("cboSector"));
    for (const BusinessCode &sector : std::as_const(m_sectors))
        cboSector->addItem(sector.caption(), sector.code);
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setPlaceholderText(tr("Part of a name or code, to look in every sector"));
    txtFind->setClearButtonEnabled(true);
    form->addRow(tr("&Sector"), cboSector);
    form->addRow(tr("&Find"), txtFind);
    layout->addLayout(form);
    lstCodes = new QListWidget(this);
    lstCodes->setObjectName(QStringLiteral("lstCodes"));
    layout->addWidget(lstCodes, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *choose = buttons->addButton(tr("&Select"), QDialogButtonBox::AcceptRole);
    choose->setObjectName(QStringLiteral("cmdSelect"));
    QPushButton *clear = buttons->addButton(tr("C&lear"), QDialogButtonBox::ResetRole);
    clear->setObjectName(QStringLiteral("cmdClear"));
    clear->setEnabled(!m_current.code.isEmpty());
    buttons->addButton(QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(choose, &QPushButton::clicked, this, &BusinessCodeSearch::select);
    connect(clear, &QPushButton::clicked, this, &BusinessCodeSearch::clearCode);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstCodes, &QListWidget::itemDoubleClicked, this, &BusinessCodeSearch::select);
    connect(cboSector, &QComboBox::currentIndexChanged, this, [this] {
        if (txtFind->text().trimmed().isEmpty())
            showCodes();
    });
    connect(txtFind, &QLineEdit::textChanged, this, &BusinessCodeSearch::showCodes);

    // The row's code, or its sector, is where the search starts.
    if (!m_current.code.isEmpty()) {
        cboSector->setCurrentIndex(cboSector->findData(m_current.sectorCode));
    } else {
        for (int i = 0; i < m_sectors.size(); ++i)
            if (m_sectors.at(i).name.compare(sectorName.trimmed(), Qt::CaseInsensitive) == 0)
                cboSector->setCurrentIndex(i);
    }
    showCodes();
    for (int i = 0; i < lstCodes->count(); ++i)
        if (lstCodes->item(i)->data(kCodeRole).toString() == m_current.code)
            lstCodes->setCurrentRow(i);
    resize(620, 480);
}

void BusinessCodeSearch::showCodes()
{
    const QString typed = txtFind->text().trimmed();
    const QList<BusinessCode> codes = typed.isEmpty()
                                          ? BusinessCodes::codesOf(cboSector->currentData().toString())
                                          : BusinessCodes::search(typed);
    lstCodes->clear();
    for (const BusinessCode &code : codes) {
        auto *item = new QListWidgetItem(code.caption(), lstCodes);
        item->setData(kSectorRole, code.sectorCode);
        item->setData(kCodeRole, code.code);
        item->setData(kNameRole, code.name);
    }
    if (lstCodes->count() > 0)
        lstCodes->setCurrentRow(0);
}

void BusinessCodeSearch::select()
{
    const QListWidgetItem *item = lstCodes->currentItem();
    if (!item) {
        prompts().inform(QStringLiteral("Please select a Business Code."));
        return;
    }
    m_line = {item->data(kCodeRole).toString(), item->data(kNameRole).toString(),
              item->data(kSectorRole).toString()};
    m_sector = BusinessCodes::sector(m_line.sectorCode);
    accept();
}

void BusinessCodeSearch::clearCode()
{
    if (m_current.code.isEmpty())
        return;
    if (!prompts().askYesNo(QStringLiteral("Do you really want to clear selected Business Code '") +
                            m_current.code + QStringLiteral("'")))
        return;
    m_cleared = true;
    accept();
}
