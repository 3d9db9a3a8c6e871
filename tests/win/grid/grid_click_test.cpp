// Clicks on the schedule grid: which cell a click edits, which clicks edit nothing, and where the
// drop-down appears.
#include "grid_test_host.h"

namespace {

using CellClicks = GridTest;

TEST_F(CellClicks, WhenACellIsClickedThenTheDropDownCoversItWithTheChoicesAndTheFocus) {
  ChildCreationRecorder recorder;
  ClickCell(2, 3);
  HWND combo = OpenCombo();
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(ComboItems(combo), (std::vector<std::string>{"-", "C", "M"}));
  EXPECT_EQ(ComboSelection(combo), InitialText(2, 3));
  EXPECT_EQ(::GetFocus(), combo);
  EXPECT_EQ(::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), FALSE);
  EXPECT_EQ(host.choiceRequests, std::vector<int>{3});

  // The drop-down is created over the cell, reaching 13 cell heights below it.
  const CRect row = RowBounds(2);
  ASSERT_FALSE(recorder.created().empty());
  EXPECT_EQ(recorder.created()[0].parent, host.grid.m_hWnd);
  const CRect requested = recorder.created()[0].rect;
  EXPECT_EQ(requested.left, ColumnLeft(3, 2));
  EXPECT_EQ(requested.right, ColumnLeft(3, 2) + ColumnWidth(3));
  EXPECT_EQ(requested.top, row.top);
  EXPECT_EQ(requested.Height(), 14 * row.Height());
  EXPECT_EQ(RectInGrid(combo).top, row.top);
  EXPECT_EQ(RectInGrid(combo).left, ColumnLeft(3, 2));
  EXPECT_EQ(static_cast<DWORD>(recorder.created()[0].style), 0x50A008C3u);
}

TEST_F(CellClicks, WhenColumnZeroIsClickedThenItIsEditedWithTheDropDownThoughLocked) {
  ClickCell(0, 0);
  HWND combo = OpenCombo();
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(ComboSelection(combo), InitialText(0, 0));
  EXPECT_EQ(OpenEdit(), nullptr);
}

TEST_F(CellClicks, WhenTheClickIsOnADividerThenTheLeftColumnIsEdited) {
  const CPoint divider(ColumnLeft(5, 1), CellCenter(1, 5).y);
  Click(divider);
  ASSERT_NE(OpenCombo(), nullptr);
  EXPECT_EQ(host.choiceRequests, std::vector<int>{4});
  EXPECT_EQ(RectInGrid(OpenCombo()).left, ColumnLeft(4, 1));
}

TEST_F(CellClicks, WhenTheClickIsBelowTheLastRowThenNothingChangesAndAnOpenEditorStays) {
  ClickCell(1, 2);
  HWND combo = OpenCombo();
  ASSERT_NE(combo, nullptr);
  const CRect last = RowBounds(kRows - 1);
  Click(CPoint(CellCenter(1, 2).x, last.bottom + 2));
  EXPECT_EQ(OpenCombo(), combo);
  EXPECT_EQ(::GetFocus(), combo);
  EXPECT_TRUE(host.edited.empty());
  EXPECT_TRUE(RowSelected(1));
  EXPECT_FALSE(RowSelected(kRows - 1));
}

TEST_F(CellClicks, WhenTheClickIsRightOfTheLastColumnThenNothingChanges) {
  for (int column = 0; column < kColumns; ++column) {
    host.grid.SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), 20);
  }
  const CPoint beyond(ColumnLeft(kColumns - 1, 4) + ColumnWidth(kColumns - 1) + 5,
                      CellCenter(4, 0).y);
  CRect client;
  host.grid.GetClientRect(client);
  ASSERT_LT(beyond.x, client.right);
  Click(beyond);
  EXPECT_EQ(OpenCombo(), nullptr);
  EXPECT_FALSE(RowSelected(4));
  EXPECT_NE(::GetFocus(), host.grid.m_hWnd);
  EXPECT_TRUE(host.choiceRequests.empty());
}

TEST_F(CellClicks, WhenShiftOrCtrlIsHeldThenTheClickSelectsTheRowWithoutEditing) {
  struct HeldKey {
    int key;
    WPARAM flag;
    int row;
  };
  for (const HeldKey held : {HeldKey{VK_SHIFT, MK_SHIFT, 3}, HeldKey{VK_CONTROL, MK_CONTROL, 5}}) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[held.key] = 0x80;
    ::SetKeyboardState(keys);
    Click(CellCenter(held.row, 6), held.flag);
    keys[held.key] = 0;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(RowSelected(held.row));
    EXPECT_EQ(OpenCombo(), nullptr);
    EXPECT_TRUE(host.choiceRequests.empty());
  }
}

TEST_F(CellClicks, WhenAColumnIsPartlyHiddenAtTheRightThenItsRightEdgeIsScrolledToTheClientEdge) {
  CRect client;
  host.grid.GetClientRect(client);
  int column = 0;
  while (ColumnLeft(column + 1) <= client.right) ++column;
  ASSERT_GT(ColumnLeft(column) + ColumnWidth(column), client.right);
  const int visiblePart = client.right - ColumnLeft(column);
  ASSERT_GT(visiblePart, 4);

  Click(CPoint(ColumnLeft(column) + visiblePart / 2, CellCenter(2, column).y));
  ASSERT_NE(OpenCombo(), nullptr);
  EXPECT_EQ(ColumnLeft(column) + ColumnWidth(column), client.right);
  const CRect combo = RectInGrid(OpenCombo());
  EXPECT_EQ(combo.left, ColumnLeft(column));
  EXPECT_EQ(combo.right, client.right);
}

TEST_F(CellClicks, WhenAColumnStartsLeftOfTheVisibleAreaThenItsLeftEdgeIsScrolledToTheClientEdge) {
  host.grid.SendMessage(LVM_SCROLL, 90, 0);
  PumpPendingMessages(host.m_hWnd);
  ASSERT_GT(HorizontalScroll(), 60);
  ASSERT_LT(ColumnLeft(1), 0);

  Click(CPoint(ColumnLeft(1) + ColumnWidth(1) - 5, CellCenter(2, 1).y));
  ASSERT_NE(OpenCombo(), nullptr);
  EXPECT_EQ(host.choiceRequests, std::vector<int>{1});
  EXPECT_EQ(ColumnLeft(1), 0);
  EXPECT_EQ(RectInGrid(OpenCombo()).left, 0);
}

TEST_F(CellClicks, WhenAColumnIsNarrowerThanTenPixelsThenNoDropDownOpens) {
  host.grid.SendMessage(LVM_SETCOLUMNWIDTH, 5, 9);
  Click(CellCenter(2, 5));
  EXPECT_EQ(OpenCombo(), nullptr);
  EXPECT_TRUE(RowSelected(2));

  host.grid.SendMessage(LVM_SETCOLUMNWIDTH, 5, 10);
  Click(CellCenter(3, 5));
  EXPECT_NE(OpenCombo(), nullptr);
}

TEST_F(CellClicks, WhenAnotherCellIsClickedDuringAnEditThenTheEditEndsAndTheDropDownMoves) {
  ClickCell(1, 2);
  ASSERT_NE(OpenCombo(), nullptr);
  ::SendMessageA(OpenCombo(), CB_SETCURSEL, 2, 0);

  ClickCell(4, 7);
  ASSERT_EQ(host.edited.size(), 1u);
  EXPECT_EQ(CellText(1, 2), "M");
  HWND combo = OpenCombo();
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(RectInGrid(combo).left, ColumnLeft(7, 4));
  EXPECT_EQ(RectInGrid(combo).top, RowBounds(4).top);
  EXPECT_EQ(ComboSelection(combo), InitialText(4, 7));
  EXPECT_EQ(::GetFocus(), combo);
}

TEST_F(CellClicks, WhenTheListStartsItsOwnLabelEditingInTheLockedColumnThenItIsRefused) {
  host.grid.SetFocus();
  EXPECT_EQ(host.grid.SendMessage(LVM_EDITLABELA, 2), 0);
  EXPECT_EQ(OpenEdit(), nullptr);

  // Unlocked, the list's own editor opens; cancelling it reports no text and writes nothing.
  host.grid.SetLockedColumn(0, false);
  HWND listEditor = reinterpret_cast<HWND>(host.grid.SendMessage(LVM_EDITLABELA, 2));
  EXPECT_NE(listEditor, nullptr);
  host.grid.SendMessage(LVM_CANCELEDITLABEL);
  PumpPendingMessages(host.m_hWnd);
  EXPECT_EQ(CellText(2, 0), InitialText(2, 0));
  EXPECT_TRUE(host.edited.empty());
}

TEST_F(CellClicks, WhenTheListIsNotAReportViewThenClicksOpenNothing) {
  const LONG style = ::GetWindowLongA(host.grid.m_hWnd, GWL_STYLE);
  const CPoint cell = CellCenter(2, 0);
  ::SetWindowLongA(host.grid.m_hWnd, GWL_STYLE, (style & ~LVS_TYPEMASK) | LVS_LIST);
  Click(cell);
  EXPECT_EQ(OpenCombo(), nullptr);
  EXPECT_TRUE(host.choiceRequests.empty());
}

}  // namespace
