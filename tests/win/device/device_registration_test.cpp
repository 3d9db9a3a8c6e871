// At set-up the dialog registers its window for device notices with the system's own function,
// which succeeds: no error box appears.
#include <gtest/gtest.h>

#include "PellinDlg.h"
#include "device/device_notice_registration.h"
#include "dialog_script.h"

namespace {

TEST(DeviceNoticeRegistration, TheRegistrationIsFoundByNameInUser32) {
  const RegisterDeviceNotificationFunction found = findRegisterDeviceNotification();
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(reinterpret_cast<void (*)()>(found),
            reinterpret_cast<void (*)()>(
                ::GetProcAddress(::GetModuleHandleA("user32.dll"), "RegisterDeviceNotificationA")));
}

TEST(DeviceNoticeRegistration, TheSystemsRegistrationSucceedsAndNoBoxIsShown) {
  CPellinDlg settingsDialog;
  DialogScript script;
  bool shown = false;
  script.then([&](HWND dialog) {
    shown = ::IsWindowVisible(dialog) != FALSE;
    clickButton(dialog, IDC_CANCEL);
  });
  ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(script.boxes().empty());
}

}  // namespace
