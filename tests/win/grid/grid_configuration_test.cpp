// The grid's column sets, kept without any window.
#include "grid/combo_list_ctrl.h"

#include <gtest/gtest.h>

namespace {

TEST(GridConfiguration, WhenAColumnIsMarkedTwiceThenOneUnmarkRemovesIt) {
  CComboListCtrl grid;
  grid.SetChoiceColumn(3, true);
  grid.SetChoiceColumn(3, true);
  grid.SetChoiceColumn(5, true);
  grid.SetChoiceColumn(3, false);
  EXPECT_FALSE(grid.IsChoiceColumn(3));
  EXPECT_TRUE(grid.IsChoiceColumn(5));
}

TEST(GridConfiguration, WhenAColumnIsBothChoiceAndLockedThenBothMarksHold) {
  CComboListCtrl grid;
  grid.SetChoiceColumn(0, true);
  grid.SetLockedColumn(0, true);
  EXPECT_TRUE(grid.IsChoiceColumn(0));
  EXPECT_TRUE(grid.IsLockedColumn(0));
  grid.SetLockedColumn(0, false);
  EXPECT_TRUE(grid.IsChoiceColumn(0));
  EXPECT_FALSE(grid.IsLockedColumn(0));
  EXPECT_FALSE(grid.IsLockedColumn(1));
}

}  // namespace
