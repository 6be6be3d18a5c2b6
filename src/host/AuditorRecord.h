#pragma once

#include <QStringList>

class Database;

// The layout of the host's 39-field auditor record (vArrOutValue 0 to 38).
namespace AuditorRecord
{

enum Field {
    Name = 0,
    MembershipNo = 1,
    FirmName = 2,
    FirmRegNo = 3,
    AddressLine1 = 4,
    AddressLine2 = 5,
    City = 6,
    Country = 7,
    State = 8,
    Pincode = 9,
    PostOffice = 10,
    Locality = 11,
    District = 12,
    PAN = 13,
    Email = 14,
    Phone = 15,
    Mobile = 16,
    Designation = 17, // "Proprietor" or "Partner"
    Aadhaar = 18,
    FieldCount = 39
};

// Captions of the named fields, for the auditor master screens.
const QStringList &captions();

// Makes the auditor (by his code in the auditor master) the client's auditor of that type
// ("I" individual, "F" firm) for the year, in place of any before him.
void assign(Database &db, const QString &client, const QString &year, const QString &type,
            const QString &auditorCode);

} // namespace AuditorRecord
