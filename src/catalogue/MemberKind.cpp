#include "MemberKind.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace Catalogue
{

namespace
{

template <typename Value, std::size_t N>
Value named(const std::array<std::pair<QLatin1StringView, Value>, N> &names, const QString &name,
            const char *what)
{
    for (const auto &[text, value] : names) {
        if (name == text)
            return value;
    }
    throw std::runtime_error(std::string("unknown ") + what + " \"" + name.toStdString() + '"');
}

} // namespace

MemberKind memberKindOf(const QString &name)
{
    using K = MemberKind;
    static const std::array<std::pair<QLatin1StringView, K>, 24> names{{
        {QLatin1StringView(""), K::Stored},         {QLatin1StringView("text"), K::Text},
        {QLatin1StringView("amount"), K::Amount},   {QLatin1StringView("number"), K::Number},
        {QLatin1StringView("percent"), K::Percent}, {QLatin1StringView("date"), K::Date},
        {QLatin1StringView("yesNo"), K::YesNo},     {QLatin1StringView("code"), K::Code},
        {QLatin1StringView("sector"), K::Sector},   {QLatin1StringView("state"), K::State},
        {QLatin1StringView("blockId"), K::BlockId}, {QLatin1StringView("blockMethod"), K::BlockMethod},
        {QLatin1StringView("const"), K::Const},     {QLatin1StringView("assessmentYear"), K::AssessmentYear},
        {QLatin1StringView("auditor"), K::Auditor}, {QLatin1StringView("act"), K::Act},
        {QLatin1StringView("yearEnd"), K::YearEnd}, {QLatin1StringView("year"), K::Year},
        {QLatin1StringView("name"), K::Name},       {QLatin1StringView("address"), K::Address},
        {QLatin1StringView("table"), K::Table},     {QLatin1StringView("object"), K::Object},
        {QLatin1StringView("csvList"), K::CsvList}, {QLatin1StringView("hasBeen"), K::HasBeen},
    }};
    return named(names, name, "member kind");
}

BlockShape blockShapeOf(const QString &name)
{
    using S = BlockShape;
    static const std::array<std::pair<QLatin1StringView, S>, 10> names{{
        {QLatin1StringView("object"), S::Object},
        {QLatin1StringView("objectInArray"), S::ObjectInArray},
        {QLatin1StringView("objectWithArray"), S::ObjectWithArray},
        {QLatin1StringView("array"), S::Array},
        {QLatin1StringView("arrayOfWrapped"), S::ArrayOfWrapped},
        {QLatin1StringView("arrayOfListed"), S::ArrayOfListed},
        {QLatin1StringView("arrayWithKey"), S::ArrayWithKey},
        {QLatin1StringView("csv"), S::Csv},
        {QLatin1StringView("value"), S::Value},
        {QLatin1StringView("valueArray"), S::ValueArray},
    }};
    return named(names, name, "block shape");
}

} // namespace Catalogue
