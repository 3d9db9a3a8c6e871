#include "grid_test_host.h"

namespace {

// The dialog manager's answer for the host: every message goes to the host's map first.
INT_PTR CALLBACK HostDialogProcedure(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

}  // namespace

BEGIN_MESSAGE_MAP(GridHost, CWnd)
  ON_MESSAGE(WM_CELL_CHOICES, &GridHost::OnCellChoices)
  ON_MESSAGE(WM_CELL_EDITED, &GridHost::OnCellEdited)
  ON_COMMAND(IDOK, &GridHost::OnOkCommand)
  ON_COMMAND(IDCANCEL, &GridHost::OnCancelCommand)
END_MESSAGE_MAP()

void GridTest::SetUp() {
  {
    WindowCreationHook attach(&host);
    ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_GRID_TEST), nullptr,
                         HostDialogProcedure, 0);
  }
  ASSERT_NE(host.m_hWnd, nullptr);
  ASSERT_TRUE(host.grid.SubclassDlgItem(IDC_GRID, &host));
  CComboListCtrl& grid = host.grid;

  SetUpScheduleGrid(grid);
  // Columns wider than the grid, so that the list's scrolling to an edited cell is exercised.
  for (int column = 0; column < kColumns; ++column)
    grid.SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), 60);
  SetRowImageHeight(grid, 30);
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      grid.SetItemText(row, column, InitialText(row, column).c_str());
    }
  }

  host.ShowWindow(SW_SHOW);
  ::SetForegroundWindow(host.m_hWnd);
  ::SetFocus(::GetDlgItem(host.m_hWnd, IDC_GRID_OK));
  PumpPendingMessages(host.m_hWnd);
  // Every row must be visible for the tests' clicks below the last row.
  CRect client;
  grid.GetClientRect(client);
  ASSERT_LE(RowBounds(kRows - 1).bottom, client.bottom);
}

void GridTest::TearDown() {
  host.DestroyWindow();
  PumpPendingMessages();
}

CRect GridTest::RowBounds(int row) {
  CRect bounds;
  host.grid.GetItemRect(row, bounds, LVIR_BOUNDS);
  return bounds;
}

int GridTest::ColumnWidth(int column) {
  return static_cast<int>(host.grid.SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

int GridTest::ColumnLeft(int column, int row) {
  int left = RowBounds(row).left;
  for (int index = 0; index < column; ++index) left += ColumnWidth(index);
  return left;
}

CPoint GridTest::CellCenter(int row, int column) {
  const CRect bounds = RowBounds(row);
  return CPoint(ColumnLeft(column, row) + ColumnWidth(column) / 2,
                (bounds.top + bounds.bottom) / 2);
}

void GridTest::Click(CPoint point, WPARAM keys) {
  const LPARAM where = MAKELPARAM(point.x, point.y);
  host.grid.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON | keys, where);
  host.grid.PostMessage(WM_LBUTTONUP, keys, where);
  PumpPendingMessages(host.m_hWnd);
}

void GridTest::PressKey(WPARAM key) {
  HWND focus = ::GetFocus();
  ::PostMessageA(focus, WM_KEYDOWN, key, 1);
  ::PostMessageA(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
  PumpPendingMessages(host.m_hWnd);
}

std::vector<std::string> GridTest::ComboItems(HWND combo) const {
  std::vector<std::string> items;
  const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    char text[64] = {};
    ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

std::string GridTest::ComboSelection(HWND combo) const {
  const LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return "<none>";
  char text[64] = {};
  ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(text));
  return text;
}

CRect GridTest::RectInGrid(HWND child) const {
  CRect rect;
  ::GetWindowRect(child, &rect);
  ::MapWindowPoints(nullptr, host.grid.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool GridTest::RowSelected(int row) const {
  return (host.grid.SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
          LVIS_SELECTED) != 0;
}
