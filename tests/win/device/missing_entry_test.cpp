// A device library beside the program that lacks VexoUSB_ConnectToDevice: the other six names
// are bound, that slot stays unbound, and an arriving drive is left alone.
#include <gtest/gtest.h>

#include "PellinDlg.h"
#include "dialog_script.h"
#include "test_device.h"

namespace {

TEST(DeviceLibraryWithoutConnect, TheOtherNamesAreBoundAndAnArrivingDriveIsLeftAlone) {
  CPellinDlg settingsDialog;
  DialogScript script;
  LRESULT answer = -1;
  script.then([&](HWND dialog) {
    answer = sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, driveBit(kDriveE));
    clickButton(dialog, IDC_CANCEL);
  });
  ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
  // A missing name is not reported.
  EXPECT_TRUE(script.boxes().empty());
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(settingsDialog.ConnectedDrive(), 0);

  const HMODULE library = TestDevice::module();
  ASSERT_NE(library, nullptr);
  ASSERT_EQ(::GetProcAddress(library, kDeviceEntryNames[kConnectToDevice]), nullptr);
  for (std::size_t entry = 0; entry < kDeviceEntryCount; ++entry) {
    EXPECT_EQ(deviceEntryPoints()[entry], ::GetProcAddress(library, kDeviceEntryNames[entry]))
        << kDeviceEntryNames[entry];
    if (entry != kConnectToDevice) {
      EXPECT_NE(deviceEntryPoints()[entry], nullptr) << kDeviceEntryNames[entry];
    }
  }
}

}  // namespace
