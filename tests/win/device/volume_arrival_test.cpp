// A volume arrival offers each named drive to the device library, in ascending order, until the
// library accepts it or has refused it 26 times; the accepted drive is remembered.
#include <gtest/gtest.h>

#include <map>

#include "PellinDlg.h"
#include "dialog_script.h"
#include "test_device.h"

namespace {

constexpr int kDriveE = 5;
constexpr int kDriveF = 6;

// The texts of the dialog's controls, the clock's aside, which changes by itself.
std::map<int, std::string> controlTexts(HWND dialog) {
  std::map<int, std::string> texts;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (::GetDlgCtrlID(child) != IDC_CLOCK)
      texts[::GetDlgCtrlID(child)] = controlText(dialog, ::GetDlgCtrlID(child));
  return texts;
}

TEST(VolumeArrival, ADriveAcceptedOnTheThirdCallIsOfferedThreeTimesAndRemembered) {
  CPellinDlg settingsDialog;
  DialogScript script;
  LRESULT answer = -1;
  script.then([&](HWND dialog) {
    ASSERT_NE(TestDevice::module(), nullptr);
    TestDevice::reset();
    TestDevice::accept(kDriveE, 3);
    answer = sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, driveBit(kDriveE));
    clickButton(dialog, IDC_CANCEL);
  });
  ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(TestDevice::offers(), (std::vector<int>{kDriveE, kDriveE, kDriveE}));
  EXPECT_EQ(settingsDialog.ConnectedDrive(), kDriveE);
}

TEST(VolumeArrival, WhenTwoDrivesAreAcceptedTheHigherOneIsRemembered) {
  CPellinDlg settingsDialog;
  DialogScript script;
  script.then([&](HWND dialog) {
    ASSERT_NE(TestDevice::module(), nullptr);
    TestDevice::reset();
    TestDevice::accept(kDriveE, 1);
    TestDevice::accept(kDriveF, 1);
    sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, driveBit(kDriveF) | driveBit(kDriveE));
    clickButton(dialog, IDC_CANCEL);
  });
  ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
  EXPECT_EQ(TestDevice::offers(), (std::vector<int>{kDriveE, kDriveF}));
  EXPECT_EQ(settingsDialog.ConnectedDrive(), kDriveF);
}

TEST(VolumeArrival, ADriveRefused26TimesIsLeftAloneAndTheNextDriveIsOffered) {
  CPellinDlg settingsDialog;
  DialogScript script;
  script.then([&](HWND dialog) {
    ASSERT_NE(TestDevice::module(), nullptr);
    TestDevice::reset();
    TestDevice::accept(kDriveE, 27);
    TestDevice::accept(kDriveF, 2);
    sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, driveBit(kDriveE) | driveBit(kDriveF));
    clickButton(dialog, IDC_CANCEL);
  });
  ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
  std::vector<int> expected(26, kDriveE);
  expected.insert(expected.end(), {kDriveF, kDriveF});
  EXPECT_EQ(TestDevice::offers(), expected);
  EXPECT_EQ(settingsDialog.ConnectedDrive(), kDriveF);
}

TEST(VolumeArrival, ADriveNobodyAcceptsIsNotRemembered) {
  CPellinDlg settingsDialog;
  DialogScript script;
  script.then([&](HWND dialog) {
    ASSERT_NE(TestDevice::module(), nullptr);
    TestDevice::reset();
    sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, driveBit(1) | driveBit(26));
    clickButton(dialog, IDC_CANCEL);
  });
  ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
  std::vector<int> expected(26, 1);
  expected.insert(expected.end(), 26, 26);
  EXPECT_EQ(TestDevice::offers(), expected);
  EXPECT_EQ(settingsDialog.ConnectedDrive(), 0);
}

TEST(VolumeArrival, ConnectingAndDisconnectingChangeNothingInTheDialog) {
  CPellinDlg settingsDialog;
  DialogScript script;
  std::map<int, std::string> before, afterConnecting, afterDisconnecting;
  int connected = -1;
  script.then([&](HWND dialog) {
    ASSERT_NE(TestDevice::module(), nullptr);
    TestDevice::reset();
    TestDevice::accept(kDriveE, 1);
    before = controlTexts(dialog);
    sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, driveBit(kDriveE));
    connected = settingsDialog.ConnectedDrive();
    afterConnecting = controlTexts(dialog);
    sendVolumeNotice(dialog, DBT_DEVICEREMOVECOMPLETE, driveBit(kDriveE));
    afterDisconnecting = controlTexts(dialog);
    clickButton(dialog, IDC_CANCEL);
  });
  ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
  EXPECT_EQ(connected, kDriveE);
  EXPECT_EQ(settingsDialog.ConnectedDrive(), 0);
  EXPECT_FALSE(before.empty());
  EXPECT_EQ(before.count(IDC_DEVICE_STATUS), 0u);
  EXPECT_EQ(afterConnecting, before);
  EXPECT_EQ(afterDisconnecting, before);
}

}  // namespace
