// The schedule grid with the mouse: a click still opens the drop-down and makes its cell
// current; a drag, a header click and Shift select rectangles without an editor, drawn
// highlighted.
#include "schedule_grid_test_host.h"

namespace {

using ScheduleGridMouse = ScheduleGridTest;

TEST_F(ScheduleGridMouse, AClickOpensTheDropDownAndTheKeysActFromItsCellAfterEscape) {
  ClickCell(2, 3);
  ASSERT_NE(OpenCombo(), nullptr);
  EXPECT_EQ(RectInGrid(OpenCombo()).left, ColumnLeft(3, 2));
  Press(VK_ESCAPE);
  Press(VK_RIGHT);
  Press('C');
  EXPECT_EQ(ShownRows(), Painted(AllCells('M'), 2, 4, 2, 4, 'C'));
}

TEST_F(ScheduleGridMouse, DragsHeaderClicksAndShiftSelectRectanglesWithoutAnEditor) {
  struct {
    const char* gesture;
    std::function<void()> select;
    int firstDay, firstHour, lastDay, lastHour;
    std::size_t editorsOpened = 0;
  } cases[] = {
      {"a drag", [&] { Drag(1, 2, 3, 5); }, 1, 2, 3, 5},
      {"a drag back up and left", [&] { Drag(4, 6, 2, 1); }, 2, 1, 4, 6},
      {"a header click", [&] { ClickHeader(4); }, 0, 4, 6, 4},
      {"a Shift+click on another header",
       [&] {
         ClickHeader(4);
         ClickHeader(6, {VK_SHIFT});
       },
       0, 4, 6, 6},
      {"a Shift+click on another cell",
       [&] {
         Drag(5, 7, 5, 7);
         Press(VK_ESCAPE);
         Click(CellCenter(6, 9), MK_SHIFT);
       },
       5, 7, 6, 9, 1},
  };
  for (const auto& spec : cases) {
    SCOPED_TRACE(spec.gesture);
    ShowRows(AllCells('M'));
    host.choiceRequests.clear();
    spec.select();
    EXPECT_EQ(OpenCombo(), nullptr);
    EXPECT_EQ(host.choiceRequests.size(), spec.editorsOpened);
    EXPECT_EQ(::GetFocus(), host.grid.m_hWnd);
    Press('C');
    EXPECT_EQ(ShownRows(), Painted(AllCells('M'), spec.firstDay, spec.firstHour, spec.lastDay,
                                   spec.lastHour, 'C'));
  }
}

TEST_F(ScheduleGridMouse, SelectedCellsAreDrawnHighlightedAndTheOthersAsBefore) {
  Drag(1, 1, 2, 3);
  ::UpdateWindow(host.grid.m_hWnd);
  HDC dc = ::GetDC(host.grid.m_hWnd);
  const auto backgroundAt = [&](int day, int hour) {
    const CPoint corner(ColumnLeft(hour, day) + 3, RowBounds(day).top + 3);
    return ::GetPixel(dc, corner.x, corner.y);
  };
  EXPECT_EQ(backgroundAt(1, 1), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(backgroundAt(2, 3), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(backgroundAt(0, 1), ::GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(backgroundAt(2, 4), ::GetSysColor(COLOR_WINDOW));
  ::ReleaseDC(host.grid.m_hWnd, dc);
}

}  // namespace
