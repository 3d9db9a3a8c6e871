// The device library is loaded from the program's own folder only. This program has none beside
// it; the folder above holds a copy, which the current folder, PATH and a copy in the system
// folder must not lead to.
#include <gtest/gtest.h>

#include "PellinDlg.h"
#include "dialog_script.h"
#include "test_device.h"

namespace {

std::string parentFolder(const std::string& folder) {
  const std::string withoutSlash = folder.substr(0, folder.size() - 1);
  return withoutSlash.substr(0, withoutSlash.find_last_of('\\') + 1);
}

bool isFile(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Runs the dialog, announces drive E: and returns the drive it remembered.
int connectedDriveAfterAnArrival() {
  CPellinDlg settingsDialog;
  DialogScript script;
  script.then([](HWND dialog) {
    sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, driveBit(kDriveE));
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
  // A missing library is not reported.
  EXPECT_TRUE(script.boxes().empty());
  return settingsDialog.ConnectedDrive();
}

void expectNothingBound() {
  EXPECT_EQ(TestDevice::module(), nullptr);
  for (std::size_t entry = 0; entry < kDeviceEntryCount; ++entry)
    EXPECT_EQ(deviceEntryPoints()[entry], nullptr) << kDeviceEntryNames[entry];
}

TEST(DeviceLibraryLocation, WithoutALibraryBesideTheProgramNothingIsBoundAndNoDriveConnects) {
  ASSERT_FALSE(isFile(folderOf(nullptr) + kDeviceLibraryModule));
  EXPECT_EQ(connectedDriveAfterAnArrival(), 0);
  expectNothingBound();
}

TEST(DeviceLibraryLocation, ACopyOnlyInTheCurrentFolderOnThePathOrInTheSystemFolderIsNotLoaded) {
  const std::string elsewhere = parentFolder(folderOf(nullptr));
  ASSERT_TRUE(isFile(elsewhere + kDeviceLibraryModule)) << elsewhere;
  ASSERT_FALSE(isFile(folderOf(nullptr) + kDeviceLibraryModule));

  char oldFolder[MAX_PATH] = {};
  ::GetCurrentDirectoryA(sizeof oldFolder, oldFolder);
  std::vector<char> oldPath(::GetEnvironmentVariableA("PATH", nullptr, 0) + 1, '\0');
  ::GetEnvironmentVariableA("PATH", oldPath.data(), static_cast<DWORD>(oldPath.size()));
  ASSERT_TRUE(::SetCurrentDirectoryA(elsewhere.c_str()));
  ASSERT_TRUE(::SetEnvironmentVariableA("PATH", (elsewhere + ";" + oldPath.data()).c_str()));
  char systemFolder[MAX_PATH] = {};
  ASSERT_NE(::GetSystemDirectoryA(systemFolder, sizeof systemFolder), 0u);
  const std::string systemCopy = std::string(systemFolder) + "\\" + kDeviceLibraryModule;
  ASSERT_TRUE(::CopyFileA((elsewhere + kDeviceLibraryModule).c_str(), systemCopy.c_str(), FALSE));
  // The ordinary search would find the copy.
  char found[MAX_PATH] = {};
  EXPECT_NE(::SearchPathA(nullptr, kDeviceLibraryModule, nullptr, sizeof found, found, nullptr),
            0u);

  const int connected = connectedDriveAfterAnArrival();

  ::SetCurrentDirectoryA(oldFolder);
  ::SetEnvironmentVariableA("PATH", oldPath.data());
  ::DeleteFileA(systemCopy.c_str());
  EXPECT_EQ(connected, 0);
  expectNothingBound();
}

}  // namespace
