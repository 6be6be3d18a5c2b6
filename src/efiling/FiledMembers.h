#pragma once

#include <QString>

class JsonLineWriter;
class JsonValue;
class WriteContext;

// Members of a filed e-filing file that the report's rows would not give again: an attachment
// block without rows, the words a clause answered No still carries ("NA"), a block whose
// question the file answers No. They are kept with the report as the file had them, and the
// writer puts each back in its place where it writes nothing of that name itself, as long as
// the catalogue still has such a member.
namespace FiledMembers
{

// The rows that keep them (FiledRows): one a member, Col1 its place (a block's member of the
// form key, or the block's member, "/" and its own), Col2 its value as compact JSON text.

// Whether the catalogue has a member at the place.
bool layoutHas(const QString &place);

// Writes into the innermost object of `w` the kept members of `block` ("" for the form key's
// own members) that it lacks.
void writeBack(JsonLineWriter &w, const WriteContext &ctx, const QString &block = {});

// Writes a value read from a file with the writer's layout; an empty name inside an array
// writes an element.
void writeValue(JsonLineWriter &w, const QString &name, const JsonValue &value);

} // namespace FiledMembers
