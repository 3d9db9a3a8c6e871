#include "schedule_grid_test_host.h"

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
