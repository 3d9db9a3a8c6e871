// Painting: the minimised dialog draws its icon over the icon background; the open dialog
// paints as any dialog does.
#include <gtest/gtest.h>

#include "PellinDlg.h"
#include "desktop_settings.h"
#include "dialog_script.h"

namespace {

int g_iconBackgroundErases = 0;

LRESULT CALLBACK countIconErases(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_ICONERASEBKGND) ++g_iconBackgroundErases;
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(DialogPainting, TheMinimisedDialogPaintsItsIcon) {
  DesktopSettingsFile settings;
  CPellinDlg settingsDialog;
  DialogScript script;
  g_iconBackgroundErases = 0;
  HHOOK hook =
      ::SetWindowsHookExA(WH_CALLWNDPROC, countIconErases, nullptr, ::GetCurrentThreadId());
  int erasesWhileOpen = -1;
  script.then([&](HWND dialog) {
    erasesWhileOpen = g_iconBackgroundErases;
    ::ShowWindow(dialog, SW_MINIMIZE);
    // Wine leaves a minimised window no client area to invalidate, so the paint request is
    // sent as the system would send it.
    ::SendMessageA(dialog, WM_PAINT, 0, 0);
  });
  script.then([](HWND dialog) {
    EXPECT_TRUE(::IsIconic(dialog));
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
  ::UnhookWindowsHookEx(hook);
  EXPECT_EQ(erasesWhileOpen, 0);
  EXPECT_GT(g_iconBackgroundErases, 0);
}

}  // namespace
