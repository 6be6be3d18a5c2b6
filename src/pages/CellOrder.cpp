#include "CellOrder.h"

#include <algorithm>

namespace CellOrder
{

std::pair<int, int> next(int row, int column, int rows, int columns, const std::function<bool(int)> &typed)
{
    if (rows == 0 || columns == 0)
        return {-1, -1};
    row = std::clamp(row, 0, rows - 1);
    ++column;
    while (column < columns && !typed(column))
        ++column;
    if (column >= columns) {
        column = 0;
        while (column < columns - 1 && !typed(column))
            ++column;
        if (row + 1 < rows)
            ++row;
    }
    return {row, column};
}

} // namespace CellOrder
