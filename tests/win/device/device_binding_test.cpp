// The dialog binds the seven entry points of the device library that lies beside the program.
#include <gtest/gtest.h>

#include "PellinDlg.h"
#include "dialog_script.h"
#include "test_device.h"

namespace {

TEST(DeviceLibraryBinding, TheLibraryBesideTheProgramIsLoadedAndAllSevenNamesAreBound) {
  CPellinDlg settingsDialog;
  DialogScript script;
  script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
  ASSERT_EQ(script.run(settingsDialog), IDCANCEL);

  const HMODULE library = TestDevice::module();
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(folderOf(library), folderOf(nullptr));
  for (std::size_t entry = 0; entry < kDeviceEntryCount; ++entry) {
    const FARPROC exported = ::GetProcAddress(library, kDeviceEntryNames[entry]);
    ASSERT_NE(exported, nullptr) << kDeviceEntryNames[entry];
    EXPECT_EQ(deviceEntryPoints()[entry], exported) << kDeviceEntryNames[entry];
  }
}

TEST(DeviceLibraryBinding, SettingUpTheDialogCallsNoEntryPoint) {
  // An earlier dialog in this process may have made offers already.
  const std::vector<int> offersBefore =
      TestDevice::module() ? TestDevice::offers() : std::vector<int>{};
  CPellinDlg settingsDialog;
  DialogScript script;
  std::vector<int> offersWhileOpen{-1};
  script.then([&](HWND dialog) {
    offersWhileOpen = TestDevice::offers();
    clickButton(dialog, IDC_CANCEL);
  });
  ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
  ASSERT_NE(TestDevice::module(), nullptr);
  EXPECT_EQ(offersWhileOpen, offersBefore);
  EXPECT_EQ(settingsDialog.ConnectedDrive(), 0);
}

}  // namespace
