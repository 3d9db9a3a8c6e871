// The grid's pure arithmetic, free of any window: which column a point falls in, how far to
// scroll to reveal a column, how wide the columns are to fill a width and how tall a drop-down
// editor is.
#pragma once

#include <vector>

namespace CellGeometry {

// The column whose span [left, left + width] holds x, walking the columns from the row's left
// edge in index order; a point on the line between two columns belongs to the left one.
// -1 when x lies right of the last column (or left of the first).
int ColumnAtX(int x, int rowLeft, const std::vector<int>& columnWidths);

// Horizontal scroll, in pixels, that brings a column starting at cellLeft (client coordinates)
// into the client area [clientLeft, clientRight]: a column starting outside the area is
// brought to its left edge, one that sticks out at the right is brought to its right edge.
int RevealScroll(int cellLeft, int cellWidth, int clientLeft, int clientRight);

// The widths of count columns that together fill width exactly: equal, but for the pixels left
// over, which go one each to the last columns. None is narrower than zero.
std::vector<int> SharedWidths(int width, int count);

// How far below the cell's bottom a drop-down with choiceCount choices reaches, in pixels: ten
// cell heights more than there are choices below ten choices, else eleven cell heights.
int DropDownExtension(int cellHeight, int choiceCount);

}  // namespace CellGeometry
