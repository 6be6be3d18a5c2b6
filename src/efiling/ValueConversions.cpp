#include "ValueConversions.h"

#include "CodeLookups.h"
#include "EfilingValues.h"
#include "WriteContext.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "host/HostContext.h"
#include "import/ReadContext.h"
#include "import/StoredValues.h"
#include "model/rules/AmountText.h"

#include <array>

namespace ValueConversions
{

namespace
{

using Kind = Catalogue::MemberKind;
using ToStored = QString (*)(const Member &, const QString &, const Catalogue::Column *, ReadContext &);

// One kind of member: its way into the file and its way back (null: nothing is stored).
struct Conversion {
    Kind as;
    ToFile toFile;
    ToStored toStored;
    // True for a stored value the file takes as it stands; null when it never does.
    bool (*asStored)(QStringView) = nullptr;
};

bool always(QStringView)
{
    return true;
}

QString same(const Member &, const QString &value, const WriteContext &)
{
    return value;
}

// Amounts are kept without digit grouping; text that is no amount is written as it stands,
// for the schema check to refuse.
QString bareNumber(const Member &, const QString &stored, const WriteContext &)
{
    return AmountText::stored(stored).value_or(stored);
}

QString asWritten(const Member &, const QString &value, const Catalogue::Column *, ReadContext &)
{
    return value;
}

// A drop-down list filled from the host's tables offers "CODE-NAME" entries: a value
// written as the beginning of one (a unit's code, say) is completed to that entry.
QString completedText(const Member &, const QString &value, const Catalogue::Column *column, ReadContext &ctx)
{
    if (!column || column->list.isEmpty() || value.isEmpty())
        return value;
    if (ctx.catalogue().listSource(column->list).query.isEmpty())
        return value;
    const QStringList items = ctx.names().listItems(column->list);
    if (items.contains(value))
        return value;
    for (const QString &item : items) {
        if (item.startsWith(value))
            return item;
    }
    return value;
}

// A rate is kept as the page shows it ("15%") and written as the number (15).
QString percentToFile(const Member &, const QString &stored, const WriteContext &)
{
    QString v = stored.trimmed();
    if (v.endsWith(u'%'))
        v.chop(1);
    return v.trimmed();
}

QString percentToStored(const Member &, const QString &written, const Catalogue::Column *, ReadContext &)
{
    const QString v = written.trimmed();
    return v.isEmpty() || v.endsWith(u'%') ? v : v + u'%';
}

const std::array<Conversion, 17> &conversions()
{
    static const std::array<Conversion, 17> table{{
        {Kind::Text, same, completedText, always},
        {Kind::Amount, bareNumber, asWritten, AmountText::isKept},
        {Kind::Number, bareNumber, asWritten, AmountText::isKept},
        {Kind::Percent, percentToFile, percentToStored},
        {Kind::Date,
         [](const Member &, const QString &stored, const WriteContext &) {
             return EfilingValues::date(stored);
         },
         [](const Member &, const QString &written, const Catalogue::Column *, ReadContext &) {
             return StoredValues::date(written);
         }},
        {Kind::YesNo,
         [](const Member &, const QString &stored, const WriteContext &) {
             return Vocabulary::letterOf(Vocabulary::answerOf(stored));
         },
         [](const Member &, const QString &written, const Catalogue::Column *column, ReadContext &) {
             const bool tick = column && column->kind == Catalogue::Kind::Tick;
             return Vocabulary::storedOfLetter(written, tick ? Vocabulary::Spelling::TrueFalse
                                                             : Vocabulary::Spelling::YesNo);
         }},
        {Kind::Code,
         [](const Member &m, const QString &stored, const WriteContext &ctx) {
             // A text outside the table is written as it stands ("stored"), as the table's
             // code for anything else (an "Others"), or as "".
             const QString code = ctx.catalogue().codeOf(m.table, stored.trimmed(), m.unmatched);
             const bool fixed = m.unmatched != QLatin1String("stored");
             return code.isEmpty() && fixed && !stored.trimmed().isEmpty() ? m.unmatched : code;
         },
         [](const Member &m, const QString &written, const Catalogue::Column *column, ReadContext &ctx) {
             const QStringList preferred = column ? ctx.names().listItems(column->list) : QStringList();
             return StoredValues::textOfCode(ctx.catalogue(), m.table, written, preferred);
         }},
        {Kind::Sector,
         [](const Member &, const QString &stored, const WriteContext &) {
             return CodeLookups::sectorCode(stored);
         },
         [](const Member &, const QString &written, const Catalogue::Column *, ReadContext &ctx) {
             const QString sector = ctx.names().sector(written).sector;
             return sector.isEmpty() ? written : sector;
         }},
        {Kind::State,
         [](const Member &, const QString &stored, const WriteContext &) {
             return CodeLookups::stateCode(stored);
         },
         [](const Member &, const QString &written, const Catalogue::Column *, ReadContext &ctx) {
             const QString name = ctx.names().stateName(written);
             return name.isEmpty() ? written : name;
         }},
        {Kind::BlockId,
         [](const Member &m, const QString &stored, const WriteContext &ctx) {
             // A block text outside the list has no identifier: 0.
             const Catalogue::CodeEntry *e = ctx.catalogue().entryOf(m.table, stored);
             return e ? e->code : QStringLiteral("0");
         },
         [](const Member &m, const QString &written, const Catalogue::Column *, ReadContext &ctx) {
             // 0 stands for a block the list does not have: its text is not in the file.
             for (const Catalogue::CodeEntry &e : ctx.catalogue().codeTable(m.table)) {
                 if (e.code == written.trimmed())
                     return e.text;
             }
             return QString();
         }},
        {Kind::BlockMethod,
         [](const Member &m, const QString &stored, const WriteContext &ctx) {
             const Catalogue::CodeEntry *e = ctx.catalogue().entryOf(m.table, stored);
             return e && !e->method.isEmpty() ? e->method : QStringLiteral("SLM");
         },
         nullptr},
        {Kind::Const, [](const Member &m, const QString &, const WriteContext &) { return m.constValue; },
         nullptr},
        {Kind::AssessmentYear,
         [](const Member &, const QString &, const WriteContext &ctx) {
             return ctx.rows().key().assessmentYearText();
         },
         nullptr},
        {Kind::Auditor,
         [](const Member &m, const QString &, const WriteContext &ctx) { return ctx.auditorValue(m.name); },
         nullptr},
        {Kind::Act,
         [](const Member &, const QString &stored, const WriteContext &) {
             return CodeLookups::actCode(stored);
         },
         [](const Member &, const QString &written, const Catalogue::Column *, ReadContext &) {
             return CodeLookups::actName(written);
         }},
        {Kind::YearEnd,
         // The year the accounts end in, kept as the year and written as its 31 March.
         [](const Member &, const QString &stored, const WriteContext &) {
             const QString year = stored.trimmed();
             return year.isEmpty() ? year : year.right(4) + QStringLiteral("-03-31");
         },
         [](const Member &, const QString &written, const Catalogue::Column *, ReadContext &) {
             return written.trimmed().left(4);
         }},
        {Kind::Year,
         // The year of a "31/03/yyyy" date, written as the number.
         [](const Member &, const QString &stored, const WriteContext &) {
             return stored.trimmed().right(4);
         },
         [](const Member &, const QString &written, const Catalogue::Column *, ReadContext &) {
             const QString year = written.trimmed();
             return year.isEmpty() ? year : QStringLiteral("31/03/") + year;
         }},
    }};
    return table;
}

const Conversion *conversionOf(Kind as)
{
    for (const Conversion &c : conversions()) {
        if (c.as == as)
            return &c;
    }
    return nullptr;
}

} // namespace

Way wayOf(const Member &m)
{
    // A member of no kind the table knows is written as stored.
    const Conversion *c = conversionOf(m.as);
    return c ? Way{c->toFile, c->asStored} : Way{same, always};
}

QString toFile(const Member &m, const QString &stored, const WriteContext &ctx)
{
    return wayOf(m).toFile(m, stored, ctx);
}

bool isStored(const Member &m)
{
    const Conversion *c = conversionOf(m.as);
    return !c || c->toStored;
}

QString toStored(const Member &m, const QString &written, const Catalogue::Column *column, ReadContext &ctx)
{
    const Conversion *c = conversionOf(m.as);
    return c && c->toStored ? c->toStored(m, written, column, ctx) : written;
}

} // namespace ValueConversions
