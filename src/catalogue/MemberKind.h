#pragma once

#include <QString>

// How a member of a filed document is made from the stored rows (a catalogue's "as"), and
// the shape of a block of the JSON document (its "shape"). Both are read once, when a
// catalogue loads; a name the program does not know stops the load, so a misspelt kind
// cannot quietly write a value as it is stored.
namespace Catalogue
{

enum class MemberKind {
    Stored, // no "as": the stored value as it stands
    Text,
    Amount,
    Number,
    Percent,
    Date,
    YesNo,
    Code,
    Sector,
    State,
    BlockId,
    BlockMethod,
    Const,
    AssessmentYear,
    Auditor,
    Act,
    YearEnd,
    Year,
    Name,
    Address,
    Table,
    Object,
    CsvList,
    HasBeen,
};

enum class BlockShape {
    Object,
    ObjectInArray,
    ObjectWithArray,
    Array,
    ArrayOfWrapped,
    ArrayOfListed,
    ArrayWithKey,
    Csv,
    Value,
    ValueArray,
};

// The kind an "as" names ("" for Stored); throws std::runtime_error for an unknown name.
MemberKind memberKindOf(const QString &name);
// The shape a "shape" names; throws std::runtime_error for an unknown name.
BlockShape blockShapeOf(const QString &name);

} // namespace Catalogue
