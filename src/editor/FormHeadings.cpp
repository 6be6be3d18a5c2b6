#include "FormHeadings.h"

#include "catalogue/FormWording.h"
#include "store/ReportKey.h"

FormHeadings FormHeadings::of(FormKind kind)
{
    switch (kind) {
    case FormKind::F3CA:
        return {QStringLiteral("Form 3CA - 3CD"),
                QStringLiteral("[Audit Report under Section 44AB of the Income-tax Act, 1961, ") +
                    FormWording::Form3caCase + u']',
                QStringLiteral("e-Filing of Form 3CA-3CD")};
    case FormKind::F3CB:
        return {QStringLiteral("Form 3CB - 3CD"),
                QStringLiteral("[Audit report under Section 44AB of the Income-tax Act, 1961 ") +
                    FormWording::Form3cbCase + u']',
                QStringLiteral("e-Filing of Form 3CB-3CD")};
    case FormKind::F3CEB:
        return {QStringLiteral("Form 3CEB"),
                QStringLiteral(
                    "[Report from an accountant to be furnished under Section 92E relating to international "
                    "transaction(s)]"),
                QStringLiteral("e-Filing of Form 3CEB")};
    default:
        break;
    }
    return {};
}

QString FormHeadings::fullHeading(FormKind kind, const QString &clientName, const QString &yearKey)
{
    return QStringLiteral("%1 of %2 for A.Y. %3")
        .arg(of(kind).heading, clientName, ReportKey::assessmentYearOf(yearKey));
}
