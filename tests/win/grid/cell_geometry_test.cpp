// The grid's arithmetic, without windows: columns under a point, reveal scrolling, drop-down size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/cell_geometry.h"

namespace {

const std::vector<int> kSixtyWide(24, 60);

TEST(ColumnUnderPoint, WhenThePointIsInsideAColumnThenThatColumnIsFound) {
  EXPECT_EQ(CellGeometry::ColumnAtX(0, 0, kSixtyWide), 0);
  EXPECT_EQ(CellGeometry::ColumnAtX(130, 0, kSixtyWide), 2);
  EXPECT_EQ(CellGeometry::ColumnAtX(130, -120, kSixtyWide), 4);
}

TEST(ColumnUnderPoint, WhenThePointIsOnADividerThenTheLeftColumnIsFound) {
  EXPECT_EQ(CellGeometry::ColumnAtX(60, 0, kSixtyWide), 0);
  EXPECT_EQ(CellGeometry::ColumnAtX(61, 0, kSixtyWide), 1);
  EXPECT_EQ(CellGeometry::ColumnAtX(1440, 0, kSixtyWide), 23);
}

TEST(ColumnUnderPoint, WhenThePointIsRightOfTheLastColumnThenNoColumnIsFound) {
  EXPECT_EQ(CellGeometry::ColumnAtX(1441, 0, kSixtyWide), -1);
  EXPECT_EQ(CellGeometry::ColumnAtX(5, 0, {}), -1);
}

TEST(ColumnUnderPoint, WhenAColumnHasNoWidthThenItOwnsOnlyItsDivider) {
  const std::vector<int> widths{60, 0, 60};
  EXPECT_EQ(CellGeometry::ColumnAtX(60, 0, widths), 0);
  EXPECT_EQ(CellGeometry::ColumnAtX(61, 0, widths), 2);
}

TEST(RevealScrolling, WhenTheColumnIsWhollyVisibleThenNothingScrolls) {
  EXPECT_EQ(CellGeometry::RevealScroll(120, 60, 0, 700), 0);
  EXPECT_EQ(CellGeometry::RevealScroll(640, 60, 0, 700), 0);
}

TEST(RevealScrolling, WhenTheColumnSticksOutAtTheRightThenItsRightEdgeMeetsTheClientEdge) {
  EXPECT_EQ(CellGeometry::RevealScroll(660, 60, 0, 700), 20);
  EXPECT_EQ(CellGeometry::RevealScroll(700, 60, 0, 700), 60);
}

TEST(RevealScrolling, WhenTheColumnStartsOutsideTheClientThenItsLeftEdgeMeetsTheClientEdge) {
  EXPECT_EQ(CellGeometry::RevealScroll(-30, 60, 0, 700), -30);
  EXPECT_EQ(CellGeometry::RevealScroll(760, 60, 0, 700), 760);
}

TEST(SharedWidths, ColumnsFillTheWidthExactlyWithTheLeftOverPixelsOnTheLastOnes) {
  const struct {
    int width;
    int count;
    std::vector<int> expect;
  } cases[] = {
      {90, 3, {30, 30, 30}}, {92, 3, {30, 31, 31}}, {2, 3, {0, 1, 1}},
      {0, 2, {0, 0}},        {-5, 2, {0, 0}},       {10, 0, {}},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(std::to_string(row.width) + " over " + std::to_string(row.count));
    EXPECT_EQ(CellGeometry::SharedWidths(row.width, row.count), row.expect);
  }
}

TEST(DropDownSize, WhenThereAreFewerThanTenChoicesThenItReachesTenCellsMoreThanTheChoices) {
  EXPECT_EQ(CellGeometry::DropDownExtension(30, 0), 10 * 30);
  EXPECT_EQ(CellGeometry::DropDownExtension(30, 3), 13 * 30);
  EXPECT_EQ(CellGeometry::DropDownExtension(31, 9), 19 * 31);
}

TEST(DropDownSize, WhenThereAreTenChoicesOrMoreThenItReachesElevenCells) {
  EXPECT_EQ(CellGeometry::DropDownExtension(30, 10), 11 * 30);
  EXPECT_EQ(CellGeometry::DropDownExtension(30, 500), 11 * 30);
}

}  // namespace
