#pragma once

#include "catalogue/AssesseeRow.h"
#include "model/parta/ClientMaster.h"

#include <QGroupBox>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The assessee's name, address, PAN and Aadhaar on a report page, in the columns of the rows
// "3CA1A" and "3CBPT1A". The department's codes of the district, post office and locality
// are typed by the accountant (no list of them is at hand) and never taken from the master. Ticks take the
// name (and on Form 3CB the address) from the client master as it stands. The PAN is checked when the user
// leaves it.
class AssesseeBox : public QGroupBox
{
    Q_OBJECT
public:
    // The fields in the order the box shows them; each holds one column of the assessee row.
    enum Field {
        FirstName,
        MiddleName,
        LastName,
        Country,
        AddressLine1,
        AddressLine2,
        Pin,
        PostOffice,
        Area,
        District,
        State,
        PAN,
        Aadhaar,
        DistrictCode,
        PostOfficeCode,
        AreaCode,
        FieldCount
    };

    AssesseeBox(const QString &panName, bool withAddressTick, QWidget *parent = nullptr);

    // The fields as an assessee row, and back.
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

    // The field that shows a column of the assessee row (its place in the row, from 0).
    QWidget *fieldAt(int index) const;
    // False when a PAN or Aadhaar is typed that cannot be one, or a country or state that is
    // not on its list, after telling the user; run at every save, with or without validation.
    bool checkValues();

private:
    QLineEdit *addEdit(const QString &name);
    void checkPan();
    // The field's place in the assessee row (from 0).
    static int columnOf(Field f);

    ClientMaster m_master;
    QList<QWidget *> m_fields; // by Field
    QComboBox *m_state;
    QCheckBox *m_nameTick;
    QCheckBox *m_addressTick = nullptr;
};
