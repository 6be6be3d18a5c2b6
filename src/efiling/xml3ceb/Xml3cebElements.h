#pragma once

#include <QString>

// The elements of Form 3CEB's e-filing XML that frame what the catalogue lists: the writer
// writes them and the reader finds its way by them.
namespace Xml3cebElements
{

inline const QString SectionCode = QStringLiteral("SectionCode");
// The group's first elements, which name it (a transaction's type and amount type).
inline const QString UniqueId = QStringLiteral("UniqueId");
inline const QString TransactionType = QStringLiteral("TransactionType");
inline const QString Enterprises = QStringLiteral("ListAssociatedEnterprises");
inline const QString Transactions = QStringLiteral("ListAssociatedTransactions");
inline const QString Flags = QStringLiteral("Form3CEBFlags");
inline const QString Declaration = QStringLiteral("Declaration");

} // namespace Xml3cebElements
