#include "DemoAddressCodes.h"

#include "catalogue/ClauseCatalogue.h"
#include "store/ClauseTables.h"
#include "store/Database.h"

namespace DemoData
{

namespace
{

void enterCodes(Database &db, const QString &table, const QString &client, int page, const QString &point,
                const QHash<QString, int> &a)
{
    const int country = a.value(QStringLiteral("country"));
    for (const auto &[part, code] : {std::pair{"cityCode", "9001"}, std::pair{"postOfficeCode", "9002"},
                                     std::pair{"localityCode", "9003"}}) {
        const QString col = QStringLiteral("Col%1").arg(a.value(QLatin1String(part)));
        db.Execute(QStringLiteral("UPDATE %1 SET %2=? WHERE Code_No=? AND PageNo=? AND PointNo=? "
                                  "AND upper(Col%3)='INDIA' AND (%2 IS NULL OR %2='')")
                       .arg(table, col)
                       .arg(country),
                   {QString::fromLatin1(code), client, QString::number(page), point});
    }
}

void enterCodes(Database &db, const QString &table, const QString &client, int page, const QString &point,
                const QList<Catalogue::JsonMember> &members)
{
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    for (const Catalogue::JsonMember &m : members) {
        if (m.as == Catalogue::MemberKind::Object) {
            enterCodes(db, table, client, page, point, m.members);
        } else if (m.as == Catalogue::MemberKind::Address) {
            for (const QString &form : {QStringLiteral("3CA"), QStringLiteral("3CB")}) {
                const Catalogue::PointRef ref =
                    catalogue.resolve(m.point.isEmpty() ? point : m.point, m.page ? m.page : page, form);
                enterCodes(db, table, client, ref.page, ref.point, m.address);
            }
        }
    }
}

} // namespace

void enterAddressCodes(Database &db, const QString &client, const QString &yearKey)
{
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    const QString table = ClauseTables::clauseTableName(yearKey);
    if (!db.tableNames().contains(table))
        return;
    QList<const Catalogue::JsonBlock *> blocks;
    for (const Catalogue::JsonBlock &block : catalogue.jsonBlocks())
        blocks << &block;
    for (const QString &form : {QStringLiteral("3CA"), QStringLiteral("3CB")})
        blocks << catalogue.declaration(form);
    for (const Catalogue::JsonBlock *block : blocks) {
        for (const Catalogue::JsonPart &part : block->parts)
            enterCodes(db, table, client, part.page, part.point, part.members);
    }
}

} // namespace DemoData
