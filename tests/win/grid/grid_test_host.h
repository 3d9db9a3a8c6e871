// A dialog window holding a schedule grid set up by the settings dialog's own SetUpScheduleGrid
// (24 columns headed "0" to "23", here widened to 60 px so that the grid scrolls, 7 rows, every
// column a choice column, column 0 locked, a vertical scroll bar on the drop-down), with rows 30 px
// high, whose owner answers "-", "C", "M". It runs modeless; tests drive it with real messages and
// pump them by the modal loop's rules.
#pragma once

#include <string>
#include <vector>

#include "grid/combo_list_ctrl.h"
#include "grid/schedule_layout.h"
#include "grid_test_resources.h"
#include "window_test_support.h"

// What the owner learnt from one WM_CELL_EDITED.
struct EditedCell {
  WPARAM gridId;
  UINT code;
  HWND sender;
  UINT_PTR senderId;
  int row;
  int column;
  std::string text;
  int textCapacity;
};

class GridHost : public CWnd {
 public:
  explicit GridHost(CComboListCtrl& gridToHost) : grid(gridToHost) {}

  CComboListCtrl& grid;
  std::vector<EditedCell> edited;
  std::vector<int> choiceRequests;
  int okCommands = 0;
  int cancelCommands = 0;
  bool answerNoChoices = false;

 protected:
  // Called when the grid asks for a column's choices.
  LRESULT OnCellChoices(WPARAM column, LPARAM choices) {
    choiceRequests.push_back(static_cast<int>(column));
    auto* list = reinterpret_cast<CStringList*>(choices);
    list->RemoveAll();
    if (!answerNoChoices) {
      list->AddTail("-");
      list->AddTail("C");
      list->AddTail("M");
    }
    return 1;
  }
  // Called after the grid wrote an edited cell.
  LRESULT OnCellEdited(WPARAM gridId, LPARAM record) {
    const auto* info = reinterpret_cast<const NMLVDISPINFOA*>(record);
    edited.push_back({gridId, info->hdr.code, info->hdr.hwndFrom, info->hdr.idFrom,
                      info->item.iItem, info->item.iSubItem, info->item.pszText,
                      info->item.cchTextMax});
    return 0;
  }
  // Called when the dialog manager turns Enter into the OK command.
  void OnOkCommand() { ++okCommands; }
  // Called when the dialog manager turns Escape into the Cancel command.
  void OnCancelCommand() { ++cancelCommands; }
  DECLARE_MESSAGE_MAP()
};

// Records the rectangle and style each window is created with, while it lives. (Wine's
// CB_GETDROPPEDCONTROLRECT leaves out the selection field's height, so a drop-down's requested
// rectangle is read at its creation instead.)
class ChildCreationRecorder {
 public:
  ChildCreationRecorder() {
    Created().clear();
    m_hook =
        ::SetWindowsHookExA(WH_CBT, &ChildCreationRecorder::OnCbt, nullptr, ::GetCurrentThreadId());
  }
  ~ChildCreationRecorder() { ::UnhookWindowsHookEx(m_hook); }
  ChildCreationRecorder(const ChildCreationRecorder&) = delete;
  ChildCreationRecorder& operator=(const ChildCreationRecorder&) = delete;

  struct Creation {
    HWND parent;
    CRect rect;
    LONG style;
  };
  const std::vector<Creation>& created() const { return Created(); }

 private:
  static std::vector<Creation>& Created() {
    static std::vector<Creation> created;
    return created;
  }
  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
      Created().push_back(
          {create->hwndParent,
           CRect(create->x, create->y, create->x + create->cx, create->y + create->cy),
           create->style});
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  HHOOK m_hook;
};

class GridTest : public ::testing::Test {
 protected:
  // Hosts a plain CComboListCtrl, or the grid a derived fixture brings.
  GridTest() : GridTest(m_plainGrid) {}
  explicit GridTest(CComboListCtrl& grid) : host(grid) {}

  static constexpr int kColumns = 24;
  static constexpr int kRows = 7;

  void SetUp() override;
  void TearDown() override;

  // The text the grid starts with in cell (row, column).
  static std::string InitialText(int row, int column) {
    return std::string(1, "-CM"[(row + column) % 3]);
  }

  // Cell geometry, read from the running list.
  CRect RowBounds(int row);
  int ColumnWidth(int column);
  int ColumnLeft(int column, int row = 0);
  CPoint CellCenter(int row, int column);

  // Posts a left button press and release at a client point of the grid, then pumps.
  void Click(CPoint point, WPARAM keys = 0);
  void ClickCell(int row, int column) { Click(CellCenter(row, column)); }
  // Posts a key press to the window with the focus, then pumps.
  void PressKey(WPARAM key);
  // Pumps until the condition holds (bounded).
  bool WaitFor(const std::function<bool()>& condition) {
    return PumpMessagesUntil(condition, host.m_hWnd);
  }

  // The in-place drop-down or edit box over the grid, or null.
  HWND OpenCombo() const { return ::FindWindowExA(host.grid.m_hWnd, nullptr, "ComboBox", nullptr); }
  HWND OpenEdit() const { return ::FindWindowExA(host.grid.m_hWnd, nullptr, "Edit", nullptr); }
  std::vector<std::string> ComboItems(HWND combo) const;
  std::string ComboSelection(HWND combo) const;
  CRect RectInGrid(HWND child) const;
  // How far the grid is scrolled to the right, in pixels.
  int HorizontalScroll() { return -RowBounds(0).left; }
  bool RowSelected(int row) const;
  std::string CellText(int row, int column) const {
    return static_cast<const char*>(host.grid.GetItemText(row, column));
  }

  // Declared before the host, which refers to it.
 private:
  CComboListCtrl m_plainGrid;

 protected:
  GridHost host;
};
