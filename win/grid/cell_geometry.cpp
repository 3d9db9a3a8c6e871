#include "grid/cell_geometry.h"

#include <cstddef>

namespace CellGeometry {

int ColumnAtX(int x, int rowLeft, const std::vector<int>& columnWidths) {
  int left = rowLeft;
  for (int column = 0; column < static_cast<int>(columnWidths.size()); ++column) {
    const int width = columnWidths[static_cast<std::size_t>(column)];
    if (left <= x && x <= left + width) return column;
    left += width;
  }
  return -1;
}

int RevealScroll(int cellLeft, int cellWidth, int clientLeft, int clientRight) {
  if (cellLeft < clientLeft || cellLeft > clientRight) return cellLeft - clientLeft;
  if (cellLeft + cellWidth > clientRight) return cellLeft + cellWidth - clientRight;
  return 0;
}

std::vector<int> SharedWidths(int width, int count) {
  if (count <= 0) return {};
  const int each = width > 0 ? width / count : 0;
  const int leftOver = width > 0 ? width % count : 0;
  std::vector<int> widths(static_cast<std::size_t>(count), each);
  for (int column = count - leftOver; column < count; ++column)
    ++widths[static_cast<std::size_t>(column)];
  return widths;
}

int DropDownExtension(int cellHeight, int choiceCount) {
  return cellHeight * (choiceCount < 10 ? choiceCount + 10 : 11);
}

}  // namespace CellGeometry
