// The edit-box path: columns that are neither choice columns nor locked, with and without a
// character filter.
#include "grid_test_host.h"

namespace {

class TextEditing : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    host.grid.SetChoiceColumn(kTextColumn, false);
  }
  HWND OpenEditOn(int row) {
    ClickCell(row, kTextColumn);
    return OpenEdit();
  }
  // Types characters into the focused window as the keyboard would.
  void Type(const std::string& characters) {
    for (char character : characters) {
      ::PostMessageA(::GetFocus(), WM_CHAR, static_cast<unsigned char>(character), 1);
    }
    PumpPendingMessages(host.m_hWnd);
  }
  bool EditorClosed() {
    return WaitFor([this] { return OpenEdit() == nullptr; });
  }

  static constexpr int kTextColumn = 3;
};

TEST_F(TextEditing, WhenACellOfATextColumnIsClickedThenTheEditBoxCoversItWithAllTextSelected) {
  host.grid.SetItemText(2, kTextColumn, "12:30");
  ChildCreationRecorder recorder;
  HWND edit = OpenEditOn(2);
  ASSERT_FALSE(recorder.created().empty());
  EXPECT_EQ(static_cast<DWORD>(recorder.created()[0].style), WS_CHILD | 0x1C0u);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(OpenCombo(), nullptr);
  EXPECT_TRUE(host.choiceRequests.empty());
  EXPECT_EQ(WindowText(edit), "12:30");
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
  EXPECT_EQ(::GetFocus(), edit);
  EXPECT_TRUE(::IsWindowVisible(edit));
  const CRect rect = RectInGrid(edit);
  EXPECT_EQ(rect.left, ColumnLeft(kTextColumn, 2));
  EXPECT_EQ(rect.Width(), ColumnWidth(kTextColumn));
  EXPECT_EQ(rect.top, RowBounds(2).top);
  EXPECT_EQ(rect.Height(), RowBounds(2).Height());
}

TEST_F(TextEditing, WhenTextIsTypedAndEnterPressedThenTheCellHoldsTheTypedText) {
  ASSERT_NE(OpenEditOn(4), nullptr);
  Type("Hello");
  Press(VK_RETURN);
  EXPECT_TRUE(EditorClosed());
  EXPECT_EQ(CellText(4, kTextColumn), "Hello");
  ASSERT_EQ(host.edited.size(), 1u);
  EXPECT_EQ(host.edited[0].textCapacity, 5);
  EXPECT_EQ(host.okCommands, 0);
}

TEST_F(TextEditing, WhenEscapeIsPressedThenTheCellKeepsItsTextAndTheDialogIsNotCancelled) {
  const std::string before = InitialText(1, kTextColumn);
  ASSERT_NE(OpenEditOn(1), nullptr);
  Type("xyz");
  Press(VK_ESCAPE);
  EXPECT_TRUE(EditorClosed());
  EXPECT_EQ(CellText(1, kTextColumn), before);
  ASSERT_EQ(host.edited.size(), 1u);
  EXPECT_EQ(host.edited[0].text, before);
  EXPECT_EQ(host.cancelCommands, 0);
}

TEST_F(TextEditing, WhenTheColumnHasAFilterThenOnlyItsCharactersAndEditingKeysGetThrough) {
  host.grid.SetColumnCharFilter("0123456789", kTextColumn);
  HWND edit = OpenEditOn(0);
  ASSERT_NE(edit, nullptr);
  Type("1a2B3");
  EXPECT_EQ(WindowText(edit), "123");
  Type("\b");
  EXPECT_EQ(WindowText(edit), "12");
  Press(VK_RETURN);
  EXPECT_TRUE(EditorClosed());
  EXPECT_EQ(CellText(0, kTextColumn), "12");
}

TEST_F(TextEditing, WhenTheFilterIsSetForAllColumnsThenEveryTextColumnUsesIt) {
  host.grid.SetColumnCharFilter("ab", -1);
  HWND edit = OpenEditOn(0);
  ASSERT_NE(edit, nullptr);
  Type("abcab");
  EXPECT_EQ(WindowText(edit), "abab");
}

TEST_F(TextEditing, WhenTheFilterIsEmptyThenEveryCharacterIsAccepted) {
  host.grid.SetColumnCharFilter("0123456789", kTextColumn);
  host.grid.SetColumnCharFilter("", kTextColumn);
  HWND edit = OpenEditOn(0);
  ASSERT_NE(edit, nullptr);
  Type("a1-Z");
  EXPECT_EQ(WindowText(edit), "a1-Z");
}

TEST_F(TextEditing, WhenTheColumnIsLockedThenNoEditorOpens) {
  host.grid.SetLockedColumn(kTextColumn, true);
  ClickCell(2, kTextColumn);
  EXPECT_EQ(OpenEdit(), nullptr);
  EXPECT_EQ(OpenCombo(), nullptr);
  EXPECT_TRUE(RowSelected(2));
}

}  // namespace
