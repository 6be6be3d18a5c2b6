#pragma once

#include <QString>

// The section a TDS product's code stands for, with the nature of payment the lists write
// beside it. The product's sub-codes ("194LC (2)(ib)", "194RP", …) fall under their section
// with a nature of their own; an unknown code is reported under "Other".
struct TdsSection {
    QString section;
    QString nature;

    static TdsSection of(const QString &productCode);
    // An individual or Hindu undivided family deducts under this section only when its
    // accounts were audited under section 44AB in the preceding year (interest other than on
    // securities, contractors, commission, rent, professional fees).
    bool onlyIfAuditedBefore() const;
};
