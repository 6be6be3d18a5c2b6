#pragma once

#include <QList>
#include <QStringList>

// Clause 21(c) from the host's income-tax computation (income_business): for each
// business, a row for the partners' remuneration and one for the interest when the
// computation allowed or disallowed any.
namespace Clause21cImport
{

// Rows of grd21c: particulars, section, amount debited (allowed + disallowed), amount
// admissible (allowed), amount inadmissible (disallowed), remarks; amounts in whole
// rupees. Empty when the client has no business records for the year.
QList<QStringList> rows(const QString &client, const QString &yearKey);

} // namespace Clause21cImport
