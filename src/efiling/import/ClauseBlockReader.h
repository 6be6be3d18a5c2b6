#pragma once

#include "ReadContext.h"

#include <QStringList>

class JsonValue;
namespace Catalogue
{
struct JsonBlock;
}

// The Form 3CD blocks of an e-filing file read back through the clause catalogue, the
// inverse of the clause block writer: every element of a table block becomes a row of its
// part's point (a block of several parts tells them apart by their fixed members), single
// values go to their points' rows, and a block that came in under a Yes/No question marks
// that question answered Yes unless the file answers it.
namespace ClauseBlockReader
{

// The import runs in steps, each for a group of clauses: 0 the declaration, 1 Part A,
// 2 clauses 9 to 12, 3 clauses 13 and 14, 4 clauses 15 to 18, 5 clauses 19, 20 and 22 to 25,
// 6 clause 21, 7 clauses 26 and 27, 8 clauses 28 to 31(a), 9 clauses 31(b) to 32, 10 clauses
// 33 to 35, 11 clauses 36A to 44 with the flags and the other information.
// A catalogue block names its step ("readStep").
inline constexpr int kSteps = 12;

// Reads one block (the declaration, say) from the form key's object.
void readBlock(const JsonValue &formKey, const Catalogue::JsonBlock &block, ReadContext &ctx);

// Reads one item of a table block's array (an element, or its wrapper). A large table is
// read an item at a time, while the file is parsed.
void readTableItem(const Catalogue::JsonBlock &block, const JsonValue &item, ReadContext &ctx);

// Where the items of a table block's array stand, as paths of keys below the form key
// joined by "/": the catalogue's place and the other places readBlock looks. None for a
// block of another shape.
QStringList tablePaths(const Catalogue::JsonBlock &block);

// Reads the blocks of one step from the form key's object ("F3CA"/"F3CB"), in file order.
void read(const JsonValue &formKey, ReadContext &ctx, int step);

// Once every block is read: keeps, as the file has them, the table blocks whose rows the
// writer would leave out (no rows, a first row of "NA", a question the file answers No), so
// that they are written back as they came.
void keepUnwritten(const JsonValue &formKey, ReadContext &ctx);

} // namespace ClauseBlockReader
