#pragma once

#include <functional>
#include <utility>

// The order in which Enter and Tab walk a grid's cells, the same in every grid of the
// program: the next typed column of the row; past the last, the first typed column of the
// next row, or of the same row when it is the last.
namespace CellOrder
{

// The (row, column) after (row, column) in a grid of rows × columns; typed(c) says which
// columns are typed into. (-1, -1) in an empty grid.
std::pair<int, int> next(int row, int column, int rows, int columns, const std::function<bool(int)> &typed);

} // namespace CellOrder
