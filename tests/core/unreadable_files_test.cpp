// A settings file that is there but cannot be read is told apart from one that is not there:
// the first must be reported before a save replaces it, the second stays silent.
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

std::vector<std::uint8_t> defaultsOf(const CodecProfile& profile) {
  _USR_SETTING_ record{};
  fillDefault(record, profile);
  return bytesOf(record);
}

// Something in the settings file's place, set up by a case.
using PutInPlace = void (*)(const ScratchFolder& folder, const std::string& path);

#ifdef _WIN32
// Another program's handle that shares nothing: every other open fails while it is held.
class HeldFile {
 public:
  explicit HeldFile(const std::string& path)
      : handle_(CreateFileW(utf16Of(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};
#endif

}  // namespace

TEST(UnreadableFiles, WhenNothingIsThereThenTheLoadIsSilentlyDefaultedElseItSaysWhy) {
  const PutInPlace nothing = [](const ScratchFolder&, const std::string&) {};
  struct Case {
    const char* what;
    const char* file;
    PutInPlace setup;
    LoadOutcome outcome;
  };
  const Case cases[] = {
      {"no file", "Kestrune.txt", nothing, LoadOutcome::Defaulted},
      {"no folder", "gone/Kestrune.txt", nothing, LoadOutcome::Defaulted},
      {"a folder in its place", "Kestrune.txt",
       [](const ScratchFolder&, const std::string& path) { fs::create_directory(path); },
       LoadOutcome::Unreadable},
#ifndef _WIN32
      {"a link to nothing", "Kestrune.txt",
       [](const ScratchFolder& folder, const std::string& path) {
         fs::create_symlink(folder.file("gone"), path);
       },
       LoadOutcome::Defaulted},
      {"a link to itself", "Kestrune.txt",
       [](const ScratchFolder&, const std::string& path) { fs::create_symlink(path, path); },
       LoadOutcome::Unreadable},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    const std::string path = (folder.path() / c.file).make_preferred().string();
    c.setup(folder, path);
    for (const CodecProfile* profile : {&windowsProfile, &macProfile}) {
      _USR_SETTING_ record{};
      const LoadResult loaded = loadSettingsFile(record, *profile, path);
      EXPECT_EQ(loaded.outcome, c.outcome);
      EXPECT_EQ(bytesOf(record), defaultsOf(*profile));
      if (c.outcome != LoadOutcome::Unreadable) continue;
      EXPECT_FALSE(loaded.reason.empty());
      const std::string told = loaded.describe();
      EXPECT_NE(told.find(path), std::string::npos) << told;
      EXPECT_NE(told.find(loaded.reason), std::string::npos) << told;
      EXPECT_NE(told.find("Saving will replace it."), std::string::npos) << told;
    }
  }
}

#ifdef _WIN32
TEST(UnreadableFiles, WhenAnotherProgramHoldsTheFileThenTheLoadSaysSoAndASaveWorksOnceItLetsGo) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  const auto old = bytesOf(sealedRecord());
  writeBytes(path, old);
  _USR_SETTING_ record{};
  {
    HeldFile holder(path);
    ASSERT_TRUE(holder.held());
    const LoadResult loaded = loadSettingsFile(record, windowsProfile, path);
    EXPECT_EQ(loaded.outcome, LoadOutcome::Unreadable);
    EXPECT_EQ(bytesOf(record), defaultsOf(windowsProfile));
    EXPECT_FALSE(loaded.reason.empty());
    EXPECT_NE(loaded.describe().find(loaded.reason), std::string::npos) << loaded.describe();
    EXPECT_FALSE(saveSettingsFile(record, path, std::nullopt));
  }
  EXPECT_EQ(readBytes(path), old);
  const SaveResult saved = saveSettingsFile(record, path, std::nullopt);
  ASSERT_TRUE(saved) << saved.describe();
  EXPECT_EQ(readBytes(path), bytesOf(record));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"Kestrune.txt"});
}
#endif
