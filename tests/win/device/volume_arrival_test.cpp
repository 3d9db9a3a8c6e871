// A volume arrival offers each named drive to the device library, in ascending order, until the
// library accepts it or has refused it 26 times; the accepted drive is remembered.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "PellinDlg.h"
#include "dialog_script.h"
#include "test_device.h"

namespace {

// The texts of the dialog's controls, the clock's aside, which changes by itself.
std::map<int, std::string> controlTexts(HWND dialog) {
  std::map<int, std::string> texts;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (::GetDlgCtrlID(child) != IDC_CLOCK)
      texts[::GetDlgCtrlID(child)] = controlText(dialog, ::GetDlgCtrlID(child));
  return texts;
}

// The drives offered, in order: `times` offers of each drive.
std::vector<int> offersOf(std::initializer_list<std::pair<int, int>> drivesAndTimes) {
  std::vector<int> offers;
  for (const auto& [drive, times] : drivesAndTimes) offers.insert(offers.end(), times, drive);
  return offers;
}

TEST(VolumeArrival, EachNamedDriveIsOfferedUntilAcceptedOrRefused26TimesAndTheLastAcceptedIsKept) {
  const struct {
    const char* name;
    std::vector<std::pair<int, int>> acceptedOnCall;  // drive, the call that accepts it
    DWORD drives;
    std::vector<int> offers;
    int remembered;
  } cases[] = {
      {"a drive accepted on the third call",
       {{kDriveE, 3}},
       driveBit(kDriveE),
       offersOf({{kDriveE, 3}}),
       kDriveE},
      {"two accepted drives: the higher one is kept",
       {{kDriveE, 1}, {kDriveF, 1}},
       driveBit(kDriveF) | driveBit(kDriveE),
       offersOf({{kDriveE, 1}, {kDriveF, 1}}),
       kDriveF},
      {"a drive refused 26 times, then the next",
       {{kDriveE, 27}, {kDriveF, 2}},
       driveBit(kDriveE) | driveBit(kDriveF),
       offersOf({{kDriveE, 26}, {kDriveF, 2}}),
       kDriveF},
      {"drives nobody accepts", {}, driveBit(1) | driveBit(26), offersOf({{1, 26}, {26, 26}}), 0},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    CPellinDlg settingsDialog;
    DialogScript script;
    LRESULT answer = -1;
    script.then([&](HWND dialog) {
      ASSERT_NE(TestDevice::module(), nullptr);
      TestDevice::reset();
      for (const auto& [drive, call] : row.acceptedOnCall) TestDevice::accept(drive, call);
      answer = sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, row.drives);
      clickButton(dialog, IDC_CANCEL);
    });
    ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
    EXPECT_EQ(answer, 0);
    EXPECT_EQ(TestDevice::offers(), row.offers);
    EXPECT_EQ(settingsDialog.ConnectedDrive(), row.remembered);
  }
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
