#include "ObservationsBox.h"

#include "catalogue/FormWording.h"
#include "pages/ClauseGrid.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
Catalogue::Control gridDefinition(const QString &point)
{
    Catalogue::Control control;
    control.type = Catalogue::ControlType::Grid;
    control.point = point;
    control.name = QStringLiteral("grd") + point;
    Catalogue::Column type;
    type.heading = FormWording::Observations;
    type.kind = Catalogue::Kind::List;
    // The catalogue's code table of qualification types, the one the e-filing writer codes.
    type.list = QStringLiteral("observation");
    type.editable = true;
    type.width = 460;
    type.hint = QStringLiteral("Choose the type of the observation or qualification, or type it");
    Catalogue::Column details;
    details.heading = QStringLiteral("Details");
    details.width = 420;
    details.hint = QStringLiteral("The observation or qualification as it is to be reported");
    control.columns = {type, details};
    return control;
}
} // namespace

ObservationsBox::ObservationsBox(const QString &point, ReportModel &report, int page, QWidget *parent)
    : QGroupBox(FormWording::Observations, parent)
{
    setObjectName(QStringLiteral("fraQual"));
    m_grid = new ClauseGrid(gridDefinition(point), m_lists, report, page, this);
    m_grid->setMinimumHeight(160);
    auto *add = new QPushButton(tr("Add Row"), this);
    add->setObjectName(QStringLiteral("cmdAddQual"));
    auto *remove = new QPushButton(tr("Remove Row"), this);
    remove->setObjectName(QStringLiteral("cmdRemoveQual"));
    connect(add, &QPushButton::clicked, m_grid, &ClauseGrid::addRow);
    connect(remove, &QPushButton::clicked, m_grid, &ClauseGrid::removeCurrentRow);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons);
}
