#pragma once

#include "catalogue/AssesseeRow.h"
#include "model/parta/ClientMaster.h"

#include <QGroupBox>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The assessee's name, address, PAN and Aadhaar on a report page, in the thirteen columns
// of the rows "3CA1A" and "3CBPT1A". Ticks take the name (and on Form 3CB the address)
// from the client master as it stands. The PAN is checked when the user leaves it.
class AssesseeBox : public QGroupBox
{
    Q_OBJECT
public:
    // The fields from 0, in the columns of the assessee row.
    enum Field {
        FirstName = AssesseeRow::index(AssesseeRow::FirstName),
        MiddleName = AssesseeRow::index(AssesseeRow::MiddleName),
        LastName = AssesseeRow::index(AssesseeRow::LastName),
        Country = AssesseeRow::index(AssesseeRow::Country),
        AddressLine1 = AssesseeRow::index(AssesseeRow::AddressLine1),
        AddressLine2 = AssesseeRow::index(AssesseeRow::AddressLine2),
        Pin = AssesseeRow::index(AssesseeRow::Pin),
        PostOffice = AssesseeRow::index(AssesseeRow::PostOffice),
        Area = AssesseeRow::index(AssesseeRow::Area),
        District = AssesseeRow::index(AssesseeRow::District),
        State = AssesseeRow::index(AssesseeRow::State),
        PAN = AssesseeRow::index(AssesseeRow::PAN),
        Aadhaar = AssesseeRow::index(AssesseeRow::Aadhaar),
        FieldCount = AssesseeRow::ColumnCount
    };

    // The messages of the page's rules, in the order they are checked.
    struct Messages {
        QString name, address, postOffice, area, district, pan;
    };

    AssesseeBox(const QString &panName, bool withAddressTick, QWidget *parent = nullptr);

    QStringList values() const;
    void setValues(const QStringList &columns);
    QWidget *field(Field f) const { return m_fields.at(f); }
    QString text(Field f) const;

    // The client master the ticks take their values from.
    void setMaster(const ClientMaster &master) { m_master = master; }
    QCheckBox *nameTick() const { return m_nameTick; }
    QCheckBox *addressTick() const { return m_addressTick; }
    // Applies the ticks as they are set: ticked parts come from the master and are locked.
    void applyTicks();

    // False at the first rule broken, after telling the user.
    bool validate(const Messages &messages);
    // False when a PAN or Aadhaar is typed that cannot be one, or a country or state that is
    // not on its list, after telling the user; run at every save, with or without validation.
    bool checkValues();

private:
    QLineEdit *addEdit(const QString &name);
    void checkPan();

    ClientMaster m_master;
    QList<QWidget *> m_fields; // by Field
    QComboBox *m_state;
    QCheckBox *m_nameTick;
    QCheckBox *m_addressTick = nullptr;
};
