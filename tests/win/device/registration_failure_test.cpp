// When the registration for device notices fails, or cannot be found, the dialog says so in an
// error box before it shows, and its set-up goes on once the box is dismissed. This program
// links its own lookup in place of the one that finds the system's registration in User32.dll.
#include <gtest/gtest.h>
#include <windows.h>
#include <dbt.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "PellinDlg.h"
#include "device/device_notice_registration.h"
#include "dialog_script.h"

namespace {

constexpr std::size_t kFilterSize = 32;
static_assert(sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) == kFilterSize);

// What the failing registration was given.
struct Registration {
  int calls = 0;
  HANDLE recipient = nullptr;
  std::vector<std::uint8_t> filter;
  DWORD flags = 0xFFFFFFFF;
};

Registration g_registration;
bool g_registrationFound = true;

HDEVNOTIFY WINAPI failingRegistration(HANDLE recipient, LPVOID filter, DWORD flags) {
  ++g_registration.calls;
  g_registration.recipient = recipient;
  const auto* bytes = static_cast<const std::uint8_t*>(filter);
  g_registration.filter.assign(bytes, bytes + kFilterSize);
  g_registration.flags = flags;
  return nullptr;
}

}  // namespace

RegisterDeviceNotificationFunction findRegisterDeviceNotification() {
  return g_registrationFound ? failingRegistration : nullptr;
}

namespace {

struct Outcome {
  std::vector<ShownBox> boxes;
  HWND dialog = nullptr;
  std::vector<std::string> resolutionChoices;
  std::string firstCell;
};

// Runs the dialog until its clock has ticked, which shows the set-up went on to its end.
Outcome runDialog() {
  g_registration = Registration{};
  CPellinDlg settingsDialog;
  DialogScript script;
  Outcome outcome;
  script.waitUntil([](HWND dialog) { return !controlText(dialog, IDC_CLOCK).empty(); });
  script.then([&](HWND dialog) {
    outcome.dialog = dialog;
    outcome.resolutionChoices = dropDownItems(dialog, IDC_RESOLUTION);
    outcome.firstCell = cellText(dialog, 0, 1);
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
  outcome.boxes = script.boxes();
  return outcome;
}

void expectTheErrorBoxBeforeTheDialogShowed(const Outcome& outcome) {
  ASSERT_EQ(outcome.boxes.size(), 1u);
  const ShownBox& box = outcome.boxes[0];
  EXPECT_EQ(box.caption, "ERROR");
  EXPECT_EQ(box.text, "cannot not register device notifity");
  EXPECT_TRUE(box.hasErrorIcon);
  EXPECT_EQ(box.owner, outcome.dialog);
  EXPECT_FALSE(box.ownerWasVisible);
  // The set-up went on: the drop-downs and the grid are filled.
  EXPECT_FALSE(outcome.resolutionChoices.empty());
  EXPECT_EQ(outcome.firstCell, "M");
}

TEST(DeviceNoticeRegistrationFailure, WhenTheRegistrationFailsAnErrorBoxShowsBeforeTheDialog) {
  g_registrationFound = true;
  const Outcome outcome = runDialog();
  expectTheErrorBoxBeforeTheDialogShowed(outcome);

  ASSERT_EQ(g_registration.calls, 1);
  EXPECT_EQ(g_registration.recipient, outcome.dialog);
  EXPECT_EQ(g_registration.flags, static_cast<DWORD>(DEVICE_NOTIFY_WINDOW_HANDLE));
  // Its size, the device-interface type and nothing else: no class, no name.
  std::vector<std::uint8_t> expected(kFilterSize, 0);
  expected[0] = kFilterSize;
  expected[4] = DBT_DEVTYP_DEVICEINTERFACE;
  EXPECT_EQ(g_registration.filter, expected);
}

TEST(DeviceNoticeRegistrationFailure, WhenTheRegistrationCannotBeFoundTheSameBoxShows) {
  g_registrationFound = false;
  const Outcome outcome = runDialog();
  expectTheErrorBoxBeforeTheDialogShowed(outcome);
  EXPECT_EQ(g_registration.calls, 0);
}

}  // namespace
