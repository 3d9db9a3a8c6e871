// CDialog's modal run on a real dialog template: DDX_Control, OnInitDialog, the modal loop's
// PreTranslateMessage-first rule, the dialog manager's Enter and Escape, and routing to the
// application object.
#include <functional>

#include "framework_test_resources.h"
#include "window_test_support.h"

namespace {

constexpr UINT kEndWith = WM_APP + 10;
constexpr UINT kHelpCommand = 0xE146;

// An edit box that may keep Enter for itself in PreTranslateMessage.
class EnterKeepingEdit : public CEdit {
 public:
  bool keepEnter = false;
  int enterKept = 0;

  // Called by the modal loop before the dialog manager sees a message.
  BOOL PreTranslateMessage(MSG* msg) override {
    if (keepEnter && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
      ++enterKept;
      return TRUE;
    }
    return CEdit::PreTranslateMessage(msg);
  }
};

class TestDialog : public CDialog {
 public:
  TestDialog() : CDialog(IDD_FRAMEWORK_TEST) {}

  // Runs inside OnInitDialog, once the controls are attached.
  std::function<void(TestDialog&)> script;
  bool listAttachedAtInit = false;
  bool editHadFocusAfterInit = false;
  EnterKeepingEdit m_edit;
  CListCtrl m_list;

 protected:
  // Called from CDialog::OnInitDialog to attach the controls.
  void DoDataExchange(CDataExchange* exchange) override {
    DDX_Control(exchange, IDC_TEST_EDIT, m_edit);
    DDX_Control(exchange, IDC_TEST_LIST, m_list);
  }
  // Called before the dialog is displayed.
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    listAttachedAtInit = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IDC_TEST_LIST)) == &m_list;
    if (script) script(*this);
    return TRUE;
  }
  // Called when the Press button is clicked.
  void OnPress() { EndDialog(IDC_TEST_BUTTON); }
  // Called on kEndWith: ends the dialog with wParam, after noting who has the focus.
  LRESULT OnEndWith(WPARAM result, LPARAM) {
    editHadFocusAfterInit = ::GetFocus() == ::GetDlgItem(m_hWnd, IDC_TEST_EDIT);
    EndDialog(static_cast<int>(result));
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
  ON_BN_CLICKED(IDC_TEST_BUTTON, &TestDialog::OnPress)
  ON_MESSAGE(kEndWith, &TestDialog::OnEndWith)
END_MESSAGE_MAP()

// An application object whose map takes the Help command.
class HelpApp : public CWinApp {
 public:
  int helpCommands = 0;

 protected:
  // Called on the Help command that no window handled.
  void OnHelpCommand() { ++helpCommands; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HelpApp, CWinApp)
  ON_COMMAND(kHelpCommand, &HelpApp::OnHelpCommand)
END_MESSAGE_MAP()

TEST(ModalDialogs, WhenOnInitDialogRunsThenDdxControlHasAttachedTheMembers) {
  TestDialog dialog;
  dialog.script = [](TestDialog& self) { self.PostMessage(kEndWith, 5); };
  EXPECT_EQ(dialog.DoModal(), 5);
  EXPECT_TRUE(dialog.listAttachedAtInit);
}

TEST(ModalDialogs, WhenOnInitDialogReturnsTrueThenTheFirstTabStopHasTheFocus) {
  TestDialog dialog;
  dialog.script = [](TestDialog& self) { self.PostMessage(kEndWith, 5); };
  dialog.DoModal();
  EXPECT_TRUE(dialog.editHadFocusAfterInit);
}

TEST(ModalDialogs, WhenDoModalReturnsThenTheWindowIsDestroyedAndDetached) {
  TestDialog dialog;
  HWND seen = nullptr;
  dialog.script = [&seen](TestDialog& self) {
    seen = self.m_hWnd;
    self.PostMessage(kEndWith, 5);
  };
  dialog.DoModal();
  EXPECT_NE(seen, nullptr);
  EXPECT_FALSE(::IsWindow(seen));
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.m_list.m_hWnd, nullptr);
}

TEST(ModalDialogs, WhenEscapeReachesTheDialogManagerThenOnCancelEndsItWithIdCancel) {
  TestDialog dialog;
  dialog.script = [](TestDialog& self) { PostKeyPress(self.m_edit.m_hWnd, VK_ESCAPE); };
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(ModalDialogs, WhenEnterReachesTheDialogManagerThenOnOkEndsItWithIdOk) {
  TestDialog dialog;
  dialog.script = [](TestDialog& self) { PostKeyPress(self.m_edit.m_hWnd, VK_RETURN); };
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(ModalDialogs, WhenAControlKeepsAKeyInPreTranslateMessageThenTheDialogManagerNeverSeesIt) {
  TestDialog dialog;
  dialog.m_edit.keepEnter = true;
  dialog.script = [](TestDialog& self) {
    PostKeyPress(self.m_edit.m_hWnd, VK_RETURN);
    self.PostMessage(kEndWith, 5);
  };
  EXPECT_EQ(dialog.DoModal(), 5);
  EXPECT_EQ(dialog.m_edit.enterKept, 1);
}

TEST(ModalDialogs, WhenAButtonIsClickedThenItsBnClickedEntryRuns) {
  TestDialog dialog;
  dialog.script = [](TestDialog& self) {
    ::PostMessageA(::GetDlgItem(self.m_hWnd, IDC_TEST_BUTTON), BM_CLICK, 0, 0);
  };
  EXPECT_EQ(dialog.DoModal(), IDC_TEST_BUTTON);
}

TEST(ModalDialogs, WhenNoWindowTakesACommandThenTheApplicationMapGetsIt) {
  HelpApp app;
  TestDialog dialog;
  dialog.script = [](TestDialog& self) {
    self.PostMessage(WM_COMMAND, kHelpCommand);
    self.PostMessage(kEndWith, 5);
  };
  dialog.DoModal();
  EXPECT_EQ(app.helpCommands, 1);
}

TEST(ModalDialogs, WhenTheTemplateDoesNotExistThenDoModalReturnsMinusOne) {
  CDialog missing(9999);
  EXPECT_EQ(missing.DoModal(), -1);
}

}  // namespace
