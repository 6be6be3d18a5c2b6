#include "AssesseeBox.h"

#include "PageChecks.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "catalogue/ListNames.h"
#include "host/HostContext.h"
#include "model/ListSources.h"
#include "model/rules/CellChecks.h"
#include "pages/ClauseControls.h"
#include "pages/WidgetValues.h"
#include "store/DbError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace
{
const QList<AssesseeBox::Field> kNameFields{AssesseeBox::FirstName, AssesseeBox::MiddleName,
                                            AssesseeBox::LastName};
const QList<AssesseeBox::Field> kAddressFields{
    AssesseeBox::Country,    AssesseeBox::AddressLine1, AssesseeBox::AddressLine2, AssesseeBox::Pin,
    AssesseeBox::PostOffice, AssesseeBox::Area,         AssesseeBox::District,     AssesseeBox::State};
} // namespace

AssesseeBox::AssesseeBox(const QString &panName, bool withAddressTick, QWidget *parent)
    : QGroupBox(tr("Assessee"), parent)
{
    setObjectName(QStringLiteral("fraAssessee"));
    const QStringList names{QStringLiteral("txtFName"), QStringLiteral("txtMName"),
                            QStringLiteral("txtLName"), QStringLiteral("txtCountry"),
                            QStringLiteral("txtAdd1"),  QStringLiteral("txtAdd2"),
                            QStringLiteral("txtPin"),   QStringLiteral("txtPO"),
                            QStringLiteral("txtArea"),  QStringLiteral("txtDistrict")};
    for (const QString &name : names)
        m_fields << addEdit(name);

    m_state = new QComboBox(this);
    m_state->setObjectName(QStringLiteral("cmbState"));
    m_state->setEditable(true);
    m_state->setInsertPolicy(QComboBox::NoInsert);
    try {
        ClauseStore::FillCombo(
            m_state, QStringLiteral("SELECT SName FROM annex_state where id<>? ORDER BY SName"), {37});
    } catch (const DbError &) {
        // Without the look-up the state is typed.
    }
    m_state->setEditText(QString());
    m_fields << m_state;

    QLineEdit *pan = addEdit(panName);
    connect(pan, &QLineEdit::editingFinished, this, &AssesseeBox::checkPan);
    m_fields << pan;
    m_fields << addEdit(QStringLiteral("txtAadhaar"));
    for (const char *name : {"txtDistrictCode", "txtPOCode", "txtAreaCode"})
        m_fields << addEdit(QLatin1String(name));

    m_nameTick = new QCheckBox(tr("Use the name as in the client master"), this);
    m_nameTick->setObjectName(QStringLiteral("chkName"));
    connect(m_nameTick, &QCheckBox::clicked, this, &AssesseeBox::applyTicks);
    if (withAddressTick) {
        m_addressTick = new QCheckBox(tr("Use the address as in the client master"), this);
        m_addressTick->setObjectName(QStringLiteral("chkAdd"));
        connect(m_addressTick, &QCheckBox::clicked, this, &AssesseeBox::applyTicks);
    }

    auto *grid = new QGridLayout(this);
    const QStringList captions{tr("First name"),
                               tr("Middle name"),
                               tr("Last name / Name"),
                               tr("Country"),
                               tr("Address line 1"),
                               tr("Address line 2"),
                               tr("PIN code"),
                               tr("Post office"),
                               tr("Area / Locality"),
                               tr("District"),
                               tr("State"),
                               tr("PAN"),
                               tr("Aadhaar"),
                               tr("District code"),
                               tr("Post office code"),
                               tr("Area / Locality code")};
    for (int f = 0; f < FieldCount; ++f) {
        const int row = f / 3;
        const int column = (f % 3) * 2;
        grid->addWidget(new QLabel(captions.at(f), this), row, column);
        grid->addWidget(m_fields.at(f), row, column + 1);
    }
    auto *ticks = new QHBoxLayout;
    ticks->addWidget(m_nameTick);
    if (m_addressTick)
        ticks->addWidget(m_addressTick);
    ticks->addStretch();
    grid->addLayout(ticks, (FieldCount + 2) / 3, 0, 1, 6);
}

QLineEdit *AssesseeBox::addEdit(const QString &name)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    return edit;
}

QString AssesseeBox::text(Field f) const
{
    return WidgetValues::text(m_fields.at(f)).trimmed();
}

int AssesseeBox::columnOf(Field f)
{
    namespace Row = AssesseeRow;
    static const Row::Column columns[FieldCount] = {
        Row::FirstName,    Row::MiddleName, Row::LastName,   Row::Country,      Row::AddressLine1,
        Row::AddressLine2, Row::Pin,        Row::PostOffice, Row::Area,         Row::District,
        Row::State,        Row::PAN,        Row::Aadhaar,    Row::DistrictCode, Row::PostOfficeCode,
        Row::AreaCode};
    return Row::index(columns[f]);
}

QStringList AssesseeBox::values() const
{
    QStringList out = AssesseeRow::emptyRow();
    for (int f = 0; f < FieldCount; ++f)
        out[columnOf(Field(f))] = text(Field(f));
    return out;
}

void AssesseeBox::setValues(const QStringList &columns)
{
    for (int f = 0; f < FieldCount; ++f) {
        const QString value = columns.value(columnOf(Field(f)));
        if (f == State)
            m_state->setEditText(value);
        else
            WidgetValues::setText(m_fields.at(f), value);
    }
}

void AssesseeBox::applyTicks()
{
    const QStringList master = m_master.assesseeColumns();
    auto apply = [this, &master](const QList<Field> &fields, bool fromMaster) {
        for (Field f : fields) {
            if (fromMaster && f == State)
                m_state->setEditText(master.value(columnOf(f)));
            else if (fromMaster)
                WidgetValues::setText(m_fields.at(f), master.value(columnOf(f)));
            m_fields.at(f)->setEnabled(!fromMaster);
        }
    };
    apply(kNameFields, m_nameTick->isChecked());
    if (m_addressTick)
        apply(kAddressFields, m_addressTick->isChecked());
}

void AssesseeBox::checkPan()
{
    auto *pan = static_cast<QLineEdit *>(m_fields.at(PAN));
    const QString value = pan->text().trimmed().toUpper();
    pan->setText(value);
    if (value.isEmpty() || host().ValidPan(value))
        return;
    prompts().inform(SharedMessages::notAValidPan(value));
    pan->setFocus(Qt::OtherFocusReason);
}

bool AssesseeBox::checkValues()
{
    for (const auto &[field, check] :
         {std::pair{PAN, QStringLiteral("pan")}, std::pair{Aadhaar, QStringLiteral("aadhaar")}}) {
        Catalogue::Column column;
        column.check = check;
        const QString message = CellChecks::message(column, text(field));
        if (!message.isEmpty())
            return PageChecks::refuse(m_fields.at(field), message);
    }
    // The file carries the codes of the country and the state, found by their names; the
    // country is typed here and its code found by the name in capitals.
    ListSources lists;
    for (const auto &[field, list] :
         {std::pair{Country, ListNames::Countries}, std::pair{State, ListNames::AddressStates}}) {
        Catalogue::Column column;
        column.kind = Catalogue::Kind::List;
        column.list = list;
        column.heading = field == Country ? QStringLiteral("Country") : QStringLiteral("State");
        const QString value = field == Country ? text(field).toUpper() : text(field);
        if (!CellChecks::listMessage(column, value, lists).isEmpty())
            return PageChecks::refuse(m_fields.at(field),
                                      CellChecks::listMessage(column, text(field), lists));
    }
    return true;
}

QWidget *AssesseeBox::fieldAt(int index) const
{
    for (int f = 0; f < FieldCount; ++f) {
        if (columnOf(Field(f)) == index)
            return m_fields.at(f);
    }
    return nullptr;
}
