#include "ClientMaster.h"

#include "catalogue/AssesseeRow.h"
#include "host/HostContext.h"
#include "model/rules/AssesseeStatuses.h"
#include "store/Database.h"

#include <optional>

namespace
{

QString joined(const QStringList &parts)
{
    QStringList kept;
    for (const QString &p : parts) {
        if (!p.trimmed().isEmpty())
            kept << p.trimmed();
    }
    return kept.join(QStringLiteral(", "));
}

// The master keeps one row per client and year, numbered by `count`; the year's row is
// the one whose year ends on SecondDate ("31032026").
std::optional<int> yearCount(Database &db, const QString &client, const QString &secondDate)
{
    Recordset rs = db.Execute(QStringLiteral("SELECT count FROM master WHERE Code_No=? AND s_yr=?"),
                              {client, QString(secondDate).remove(u'/')});
    if (rs.Eof())
        return std::nullopt;
    return rs.Fields(0).toInt();
}

} // namespace

ClientMaster ClientMaster::read()
{
    HostContext &h = host();
    return read(h.Temp_Code(), h.SecondDate());
}

ClientMaster ClientMaster::read(const QString &client, const QString &secondDate)
{
    Database &db = host().DBObj();
    ClientMaster m;
    Recordset rs = db.Execute(
        QStringLiteral(
            "SELECT Name, PAN, Aadhaar, Status, Flat, Building, Street, Area, District, PostOffice, "
            "State, Pin, Country, Type_PL FROM main_info1 WHERE Code_No=?"),
        {client});
    if (!rs.Eof()) {
        m.name = rs.Fields(0).trimmed();
        m.pan = rs.Fields(1).trimmed();
        m.aadhaar = rs.Fields(2).trimmed();
        m.status = rs.Fields(3).trimmed();
        m.addressLine1 = joined({rs.Fields(4), rs.Fields(5)});
        m.addressLine2 = rs.Fields(6).trimmed();
        m.area = rs.Fields(7).trimmed();
        m.district = rs.Fields(8).trimmed();
        m.postOffice = rs.Fields(9).trimmed();
        m.state = rs.Fields(10).trimmed();
        m.pin = rs.Fields(11).trimmed();
        m.country = rs.Fields(12).trimmed();
        m.typeOfAccounts = rs.Fields(13).trimmed();
    }
    // An individual's name is filed in its parts; any other assessee's whole name is its last name.
    const QStringList words = m.name.split(u' ', Qt::SkipEmptyParts);
    if (AssesseeStatuses::isIndividual(m.status) && words.size() > 1) {
        m.firstName = words.first();
        m.lastName = words.last();
        m.middleName = words.mid(1, words.size() - 2).join(u' ');
    } else {
        m.lastName = m.name;
    }

    if (const auto count = yearCount(db, client, secondDate)) {
        Recordset year = db.Execute(
            QStringLiteral("SELECT place, d_of_s FROM master WHERE Code_No=? AND count=?"), {client, *count});
        if (!year.Eof()) {
            m.place = year.Fields(0).trimmed();
            m.signingDate = year.Fields(1).trimmed();
        }
    }
    return m;
}

QStringList ClientMaster::assesseeColumns() const
{
    using namespace AssesseeRow;
    QStringList row = emptyRow();
    row[index(FirstName)] = firstName;
    row[index(MiddleName)] = middleName;
    row[index(LastName)] = lastName;
    row[index(Country)] = country;
    row[index(AddressLine1)] = addressLine1;
    row[index(AddressLine2)] = addressLine2;
    row[index(Pin)] = pin;
    row[index(PostOffice)] = postOffice;
    row[index(Area)] = area;
    row[index(District)] = district;
    row[index(State)] = state;
    row[index(PAN)] = pan;
    row[index(Aadhaar)] = aadhaar;
    return row;
}

void ClientMaster::saveSigning(const QString &place, const QString &date)
{
    HostContext &h = host();
    Database &db = h.DBObj();
    const auto count = yearCount(db, h.Temp_Code(), h.SecondDate());
    if (!count)
        return;
    db.Execute(QStringLiteral("update master set place = ? WHERE Code_No=? AND count=?"),
               {place, h.Temp_Code(), *count});
    db.Execute(QStringLiteral("update master set d_of_s = ? WHERE Code_No=? AND count=?"),
               {date, h.Temp_Code(), *count});
}
