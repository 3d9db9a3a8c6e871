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

int ColumnNearX(int x, int rowLeft, const std::vector<int>& columnWidths) {
  const int column = ColumnAtX(x, rowLeft, columnWidths);
  if (column >= 0 || columnWidths.empty()) return column;
  return x < rowLeft ? 0 : static_cast<int>(columnWidths.size()) - 1;
}

int ColumnLeft(int column, int rowLeft, const std::vector<int>& columnWidths) {
  int left = rowLeft;
  for (int index = 0; index < column && index < static_cast<int>(columnWidths.size()); ++index)
    left += columnWidths[static_cast<std::size_t>(index)];
  return left;
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
