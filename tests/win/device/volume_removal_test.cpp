// A volume removal forgets the connected drive when it names it, and nothing else.
#include <gtest/gtest.h>

#include "PellinDlg.h"
#include "dialog_script.h"
#include "test_device.h"

namespace {

// Runs the dialog with drive E: connected, sends the removal, and returns the remembered drive.
int connectedDriveAfterRemoving(DWORD drives) {
  CPellinDlg settingsDialog;
  DialogScript script;
  int connectedBefore = -1;
  LRESULT answer = -1;
  script.then([&](HWND dialog) {
    ASSERT_NE(TestDevice::module(), nullptr);
    TestDevice::reset();
    TestDevice::accept(kDriveE, 1);
    sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, driveBit(kDriveE));
    connectedBefore = settingsDialog.ConnectedDrive();
    answer = sendVolumeNotice(dialog, DBT_DEVICEREMOVECOMPLETE, drives);
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
  EXPECT_EQ(connectedBefore, kDriveE);
  EXPECT_EQ(answer, 0);
  // A removal never offers anything to the library.
  EXPECT_EQ(TestDevice::offers(), std::vector<int>{kDriveE});
  return settingsDialog.ConnectedDrive();
}

TEST(VolumeRemoval, ARemovalNamingSeveralDrivesWithTheConnectedOneForgetsIt) {
  EXPECT_EQ(connectedDriveAfterRemoving(driveBit(3) | driveBit(kDriveE) | driveBit(7)), 0);
}

TEST(VolumeRemoval, ARemovalOfAnotherDriveKeepsTheConnectedOne) {
  EXPECT_EQ(connectedDriveAfterRemoving(driveBit(4) | driveBit(6) | driveBit(26)), kDriveE);
}

}  // namespace
