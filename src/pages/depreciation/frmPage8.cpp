#include "frmPage8.h"

#include "model/rules/ConcessionalRegime.h"
#include "model/rules/PageRules.h"
#include "pages/ClauseGrid.h"
#include "pages/ClauseSection.h"

#include <QLabel>
#include <QVBoxLayout>
#include <stdexcept>

frmPage8::frmPage8(QWidget *parent) : ClausePage(*ClauseCatalogue::instance().page(8), 8, 8, parent)
{
    ClauseSection *clause19 = section(QStringLiteral("19"));
    if (!clause19 || clause19->grids().isEmpty())
        throw std::logic_error("The catalogue has no grid of clause 19 on page 8.");
    m_grd19 = clause19->grids().first();
    m_notice = new QLabel(clause19);
    m_notice->setObjectName(QStringLiteral("lblRegime19"));
    m_notice->setWordWrap(true);
    m_notice->setStyleSheet(QStringLiteral("color: #9c2f00;"));
    m_notice->hide();
    static_cast<QVBoxLayout *>(clause19->layout())->insertWidget(1, m_notice);
}

QString frmPage8::regime() const
{
    return ConcessionalRegime::optedSection(report());
}

void frmPage8::adjustForRegime()
{
    const QString opted = regime();
    m_notice->setVisible(!opted.isEmpty());
    if (opted.isEmpty())
        return;
    m_notice->setText(QStringLiteral("Opted for taxation U/S %1: deduction U/S %2 is not allowed. Report the "
                                     "amount debited to profit and loss account with amount admissible 0.")
                          .arg(opted, ConcessionalRegime::barredSections(opted).join(QStringLiteral(", "))));
}

void frmPage8::DisplayData()
{
    ClausePage::DisplayData();
    adjustForRegime();
}

void frmPage8::showEvent(QShowEvent *event)
{
    // Clause 8a may have been answered on page 2 since this page was last shown.
    adjustForRegime();
    ClausePage::showEvent(event);
}

bool frmPage8::validateForm(bool show)
{
    return passes(PageRules::clause19, m_grd19) && ClausePage::validateForm(show);
}
