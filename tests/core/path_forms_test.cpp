// Any path the system can hold works for the settings file: long ones, and on Windows names
// outside the system's code page.
#include <gtest/gtest.h>

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

#include "record_bytes.h"
#include "scratch_folder.h"

using namespace RecordCodec;

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string utf8Of(const fs::path& path) {
  const std::u8string text = path.u8string();
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

fs::path pathOf(const std::string& utf8) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

// A settings path of exactly the given length in the folder, its folders created.
std::string settingsPathOfLength(const ScratchFolder& folder, std::size_t length) {
  const std::string name = std::string(1, kSeparator) + kFileName;
  std::string folders = utf8Of(folder.path());
  while (folders.size() + name.size() < length) {
    std::size_t room = length - folders.size() - name.size();
    // Each step is a separator and a name of at most 100 letters, never a separator alone.
    std::size_t step = std::min<std::size_t>(room, 101);
    if (room - step == 1) --step;
    folders += kSeparator + std::string(step - 1, 'd');
  }
  fs::create_directories(pathOf(folders));
  return folders + name;
}

}  // namespace

TEST(PathForms, WhenTheSettingsPathIs259Or300BytesLongThenItIsSavedAndLoaded) {
  for (const std::size_t length : {std::size_t{259}, std::size_t{300}}) {
    SCOPED_TRACE(length);
    ScratchFolder folder;
    const std::string path = settingsPathOfLength(folder, length);
    ASSERT_EQ(path.size(), length);
    _USR_SETTING_ record = sealedRecord();
    const SaveResult saved = saveSettingsFile(record, path, std::nullopt);
    ASSERT_TRUE(saved) << saved.describe();
    _USR_SETTING_ loaded{};
    EXPECT_EQ(loadSettingsFile(loaded, windowsProfile, path), LoadOutcome::Adopted);
    EXPECT_EQ(bytesOf(loaded), bytesOf(record));
  }
}

#ifdef _WIN32

namespace {

// Points the current user's desktop folder elsewhere for one test, as the shell's settings do.
class ShellDesktop {
 public:
  explicit ShellDesktop(const std::wstring& folder) {
    for (const Key& key : keys_) {
      HKEY handle = nullptr;
      if (RegOpenKeyExW(HKEY_CURRENT_USER, key.name, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &handle) !=
          ERROR_SUCCESS)
        continue;
      wchar_t old[1024] = {};
      DWORD size = sizeof old;
      DWORD type = 0;
      if (RegQueryValueExW(handle, L"Desktop", nullptr, &type, reinterpret_cast<BYTE*>(old),
                           &size) == ERROR_SUCCESS)
        saved_.push_back({handle, type, std::wstring(old)});
      else
        saved_.push_back({handle, 0, {}});
      set(handle, key.type, folder);
    }
  }
  ~ShellDesktop() {
    for (const Saved& value : saved_) {
      if (value.type != 0)
        set(value.key, value.type, value.text);
      else
        RegDeleteValueW(value.key, L"Desktop");
      RegCloseKey(value.key);
    }
  }
  ShellDesktop(const ShellDesktop&) = delete;
  ShellDesktop& operator=(const ShellDesktop&) = delete;

 private:
  struct Key {
    const wchar_t* name;
    DWORD type;
  };
  struct Saved {
    HKEY key;
    DWORD type;
    std::wstring text;
  };
  static void set(HKEY key, DWORD type, const std::wstring& text) {
    RegSetValueExW(key, L"Desktop", 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  const Key keys_[2] = {
      {L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
       REG_EXPAND_SZ},
      {L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", REG_SZ},
  };
  std::vector<Saved> saved_;
};

}  // namespace

TEST(PathForms, WhenTheDesktopIsNamedOutsideTheCodePageThenTheSettingsFileLivesThere) {
  ScratchFolder folder;
  const std::string desktop = utf8Of(folder.path()) + "\\Рабочий стол テスト";
  ASSERT_TRUE(fs::create_directory(pathOf(desktop)));
  ShellDesktop redirected(pathOf(desktop).wstring());

  const PathResult where = settingsFilePath(windowsProfile);
  ASSERT_TRUE(where.path) << where.reason;
  EXPECT_EQ(*where.path, desktop + "\\Kestrune.txt");

  _USR_SETTING_ record{};
  EXPECT_EQ(loadSettingsFile(record, windowsProfile), LoadOutcome::Defaulted);
  const SaveResult saved = saveSettingsFile(record, windowsProfile);
  ASSERT_TRUE(saved) << saved.describe();
  EXPECT_EQ(readBytes(pathOf(*where.path)), bytesOf(record));
  _USR_SETTING_ again{};
  EXPECT_EQ(loadSettingsFile(again, windowsProfile), LoadOutcome::Adopted);
  EXPECT_EQ(bytesOf(again), bytesOf(record));
}

#endif
