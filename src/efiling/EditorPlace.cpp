#include "EditorPlace.h"

#include "AddressMembers.h"
#include "FrameMembers.h"
#include "catalogue/AddressParts.h"
#include "catalogue/ClauseCatalogue.h"
#include "model/rules/ClauseMessages.h"

#include <QHash>

namespace EditorPlace
{

namespace
{

using Catalogue::JsonBlock;
using Catalogue::JsonMember;

// The page Form 3CB's declaration is kept under; the editor shows it as page 1.
constexpr int kForm3cbDeclarationPage = 101;

QStringList stepsOf(const QString &pointer)
{
    QStringList steps = pointer.split(u'/');
    steps.removeFirst();
    for (QString &s : steps)
        s.replace(QStringLiteral("~1"), QStringLiteral("/"))
            .replace(QStringLiteral("~0"), QStringLiteral("~"));
    return steps;
}

bool isIndex(const QString &step)
{
    bool number = false;
    step.toInt(&number);
    return number;
}

const JsonBlock *blockNamed(const ClauseCatalogue &catalogue, const QString &member, const QString &within)
{
    for (const JsonBlock &block : catalogue.jsonBlocks()) {
        if (block.member == member && block.within == within)
            return &block;
    }
    return nullptr;
}

// A member of one level of a block, with the page and point its values come from.
struct Candidate {
    const JsonMember *member;
    int page;
    QString point;
};

QList<Candidate> levelOf(const QList<JsonMember> &members, int page, const QString &point)
{
    QList<Candidate> level;
    for (const JsonMember &m : members)
        level.append({&m, m.page ? m.page : page, m.point.isEmpty() ? point : m.point});
    return level;
}

// The caption the editor shows for a member's value at a resolved page and point.
QString captionOf(const ClauseCatalogue &catalogue, const JsonMember &member, const Catalogue::PointRef &at)
{
    const Catalogue::Control *control = catalogue.controlOf(at.page, at.point);
    const int column = member.column ? member.column : member.columns.value(0);
    if (control && column > 0) {
        if (column <= control->columns.size())
            return control->columns.at(column - 1).heading;
        if (column <= control->fields.size())
            return control->fields.at(column - 1).caption;
    }
    if (control && !control->caption.isEmpty() && control->columns.isEmpty() && control->fields.isEmpty())
        return control->caption;
    return member.name;
}

// The grid column that holds the code an address member of the file carries
// ("CityOrTownOrDistrict" is the district code the accountant types), or 0.
int addressCodeColumn(const JsonMember &address, const QString &member)
{
    static const QHash<QString, QString> codes{{AddressMembers::District, AddressParts::CityCode},
                                               {AddressMembers::PostOffice, AddressParts::PostOfficeCode},
                                               {AddressMembers::Locality, AddressParts::LocalityCode}};
    if (address.as != Catalogue::MemberKind::Address || !codes.contains(member))
        return 0;
    return address.address.value(codes.value(member));
}

} // namespace

Place locate(const QString &pointer)
{
    QStringList steps = stepsOf(pointer);
    if (steps.value(0) == QLatin1String("data"))
        steps.removeFirst();
    const QString root = steps.value(0);
    if ((root != QLatin1String("FORM3CA") && root != QLatin1String("FORM3CB")) || steps.size() < 3)
        return {};
    const QString formCode = root.mid(4);
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    const JsonBlock *block = steps.at(2) == FrameMembers::Declaration
                                 ? catalogue.declaration(formCode)
                                 : blockNamed(catalogue, steps.at(2), {});
    if (!block || block->parts.isEmpty())
        return {};
    steps = steps.mid(3);
    // A block written inside another block's object is read from there.
    if (const JsonBlock *inner = blockNamed(catalogue, steps.value(0), block->member)) {
        block = inner;
        steps.removeFirst();
    }

    QList<Candidate> level;
    for (const Catalogue::JsonPart &part : block->parts)
        level += levelOf(part.members, part.page, part.point);
    Candidate found{nullptr, block->parts.first().page, block->parts.first().point};
    const JsonMember *list = nullptr; // a list in one cell, once its member is passed
    int listField = -1;
    // One object written as an array of it: that array's index is no row.
    bool wrapperIndex = block->shape == Catalogue::BlockShape::ObjectInArray;
    Place place;
    QString lastName;
    bool lastMatched = false;
    for (const QString &step : steps) {
        if (isIndex(step)) {
            if (wrapperIndex)
                wrapperIndex = false;
            else if (place.row == 0)
                place.row = step.toInt() + 1;
            else if (list && place.entry == 0)
                place.entry = step.toInt() + 1;
            lastName.clear();
            continue;
        }
        lastName = step;
        lastMatched = false;
        // Names not found at this level are wrappers the layout puts around the values.
        for (qsizetype i = 0; i < level.size(); ++i) {
            if (level.at(i).member->name != step)
                continue;
            if (list)
                listField = int(i);
            found = level.at(i);
            lastMatched = true;
            const JsonMember &m = *found.member;
            if (!m.fields.isEmpty()) {
                list = &m;
                level = levelOf(m.fields, found.page, found.point);
            } else {
                level = levelOf(m.members, found.page, found.point);
            }
            break;
        }
    }

    const Catalogue::PointRef at = catalogue.resolve(found.point, found.page, formCode);
    place.page = at.page == kForm3cbDeclarationPage ? 1 : at.page;
    place.point = at.point;
    if (lastMatched && !list && found.member->members.isEmpty()) {
        const Catalogue::Control *control = catalogue.controlOf(at.page, at.point);
        const int column = found.member->column ? found.member->column : found.member->columns.value(0);
        if (control && column > 0 && column <= control->columns.size())
            place.column = column - 1;
    }
    if (const Catalogue::Page *page = catalogue.page(place.page))
        place.pageTitle = page->title;
    if (const Catalogue::Clause *clause = catalogue.clauseOf(at.page, at.point))
        place.clause = clause->label;
    if (list) {
        place.list = captionOf(catalogue, *list, at);
        if (listField >= 0)
            place.item = list->csvHeader.split(u',').value(listField, found.member->name);
    } else if (lastMatched && found.member->members.isEmpty()) {
        place.item = captionOf(catalogue, *found.member, at);
    } else if (!lastMatched && !lastName.isEmpty()) {
        place.item = lastName;
        const Catalogue::Control *control = catalogue.controlOf(at.page, at.point);
        const int code = found.member ? addressCodeColumn(*found.member, lastName) : 0;
        if (control && code > 0 && code <= control->columns.size()) {
            place.column = code - 1;
            place.item = control->columns.at(code - 1).heading;
        }
    }
    return place;
}

QString text(const Place &place)
{
    QStringList parts;
    if (!place.clause.isEmpty())
        parts << ClauseMessages::place(place.clause, place.page);
    else if (!place.pageTitle.isEmpty())
        parts << QStringLiteral("Page %1 (%2)").arg(place.page).arg(place.pageTitle);
    else
        parts << QStringLiteral("Page %1").arg(place.page);
    if (place.row > 0)
        parts << QStringLiteral("row %1").arg(place.row);
    if (!place.list.isEmpty())
        parts << (place.entry > 0 ? QStringLiteral("%1, entry %2").arg(place.list).arg(place.entry)
                                  : place.list);
    if (!place.item.isEmpty())
        parts << place.item;
    return parts.join(QStringLiteral(", "));
}

QString of(const ValidationFinding &finding)
{
    const Place place = locate(finding.pointer);
    if (!place.known())
        return {};
    QString text = QStringLiteral("Page %1").arg(place.page);
    if (!place.pageTitle.isEmpty())
        text += QStringLiteral(" (%1)").arg(place.pageTitle);
    if (!place.clause.isEmpty())
        text += QStringLiteral(", Clause %1").arg(place.clause);
    return text;
}

} // namespace EditorPlace
