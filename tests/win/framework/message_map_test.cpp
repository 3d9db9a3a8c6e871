// Message maps on real windows: entries, base maps, reflection to the sender, Default() and
// the binding between a window and its object.
#include <stdexcept>

#include "window_test_support.h"

namespace {

constexpr UINT kPing = WM_APP + 1;
constexpr UINT kThrow = WM_APP + 2;
constexpr UINT kOverride = WM_APP + 3;
constexpr UINT kControlId = 77;
constexpr UINT kHandledByControl = 1001;
constexpr UINT kHandledByParent = 1002;

// An edit box that handles some of its own notifications and filters characters.
class ReflectingEdit : public CEdit {
 public:
  bool sawCreate = false;
  int notificationsHandled = 0;
  int changesHandled = 0;

 protected:
  // Called while the window is being created.
  int OnCreate(LPCREATESTRUCTA create) {
    sawCreate = true;
    return CEdit::OnCreate(create);
  }
  // Called for each typed character: only 'a' gets the edit box's standard handling.
  void OnChar(UINT character, UINT repeat, UINT flags) {
    if (character == 'a') CEdit::OnChar(character, repeat, flags);
  }
  // Called when the edit box's own notification kHandledByControl comes back to it.
  void OnOwnNotification(NMHDR*, LRESULT* result) {
    ++notificationsHandled;
    *result = 7;
  }
  // Called when the edit box's EN_CHANGE comes back to it.
  void OnOwnChange() { ++changesHandled; }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingEdit, CEdit)
  ON_WM_CREATE()
  ON_WM_CHAR()
  ON_NOTIFY_REFLECT(kHandledByControl, &ReflectingEdit::OnOwnNotification)
  ON_CONTROL_REFLECT(EN_CHANGE, &ReflectingEdit::OnOwnChange)
END_MESSAGE_MAP()

// A top-level window whose base map answers kPing with 1.
class BaseWindow : public CWnd {
 protected:
  // Called on kPing.
  LRESULT OnPing(WPARAM, LPARAM) { return 1; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWindow, CWnd)
  ON_MESSAGE(kPing, &BaseWindow::OnPing)
  ON_MESSAGE(kOverride, &BaseWindow::OnPing)
END_MESSAGE_MAP()

// Overrides kOverride, throws on kThrow and collects notifications its children leave to it.
class ParentWindow : public BaseWindow {
 public:
  int parentNotifications = 0;
  int parentChanges = 0;

 protected:
  // Called on kOverride.
  LRESULT OnOverride(WPARAM, LPARAM) { return 2; }
  // Called on kThrow: fails the way a failed save fails.
  LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("The disk is full."); }
  // Called for notifications kHandledByParent from control kControlId.
  void OnChildNotification(NMHDR*, LRESULT* result) {
    ++parentNotifications;
    *result = 9;
  }
  // Called for EN_CHANGE from control kControlId, when the control did not take it.
  void OnChildChange() { ++parentChanges; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWindow, BaseWindow)
  ON_MESSAGE(kOverride, &ParentWindow::OnOverride)
  ON_MESSAGE(kThrow, &ParentWindow::OnThrow)
  ON_NOTIFY(kHandledByControl, kControlId, &ParentWindow::OnChildNotification)
  ON_NOTIFY(kHandledByParent, kControlId, &ParentWindow::OnChildNotification)
  ON_CONTROL(EN_CHANGE, kControlId, &ParentWindow::OnChildChange)
END_MESSAGE_MAP()

class MessageMaps : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.CreateEx(0, PlainWindowClass(), "parent", WS_OVERLAPPEDWINDOW,
                                CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 40),
                            &parent, kControlId));
  }
  void TearDown() override { parent.DestroyWindow(); }

  LRESULT Notify(HWND sender, UINT code) {
    NMHDR header{sender, kControlId, code};
    return parent.SendMessage(WM_NOTIFY, kControlId, reinterpret_cast<LPARAM>(&header));
  }

  ParentWindow parent;
  ReflectingEdit edit;
};

TEST_F(MessageMaps, WhenAChildIsCreatedThenItsObjectIsAttachedBeforeWmCreate) {
  EXPECT_TRUE(edit.sawCreate);
  EXPECT_EQ(CWnd::FromHandlePermanent(edit.m_hWnd), &edit);
  EXPECT_EQ(edit.GetParent(), &parent);
  EXPECT_EQ(edit.GetDlgCtrlID(), static_cast<int>(kControlId));
}

TEST_F(MessageMaps, WhenANotificationNamesAControlThenTheControlHandlesItBeforeItsParent) {
  EXPECT_EQ(Notify(edit.m_hWnd, kHandledByControl), 7);
  EXPECT_EQ(edit.notificationsHandled, 1);
  EXPECT_EQ(parent.parentNotifications, 0);
}

TEST_F(MessageMaps, WhenTheSenderLeavesANotificationAloneThenTheParentMapGetsIt) {
  EXPECT_EQ(Notify(edit.m_hWnd, kHandledByParent), 9);
  EXPECT_EQ(parent.parentNotifications, 1);
  EXPECT_EQ(edit.notificationsHandled, 0);
}

TEST_F(MessageMaps, WhenANotificationNamesAWindowWithoutObjectThenOnlyTheParentMapSeesIt) {
  HWND foreign = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd, nullptr,
                                   nullptr, nullptr);
  EXPECT_EQ(Notify(foreign, kHandledByControl), 9);
  EXPECT_EQ(parent.parentNotifications, 1);
  EXPECT_EQ(edit.notificationsHandled, 0);
}

TEST_F(MessageMaps, WhenAControlChangesItsTextThenItsOwnCommandIsReflectedToIt) {
  edit.SetWindowText("typed");
  EXPECT_GE(edit.changesHandled, 1);
  EXPECT_EQ(parent.parentChanges, 0);
}

TEST_F(MessageMaps, WhenAHandlerCallsDefaultThenTheControlsOwnProcedureRuns) {
  edit.SendMessage(WM_CHAR, 'a', 1);
  edit.SendMessage(WM_CHAR, 'b', 1);
  edit.SendMessage(WM_CHAR, 'a', 1);
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(text, "aa");
}

TEST_F(MessageMaps, WhenADerivedMapListsAMessageThenItWinsAndTheBaseMapKeepsTheRest) {
  EXPECT_EQ(parent.SendMessage(kOverride), 2);
  EXPECT_EQ(parent.SendMessage(kPing), 1);
}

TEST_F(MessageMaps, WhenAHandlerThrowsThenTheErrorIsShownAndTheWindowLivesOn) {
  MessageBoxWatcher watcher;
  EXPECT_EQ(parent.SendMessage(kThrow), 0);
  ASSERT_EQ(watcher.boxes().size(), 1u);
  EXPECT_EQ(watcher.boxes()[0].text, "The disk is full.");
  EXPECT_TRUE(::IsWindow(parent.m_hWnd));
  EXPECT_EQ(parent.SendMessage(kPing), 1);
}

TEST_F(MessageMaps, WhenTheWindowIsDestroyedThenTheObjectForgetsIt) {
  HWND hwnd = edit.m_hWnd;
  edit.DestroyWindow();
  EXPECT_EQ(edit.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST_F(MessageMaps, WhenTheObjectIsDeletedFirstThenItsWindowIsDestroyedWithoutReachingIt) {
  auto* doomed = new ReflectingEdit;
  ASSERT_TRUE(doomed->Create(WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 5));
  HWND hwnd = doomed->m_hWnd;
  delete doomed;
  EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(MessageMaps, WhenAWindowHasNoObjectThenFromHandleWrapsItsHandle) {
  HWND desktop = ::GetDesktopWindow();
  CWnd* wrapper = CWnd::FromHandle(desktop);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->m_hWnd, desktop);
  EXPECT_EQ(CWnd::FromHandlePermanent(desktop), nullptr);
  CWnd::DeleteTempMap();
  EXPECT_TRUE(::IsWindow(desktop));
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}

}  // namespace
