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

int DropDownExtension(int cellHeight, int choiceCount) {
  return cellHeight * (choiceCount < 10 ? choiceCount + 10 : 11);
}

}  // namespace CellGeometry
