#include "schedule_grid_test_host.h"

#include <cstring>

void ScheduleGridTest::SetUp() {
  GridTest::SetUp();
  ShowRows(AllCells('M'));
}

ScheduleGridTest::Rows ScheduleGridTest::ShownRows() const {
  Rows rows;
  for (int day = 0; day < kRows; ++day) {
    std::string row;
    for (int hour = 0; hour < kColumns; ++hour) row += CellText(day, hour);
    rows.push_back(row);
  }
  return rows;
}

ScheduleGridTest::Rows ScheduleGridTest::AllCells(char letter) {
  return Rows(kRows, std::string(kColumns, letter));
}

ScheduleGridTest::Rows ScheduleGridTest::Painted(Rows rows, int firstDay, int firstHour,
                                                 int lastDay, int lastHour, char letter) {
  for (int day = firstDay; day <= lastDay; ++day) {
    for (int hour = firstHour; hour <= lastHour; ++hour) rows[day][hour] = letter;
  }
  return rows;
}

void ScheduleGridTest::ShowRows(const Rows& rows) {
  for (int day = 0; day < kRows; ++day) {
    for (int hour = 0; hour < kColumns; ++hour) {
      host.grid.SetItemText(day, hour, std::string(1, rows[day][hour]).c_str());
    }
  }
}

void ScheduleGridTest::Press(WPARAM key, std::initializer_list<int> held) {
  HeldKeys keys(held);
  const bool alt = std::find(held.begin(), held.end(), VK_MENU) != held.end();
  // Keys with Alt, and F10, come as system keys.
  const UINT down = alt || key == VK_F10 ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const LPARAM context = alt ? (1 << 29) : 0;
  HWND focus = ::GetFocus();
  ::PostMessageA(focus, down, key, 1 | context);
  ::PostMessageA(focus, down + 1, key, static_cast<LPARAM>(0xC0000001) | context);
  PumpPendingMessages(host.m_hWnd);
}

void ScheduleGridTest::PressTimes(int times, WPARAM key, std::initializer_list<int> held) {
  for (int time = 0; time < times; ++time) Press(key, held);
}

void ScheduleGridTest::Drag(int fromDay, int fromHour, int toDay, int toHour) {
  Drag(CellCenter(fromDay, fromHour), CellCenter(toDay, toHour));
}

void ScheduleGridTest::Drag(CPoint from, CPoint to) {
  host.grid.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
  host.grid.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
  host.grid.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
  PumpPendingMessages(host.m_hWnd);
}

void ScheduleGridTest::ClickHeader(int hour, std::initializer_list<int> held) {
  HeldKeys keys(held);
  HWND header = reinterpret_cast<HWND>(host.grid.SendMessage(LVM_GETHEADER));
  RECT item{};
  ::SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(hour),
                 reinterpret_cast<LPARAM>(&item));
  const LPARAM where = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  ::PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, where);
  ::PostMessageA(header, WM_LBUTTONUP, 0, where);
  PumpPendingMessages(host.m_hWnd);
}

void ScheduleGridTest::Command(UINT command) {
  host.grid.PostMessage(WM_COMMAND, command);
  PumpPendingMessages(host.m_hWnd);
}

void ScheduleGridTest::PutClipboardText(const std::string& text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
  ::GlobalUnlock(memory);
  ::SetClipboardData(CF_TEXT, memory);
  ::CloseClipboard();
}

std::string ScheduleGridTest::ClipboardText() {
  if (!::OpenClipboard(nullptr)) return "<clipboard busy>";
  std::string text = "<no text>";
  if (HANDLE memory = ::GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(::GlobalLock(memory));
    ::GlobalUnlock(memory);
  }
  ::CloseClipboard();
  return text;
}

HeldKeys::HeldKeys(std::initializer_list<int> keys) {
  ::GetKeyboardState(m_before);
  BYTE state[256];
  std::memcpy(state, m_before, sizeof state);
  for (const int key : keys) state[key] = 0x80;
  ::SetKeyboardState(state);
}

HeldKeys::~HeldKeys() {
  ::SetKeyboardState(m_before);
}
