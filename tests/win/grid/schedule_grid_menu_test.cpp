// The schedule grid's context menu and its commands: the right button, Shift+F10 and the menu
// key open it; its commands set the selection, copy a day, fill the week, copy and paste the
// clipboard's text and undo; a paste that does not fit changes nothing.
#include <windows.h>

#include "grid/schedule_menu.h"
#include "grid/text_clipboard.h"
#include "schedule_grid_test_host.h"

namespace {

using ScheduleGridMenu = ScheduleGridTest;

// Reads the items of each popup menu this thread shows while it lives, then closes the menu.
class MenuReader {
 public:
  MenuReader() {
    Seen().clear();
    m_timer = ::SetTimer(nullptr, 0, 20, &MenuReader::OnTick);
  }
  ~MenuReader() { ::KillTimer(nullptr, m_timer); }
  MenuReader(const MenuReader&) = delete;
  MenuReader& operator=(const MenuReader&) = delete;

  struct Menu {
    std::vector<std::wstring> items;  // greyed ones in brackets, separators empty
    CRect rect;
  };
  const std::vector<Menu>& menus() const { return Seen(); }

 private:
  static std::vector<Menu>& Seen() {
    static std::vector<Menu> seen;
    return seen;
  }
  static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    HWND window = ::FindWindowA("#32768", nullptr);
    if (!window || !::IsWindowVisible(window)) return;
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(window, MN_GETHMENU, 0, 0));
    Menu read;
    ::GetWindowRect(window, &read.rect);
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
      wchar_t text[80] = {};
      ::GetMenuStringW(menu, static_cast<UINT>(index), text, 80, MF_BYPOSITION);
      const UINT state = ::GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION);
      const bool greyed = (state & MF_GRAYED) && !(state & MF_SEPARATOR);
      read.items.push_back(greyed ? L"[" + std::wstring(text) + L"]" : std::wstring(text));
    }
    Seen().push_back(read);
    ::EndMenu();
  }

  UINT_PTR m_timer;
};

TEST_F(ScheduleGridMenu, TheRightButtonShiftF10AndTheMenuKeyOpenItBesideTheCell) {
  const std::vector<std::wstring> items = {L"&Off\t-",
                                           L"&Continuous\tC",
                                           L"&Motion\tM",
                                           L"",
                                           L"Copy\tCtrl+C",
                                           L"[&Paste\tCtrl+V]",
                                           L"",
                                           L"Copy this day to every day",
                                           L"Copy this day to Monday\u2013Friday",
                                           L"&Fill the week with",
                                           L"",
                                           L"[&Undo\tCtrl+Z]",
                                           L"[&Redo\tCtrl+Y]"};
  ::OpenClipboard(nullptr);
  ::EmptyClipboard();
  ::CloseClipboard();
  MenuReader reader;
  // The right button on a cell outside the selection makes that cell current.
  const CPoint clicked = CellCenter(3, 5);
  host.grid.PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(clicked.x, clicked.y));
  host.grid.PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(clicked.x, clicked.y));
  PumpPendingMessages(host.m_hWnd);
  Press(VK_F10, {VK_SHIFT});
  Press(VK_APPS);

  ASSERT_EQ(reader.menus().size(), 3u);
  CPoint cellCorner(ColumnLeft(5, 3), RowBounds(3).bottom);
  ::ClientToScreen(host.grid.m_hWnd, &cellCorner);
  CPoint screenClick = clicked;
  ::ClientToScreen(host.grid.m_hWnd, &screenClick);
  const CPoint expectedCorners[] = {screenClick, cellCorner, cellCorner};
  for (std::size_t index = 0; index < 3; ++index) {
    SCOPED_TRACE(index);
    EXPECT_EQ(reader.menus()[index].items, items);
    EXPECT_EQ(reader.menus()[index].rect.left, expectedCorners[index].x);
    EXPECT_EQ(reader.menus()[index].rect.top, expectedCorners[index].y);
  }
}

TEST_F(ScheduleGridMenu, ItsCommandsSetTheSelectionCopyTheCurrentDayAndFillTheWeek) {
  const auto ragged = [] {
    Rows rows = AllCells('M');
    rows[2] = "----CCCCMMMM----CCCCMMMM";
    return rows;
  }();
  struct {
    UINT command;
    Rows expected;
  } cases[] = {
      {kCommandSetOff, Painted(ragged, 2, 3, 3, 4, '-')},
      {kCommandSetContinuous, Painted(ragged, 2, 3, 3, 4, 'C')},
      {kCommandSetMotion, Painted(ragged, 2, 3, 3, 4, 'M')},
      {kCommandCopyDayToEveryDay, Rows(7, ragged[2])},
      {kCommandCopyDayToWorkDays,
       {ragged[2], ragged[2], ragged[2], ragged[2], ragged[2], ragged[5], ragged[6]}},
      {kCommandFillOff, AllCells('-')},
      {kCommandFillContinuous, AllCells('C')},
      {kCommandFillMotion, AllCells('M')},
  };
  host.grid.SetFocus();
  PressTimes(3, VK_DOWN);
  PressTimes(3, VK_RIGHT);
  PressTimes(2, VK_RIGHT, {VK_SHIFT});
  Press(VK_LEFT, {VK_SHIFT});
  Press(VK_UP, {VK_SHIFT});
  // Days 2 and 3, hours 3 and 4, with Wednesday's hour 4 current.
  for (const auto& spec : cases) {
    SCOPED_TRACE(spec.command);
    ShowRows(ragged);
    Command(spec.command);
    EXPECT_EQ(ShownRows(), spec.expected);
  }
}

TEST_F(ScheduleGridMenu, CopyAndPasteCarryARectangleThroughTheClipboardsText) {
  ShowRows(Painted(AllCells('M'), 0, 1, 0, 1, '-'));
  host.grid.SetFocus();
  PressTimes(2, VK_RIGHT, {VK_SHIFT});
  Press(VK_DOWN, {VK_SHIFT});
  Press('C', {VK_CONTROL});
  EXPECT_EQ(TextClipboard::Get(nullptr), "M\t-\tM\r\nM\tM\tM\r\n");

  PressTimes(4, VK_DOWN);
  Command(kCommandPaste);
  const Rows pasted = Painted(Painted(AllCells('M'), 0, 1, 0, 1, '-'), 5, 3, 5, 3, '-');
  EXPECT_EQ(ShownRows(), pasted);

  // Lines from another program may end in LF alone, or in CR LF already.
  ASSERT_TRUE(TextClipboard::Put(nullptr, "C\tc\n-\tO"));
  EXPECT_EQ(TextClipboard::Get(nullptr), "C\tc\r\n-\tO");
  ASSERT_TRUE(TextClipboard::Put(nullptr, "C\tc\r\n-\tO"));
  EXPECT_EQ(TextClipboard::Get(nullptr), "C\tc\r\n-\tO");
  Press(VK_UP);
  Press('V', {VK_CONTROL});
  EXPECT_EQ(ShownRows(), Painted(Painted(pasted, 4, 2, 4, 3, 'C'), 5, 2, 5, 3, '-'));
}

TEST_F(ScheduleGridMenu, APasteOfTheWrongShapeOrLetterOrPastTheWeekChangesNothing) {
  const char* texts[] = {"C\tX\r\n", "C\tM\r\nC\r\n", "", "C\t\tM", "C\tC\r\nM\tM\r\n"};
  host.grid.SetFocus();
  Press(VK_END, {VK_CONTROL});  // Sunday 23:00: the last text is a fine block that overflows
  const Rows before = Painted(AllCells('M'), 6, 20, 6, 23, '-');
  ShowRows(before);
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    ASSERT_TRUE(TextClipboard::Put(nullptr, text));
    Press('V', {VK_CONTROL});
    EXPECT_EQ(ShownRows(), before);
  }
  Press('Z', {VK_CONTROL});
  EXPECT_EQ(ShownRows(), before);
}

TEST_F(ScheduleGridMenu, UndoTakesBackEveryKindOfChangeStepByStepAndRedoRedoesIt) {
  host.grid.SetFocus();
  Press('C');       // a key: Monday 0:00
  ClickCell(1, 1);  // the drop-down: Tuesday 1:00
  ::SendMessageA(OpenCombo(), CB_SETCURSEL, 0, 0);
  Press(VK_RETURN);
  ASSERT_TRUE(TextClipboard::Put(nullptr, "C\tC"));
  Press(VK_DOWN);
  Press('V', {VK_CONTROL});  // a paste: Wednesday 1:00 and 2:00
  Command(kCommandCopyDayToEveryDay);
  Command(kCommandFillOff);

  const Rows afterKey = Painted(AllCells('M'), 0, 0, 0, 0, 'C');
  const Rows afterEdit = Painted(afterKey, 1, 1, 1, 1, '-');
  const Rows afterPaste = Painted(afterEdit, 2, 1, 2, 2, 'C');
  const Rows afterCopy = Rows(7, afterPaste[2]);
  EXPECT_EQ(ShownRows(), AllCells('-'));
  Press('Z', {VK_CONTROL});
  EXPECT_EQ(ShownRows(), afterCopy);
  Command(kCommandUndo);
  EXPECT_EQ(ShownRows(), afterPaste);
  Press('Z', {VK_CONTROL});
  EXPECT_EQ(ShownRows(), afterEdit);
  Press('Z', {VK_CONTROL});
  EXPECT_EQ(ShownRows(), afterKey);
  Press('Z', {VK_CONTROL});
  EXPECT_EQ(ShownRows(), AllCells('M'));
  Press('Z', {VK_CONTROL});
  EXPECT_EQ(ShownRows(), AllCells('M'));
  Press('Y', {VK_CONTROL});
  EXPECT_EQ(ShownRows(), afterKey);
}

}  // namespace
