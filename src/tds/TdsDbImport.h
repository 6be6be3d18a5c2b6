#pragma once

#include "TdsLists.h"

// What the import of TDS details from the TDS product's database needs of that database
// beyond the lists themselves (TdsLists::build): the due dates it records.
namespace TdsDbImport
{

// Why a corrected due date of the return of income is refused; empty when it is a date.
QString dueDateRefusal(const QString &text);

// The due date of the return of income for an assessment year as the product records it.
QString returnDueDate(TdsSource &source, const QString &assessmentYear);

} // namespace TdsDbImport
