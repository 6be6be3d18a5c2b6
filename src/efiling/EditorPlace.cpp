#include "EditorPlace.h"

#include "catalogue/ClauseCatalogue.h"

namespace EditorPlace
{

namespace
{

using Catalogue::JsonMember;

// The page and point of a member of the block: the member's own, else its part's.
bool findMember(const QList<JsonMember> &members, const QString &name, int page, const QString &point,
                Catalogue::PointRef *found)
{
    for (const JsonMember &m : members) {
        const int p = m.page ? m.page : page;
        const QString pt = m.point.isEmpty() ? point : m.point;
        if (m.name == name) {
            *found = {p, pt};
            return true;
        }
        if (findMember(m.members, name, p, pt, found) || findMember(m.fields, name, p, pt, found))
            return true;
    }
    return false;
}

QString describe(const ClauseCatalogue &catalogue, const Catalogue::PointRef &ref)
{
    const Catalogue::Page *page = catalogue.page(ref.page == 101 ? 1 : ref.page);
    QString text = QStringLiteral("Page %1").arg(ref.page == 101 ? 1 : ref.page);
    if (page && !page->title.isEmpty())
        text += QStringLiteral(" (%1)").arg(page->title);
    if (const Catalogue::Clause *clause = catalogue.clauseOf(ref.page, ref.point))
        text += QStringLiteral(", Clause %1").arg(clause->label);
    return text;
}

} // namespace

QString of(const ValidationFinding &finding, const QString &formCode)
{
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    if (finding.head == QLatin1String("Declaration")) {
        const int page = formCode == QLatin1String("3CB") ? 101 : 1;
        return describe(catalogue, {page, QString()});
    }
    for (const Catalogue::JsonBlock &block : catalogue.jsonBlocks()) {
        if (block.member != finding.head)
            continue;
        Catalogue::PointRef ref{block.parts.value(0).page, block.parts.value(0).point};
        for (const Catalogue::JsonPart &part : block.parts) {
            if (findMember(part.members, finding.member, part.page, part.point, &ref))
                break;
        }
        return describe(catalogue, catalogue.resolve(ref.point, ref.page, formCode));
    }
    return {};
}

} // namespace EditorPlace
