#pragma once

#include "WriteContext.h"

class JsonLineWriter;
namespace Catalogue
{
struct JsonBlock;
}

// The Form 3CD blocks of the e-filing JSON, written from the clause catalogue: each
// block's parts pass their gates (a "Yes" answer, or no "Not Applicable" tick), tables
// keep their rows in grid order, and a block with nothing to write is left out.
namespace ClauseBlockWriter
{

// Every block of one of the four clause writers (1: Part A to 21(a); 2: 21(b) to 26(i);
// 3: 26(ii) to 36A; 4: 37 to 44, ratios, flags and other information), in file order.
void write(JsonLineWriter &w, const WriteContext &ctx, int writer);

void writeBlock(JsonLineWriter &w, const Catalogue::JsonBlock &block, const WriteContext &ctx);

} // namespace ClauseBlockWriter
