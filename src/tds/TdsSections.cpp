#include "TdsSections.h"

#include "catalogue/ClauseCatalogue.h"

#include <QHash>
#include <QStringList>

TdsSection TdsSection::of(const QString &productCode)
{
    static const QHash<QString, TdsSection> subCodes{
        {QStringLiteral("194BA-P"),
         {QStringLiteral("194BA"), QStringLiteral("Net winnings from online games in kind")}},
        {QStringLiteral("194B-P"),
         {QStringLiteral("194B"), QStringLiteral("Winnings from lottery or crossword puzzle in kind")}},
        {QStringLiteral("194LC (2)(i) and (ia)"),
         {QStringLiteral("194LC"),
          QStringLiteral("Interest from Indian company on foreign currency loan or bond")}},
        {QStringLiteral("194LC (2)(ib)"),
         {QStringLiteral("194LC"), QStringLiteral("Interest from Indian company on rupee denominated bond")}},
        {QStringLiteral("194LC (2)(ic)"),
         {QStringLiteral("194LC"),
          QStringLiteral("Interest on long-term bond listed on a recognised exchange in IFSC")}},
        {QStringLiteral("194NC"),
         {QStringLiteral("194N"),
          QStringLiteral("Payment of certain amounts in cash to co-operative societies")}},
        {QStringLiteral("194N-FT"),
         {QStringLiteral("194N"),
          QStringLiteral("Payment of certain amounts in cash to non-filers of return")}},
        {QStringLiteral("194RP"),
         {QStringLiteral("194R"), QStringLiteral("Benefit or perquisite paid in kind")}},
        {QStringLiteral("194SP"),
         {QStringLiteral("194S"), QStringLiteral("Payment on transfer of virtual digital asset in kind")}},
        {QStringLiteral("196D(1A)"),
         {QStringLiteral("196D"), QStringLiteral("Income of specified fund from securities")}},
    };
    const QString code = productCode.trimmed();
    const auto sub = subCodes.constFind(code);
    if (sub != subCodes.constEnd())
        return *sub;
    const QList<Catalogue::CodeEntry> natures =
        ClauseCatalogue::instance().codeTable(QStringLiteral("tdsNature"));
    for (const Catalogue::CodeEntry &entry : natures)
        if (entry.code.compare(code, Qt::CaseInsensitive) == 0)
            return {entry.code, entry.text};
    return {QStringLiteral("Other"), QStringLiteral("Other")};
}

bool TdsSection::onlyIfAuditedBefore() const
{
    static const QStringList sections{QStringLiteral("194A"), QStringLiteral("194C"), QStringLiteral("194H"),
                                      QStringLiteral("194-I"), QStringLiteral("194J")};
    return sections.contains(section);
}
