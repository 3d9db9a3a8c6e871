// The schedule grid with the mouse: a click still opens the drop-down and makes its cell
// current; a drag, a header click and Shift select rectangles without an editor, drawn in
// darker shades of the modes' colours.
#include "schedule_grid_test_host.h"

#include <string>

#include "grid/mode_colours.h"

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

TEST_F(ScheduleGridMouse, CellsShowTheirModesColoursAndLettersAndSelectedOnesADarkerShade) {
  ShowRows(Painted(Painted(AllCells('M'), 1, 1, 2, 2, '-'), 1, 3, 2, 3, 'C'));
  Drag(1, 1, 1, 3);
  ::UpdateWindow(host.grid.m_hWnd);
  const struct {
    int day, hour;
    ScheduleMode mode;
    bool selected;
  } cells[] = {
      {1, 1, Off, true},         {1, 3, Continuous, true}, {2, 2, Off, false},
      {2, 3, Continuous, false}, {1, 4, Motion, false},    {0, 0, Motion, false},
  };
  HDC dc = ::GetDC(host.grid.m_hWnd);
  for (const auto& cell : cells) {
    SCOPED_TRACE(std::to_string(cell.day) + "," + std::to_string(cell.hour));
    const ModeLook& look = kModeLooks[cell.mode];
    const COLORREF fill = ColourOf(cell.selected ? look.selectedFill : look.fill);
    const COLORREF letter = ColourOf(cell.selected ? look.selectedText : look.text);
    const int left = ColumnLeft(cell.hour, cell.day);
    const CRect row = RowBounds(cell.day);
    EXPECT_EQ(::GetPixel(dc, left + 3, row.top + 3), fill);
    // The letter is drawn in its own colour somewhere inside the cell.
    bool letterShown = false;
    for (int x = left; x < left + ColumnWidth(cell.hour) && !letterShown; ++x)
      for (int y = row.top; y < row.bottom && !letterShown; ++y)
        letterShown = ::GetPixel(dc, x, y) == letter;
    EXPECT_TRUE(letterShown);
  }
  ::ReleaseDC(host.grid.m_hWnd, dc);
}

}  // namespace
