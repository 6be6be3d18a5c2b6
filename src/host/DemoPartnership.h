#pragma once

#include <QString>

namespace DemoData
{

struct PartnershipFirm {
    QString name, pan, addressLine1, addressLine2, pin, postOffice, area, district, state;
};

// The demo partnership firm's Form 3CB-3CD, complete enough to file: the report page with
// an observation, Part A, every clause answered, a few rows in the long lists, the signing
// page. Writes through the clause store for the open form, client and year.
void insertPartnershipReport(const PartnershipFirm &firm, const QString &yearKey);

} // namespace DemoData
