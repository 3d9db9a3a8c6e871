// The schedule grid from the keyboard: the current cell moves, Shift grows the selection, a
// mode's letter or Delete sets it, four keys open the drop-down, and Enter, Escape and Tab stay
// the dialog's.
#include "schedule_grid_test_host.h"

namespace {

using ScheduleGridKeys = ScheduleGridTest;

struct Key {
  WPARAM key;
  std::initializer_list<int> held;
};

TEST_F(ScheduleGridKeys, TheCurrentCellStartsAtMondayMidnightAndMovesWithTheKeys) {
  struct {
    const char* keys;
    std::vector<Key> presses;
    int day;
    int hour;
  } cases[] = {
      {"none", {}, 0, 0},
      {"Right Right Down", {{VK_RIGHT, {}}, {VK_RIGHT, {}}, {VK_DOWN, {}}}, 1, 2},
      {"Left and Up stop at the edge", {{VK_LEFT, {}}, {VK_UP, {}}}, 0, 0},
      {"End", {{VK_DOWN, {}}, {VK_END, {}}}, 1, 23},
      {"End Home", {{VK_DOWN, {}}, {VK_END, {}}, {VK_HOME, {}}}, 1, 0},
      {"Ctrl+End", {{VK_END, {VK_CONTROL}}}, 6, 23},
      {"Ctrl+End Ctrl+Home", {{VK_END, {VK_CONTROL}}, {VK_HOME, {VK_CONTROL}}}, 0, 0},
      {"Page Down", {{VK_RIGHT, {}}, {VK_NEXT, {}}}, 6, 1},
  };
  host.grid.SetFocus();
  for (const auto& spec : cases) {
    SCOPED_TRACE(spec.keys);
    ShowRows(AllCells('M'));
    for (const Key& press : spec.presses) Press(press.key, press.held);
    Press('C');
    EXPECT_EQ(ShownRows(), Painted(AllCells('M'), spec.day, spec.hour, spec.day, spec.hour, 'C'));
    Press(VK_HOME, {VK_CONTROL});
  }
}

TEST_F(ScheduleGridKeys, ShiftArrowsGrowTheSelectionAndEachModeKeySetsAllOfIt) {
  struct {
    const char* key;
    Key press;
    char letter;
  } cases[] = {
      {"C", {'C', {}}, 'C'},
      {"Shift+C", {'C', {VK_SHIFT}}, 'C'},
      {"M", {'M', {}}, 'M'},
      {"-", {VK_OEM_MINUS, {}}, '-'},
      {"O", {'O', {}}, '-'},
      {"Shift+O", {'O', {VK_SHIFT}}, '-'},
      {"Delete", {VK_DELETE, {}}, '-'},
  };
  host.grid.SetFocus();
  Press(VK_RIGHT);
  Press(VK_DOWN);
  PressTimes(3, VK_RIGHT, {VK_SHIFT});
  Press(VK_DOWN, {VK_SHIFT});
  for (const auto& spec : cases) {
    SCOPED_TRACE(spec.key);
    const char other = spec.letter == 'C' ? 'M' : 'C';
    ShowRows(AllCells(other));
    Press(spec.press.key, spec.press.held);
    EXPECT_EQ(ShownRows(), Painted(AllCells(other), 1, 1, 2, 4, spec.letter));
  }
}

TEST_F(ScheduleGridKeys, ShiftEndAndCtrlASelectARowAndTheWholeWeek) {
  host.grid.SetFocus();
  PressTimes(2, VK_DOWN);
  Press(VK_END, {VK_SHIFT});
  Press('C');
  EXPECT_EQ(ShownRows(), Painted(AllCells('M'), 2, 0, 2, 23, 'C'));

  Press('A', {VK_CONTROL});
  Press(VK_OEM_MINUS);
  EXPECT_EQ(ShownRows(), AllCells('-'));
}

TEST_F(ScheduleGridKeys, SpaceF2F4AndAltDownOpenTheDropDownOverTheCurrentCell) {
  const Key openers[] = {{VK_SPACE, {}}, {VK_F2, {}}, {VK_F4, {}}, {VK_DOWN, {VK_MENU}}};
  host.grid.SetFocus();
  Press(VK_RIGHT);
  for (const Key& opener : openers) {
    SCOPED_TRACE(opener.key);
    Press(VK_DOWN);
    const int day = static_cast<int>(host.choiceRequests.size()) + 1;
    Press(opener.key, opener.held);
    HWND combo = OpenCombo();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(::GetFocus(), combo);
    EXPECT_EQ(RectInGrid(combo).left, ColumnLeft(1, day));
    EXPECT_EQ(RectInGrid(combo).top, RowBounds(day).top);
    EXPECT_EQ(ComboSelection(combo), "M");
    // Escape ends the edit and the keys act from the cell again.
    Press(VK_ESCAPE);
    EXPECT_EQ(::GetFocus(), host.grid.m_hWnd);
    EXPECT_TRUE(WaitFor([&] { return OpenCombo() == nullptr; }));
  }
  EXPECT_EQ(host.choiceRequests, (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(host.okCommands + host.cancelCommands, 0);
}

TEST_F(ScheduleGridKeys, EnterAndEscapeWithoutAnEditorAreTheDialogsAndTabPassesThrough) {
  HWND ok = ::GetDlgItem(host.m_hWnd, IDC_GRID_OK);
  ::SetFocus(ok);
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), host.grid.m_hWnd);
  Press(VK_RETURN);
  Press(VK_ESCAPE);
  EXPECT_EQ(host.okCommands, 1);
  EXPECT_EQ(host.cancelCommands, 1);
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), ok);
}

}  // namespace
