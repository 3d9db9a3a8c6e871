// How a drop-down edit ends: Enter, Escape, closing the list part, the focus moving away or a
// scroll bar; the cell is written and the owner told, and the dialog never sees Enter or Escape.
#include "grid_test_host.h"

namespace {

class EditEnding : public GridTest {
 protected:
  // Opens the drop-down on cell (row, column) and selects the item at index.
  HWND OpenAndSelect(int row, int column, int index) {
    ClickCell(row, column);
    HWND combo = OpenCombo();
    if (combo) ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return combo;
  }
  bool EditorClosed() {
    return WaitFor([this] { return OpenCombo() == nullptr; });
  }
};

TEST_F(EditEnding, WhenEnterIsPressedThenTheSelectedChoiceIsWrittenAndTheOwnerTold) {
  ASSERT_NE(OpenAndSelect(3, 4, 1), nullptr);
  Press(VK_RETURN);
  EXPECT_TRUE(EditorClosed());
  EXPECT_EQ(CellText(3, 4), "C");
  ASSERT_EQ(host.edited.size(), 1u);
  const EditedCell& edit = host.edited[0];
  EXPECT_EQ(edit.gridId, static_cast<WPARAM>(IDC_GRID));
  EXPECT_EQ(edit.code, static_cast<UINT>(LVN_ENDLABELEDITA));
  EXPECT_EQ(edit.sender, host.grid.m_hWnd);
  EXPECT_EQ(edit.senderId, 0u);
  EXPECT_EQ(edit.row, 3);
  EXPECT_EQ(edit.column, 4);
  EXPECT_EQ(edit.text, "C");
  EXPECT_EQ(edit.textCapacity, 1);
  EXPECT_EQ(::GetFocus(), host.grid.m_hWnd);
}

TEST_F(EditEnding, WhenEscapeIsPressedThenTheCellKeepsItsTextAndTheOwnerIsStillTold) {
  const std::string before = InitialText(5, 9);
  ASSERT_NE(OpenAndSelect(5, 9, before == "M" ? 0 : 2), nullptr);
  Press(VK_ESCAPE);
  EXPECT_TRUE(EditorClosed());
  EXPECT_EQ(CellText(5, 9), before);
  ASSERT_EQ(host.edited.size(), 1u);
  EXPECT_EQ(host.edited[0].text, before);
}

TEST_F(EditEnding, WhenEscapeCancelsAnEditOfAnEmptyCellThenTheCellStaysEmpty) {
  host.grid.SetItemText(2, 6, "");
  ASSERT_NE(OpenAndSelect(2, 6, 1), nullptr);
  Press(VK_ESCAPE);
  EXPECT_TRUE(EditorClosed());
  EXPECT_EQ(CellText(2, 6), "");
  ASSERT_EQ(host.edited.size(), 1u);
  EXPECT_EQ(host.edited[0].textCapacity, 0);
}

TEST_F(EditEnding, WhenEnterOrEscapeEndsAnEditThenTheDialogGetsNeitherOkNorCancel) {
  ASSERT_NE(OpenAndSelect(1, 1, 0), nullptr);
  Press(VK_RETURN);
  ASSERT_TRUE(EditorClosed());
  ASSERT_NE(OpenAndSelect(1, 2, 0), nullptr);
  Press(VK_ESCAPE);
  ASSERT_TRUE(EditorClosed());
  EXPECT_EQ(host.okCommands, 0);
  EXPECT_EQ(host.cancelCommands, 0);
  EXPECT_EQ(host.edited.size(), 2u);
}

TEST_F(EditEnding, WhenNoEditorIsOpenThenEnterOnTheGridReachesTheDialog) {
  host.grid.SetFocus();
  Press(VK_RETURN);
  EXPECT_EQ(host.okCommands, 1);
}

TEST_F(EditEnding, WhenAnItemIsClickedInTheOpenListThenItIsWrittenAtOnce) {
  ClickCell(3, 8);
  HWND combo = OpenCombo();
  ASSERT_NE(combo, nullptr);
  Press(VK_F4);
  ASSERT_TRUE(::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof(parts);
  ASSERT_TRUE(::GetComboBoxInfo(combo, &parts));
  CRect item;
  ::SendMessageA(parts.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM where = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  ::PostMessageA(parts.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, where);
  ::PostMessageA(parts.hwndList, WM_LBUTTONUP, 0, where);
  EXPECT_TRUE(EditorClosed());
  EXPECT_EQ(CellText(3, 8), "C");
  ASSERT_EQ(host.edited.size(), 1u);
  EXPECT_EQ(host.edited[0].text, "C");
}

TEST_F(EditEnding, WhenTheListPartClosesThenThePickedChoiceIsWrittenAtOnce) {
  ClickCell(4, 10);
  HWND combo = OpenCombo();
  ASSERT_NE(combo, nullptr);
  ::SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_TRUE(::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
  ::SendMessageA(combo, CB_SETCURSEL, 2, 0);
  ::SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_TRUE(EditorClosed());
  EXPECT_EQ(CellText(4, 10), "M");
  ASSERT_EQ(host.edited.size(), 1u);
  EXPECT_EQ(host.edited[0].text, "M");
}

TEST_F(EditEnding, WhenTheFocusMovesToTheOkButtonThenTheEditIsCommittedFirst) {
  ASSERT_NE(OpenAndSelect(6, 3, 2), nullptr);
  ::SetFocus(::GetDlgItem(host.m_hWnd, IDC_GRID_OK));
  EXPECT_EQ(CellText(6, 3), "M");
  EXPECT_EQ(host.edited.size(), 1u);
  EXPECT_TRUE(EditorClosed());
}

TEST_F(EditEnding, WhenAScrollBarIsUsedThenTheEditEndsWithTheCurrentChoiceAndTheGridScrolls) {
  ASSERT_NE(OpenAndSelect(0, 2, 1), nullptr);
  const int before = HorizontalScroll();
  host.grid.SendMessage(WM_HSCROLL, SB_LINERIGHT);
  EXPECT_EQ(CellText(0, 2), "C");
  EXPECT_EQ(host.edited.size(), 1u);
  EXPECT_GT(HorizontalScroll(), before);
  EXPECT_TRUE(EditorClosed());
}

TEST_F(EditEnding, WhenTheOwnerGivesNoChoicesThenTheDropDownIsEmptyAndEndingWritesNothing) {
  host.answerNoChoices = true;
  ClickCell(2, 8);
  HWND combo = OpenCombo();
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(ComboItems(combo).empty());
  Press(VK_RETURN);
  EXPECT_TRUE(EditorClosed());
  EXPECT_EQ(CellText(2, 8), "");
  ASSERT_EQ(host.edited.size(), 1u);
  EXPECT_EQ(host.edited[0].text, "");
}

TEST_F(EditEnding, WhenTheGridIsDestroyedDuringAnEditThenNothingIsLeftBehind) {
  ClickCell(2, 2);
  HWND combo = OpenCombo();
  ASSERT_NE(combo, nullptr);
  host.DestroyWindow();
  PumpPendingMessages();
  EXPECT_FALSE(::IsWindow(combo));
  EXPECT_EQ(host.grid.m_hWnd, nullptr);
}

}  // namespace
