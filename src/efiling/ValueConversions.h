#pragma once

#include <QString>

class WriteContext;
class ReadContext;
namespace Catalogue
{
struct JsonMember;
struct Column;
} // namespace Catalogue

// How a member's stored value becomes the value in the file and back, one pair of
// functions per kind of member ("date", "code", "percent" ...), so that the import is the
// writer's inverse by construction.
namespace ValueConversions
{

using Member = Catalogue::JsonMember;

// The value the file carries for a stored value ("" stays "" unless the member has a default).
QString toFile(const Member &m, const QString &stored, const WriteContext &ctx);

// The member's way into the file, found once for all the rows of a block.
using ToFile = QString (*)(const Member &, const QString &, const WriteContext &);
struct Way {
    ToFile toFile;
    // True for a stored value that goes into the file as it stands (a text, an amount kept
    // bare), so the writer takes the value itself; null when none does.
    bool (*asStored)(QStringView stored);
};
Way wayOf(const Member &m);

// True when the file's value is stored: fixed values and values the writer derives (the
// auditor's record, the assessment year, the depreciation method of a block) are not.
bool isStored(const Member &m);

// The stored value for a value of the file; `column` is the page's grid column the value goes
// to, or null.
QString toStored(const Member &m, const QString &written, const Catalogue::Column *column, ReadContext &ctx);

} // namespace ValueConversions
