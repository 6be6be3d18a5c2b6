#pragma once

#include "ReadContext.h"

class JsonValue;
namespace Catalogue
{
struct JsonMember;
}

// Reads the members of one element of a clause block back into clause rows, each as the
// catalogue says the writer wrote it: a converted value into its column, a name or an
// address into their columns, a nested table into rows of its own point, an attachment
// list into one cell. A member missing from the file stores nothing; fixed values and
// values the writer derives (the auditor's record, the assessment year, the depreciation
// method of a block) are not stored.
namespace MemberReader
{

using Member = Catalogue::JsonMember;

// Where an element's members go: a row (an index into the gathered rows) of a point of a
// page. Row -1 stands for the point's single row, made when a member is stored there.
struct Place {
    int page = 0;
    QString point;
    int row = -1;
};

void read(const QList<Member> &members, const JsonValue &element, const Place &place, ReadContext &ctx);

} // namespace MemberReader
