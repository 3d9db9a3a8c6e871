// The settings file's lock: one holder at a time, whatever name each gives the file. Two
// writers racing through the command line are the user story that proves the turns.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "scratch_folder.h"
#include "settings_lock.h"

using namespace RecordCodec;
using namespace std::chrono_literals;

namespace {

// Starts a program that holds the file's lock until the test lets it go.
class OtherHolder {
 public:
  OtherHolder(const std::string& path, const ScratchFolder& folder)
      : signal_(folder.path() / "holding"),
        program_(helperProgram("lock_holder"), {path, signal_.string()}) {}
  ~OtherHolder() { release(); }

  // True once the other program holds the lock; a bounded wait.
  bool holding() {
    const auto giveUp = std::chrono::steady_clock::now() + 30s;
    while (!std::filesystem::exists(signal_) && program_.running() &&
           std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(5ms);
    return std::filesystem::exists(signal_);
  }
  int release() {
    std::error_code ignored;
    std::filesystem::remove(signal_, ignored);
    return program_.wait();
  }

 private:
  std::filesystem::path signal_;
  ChildProcess program_;
};

}  // namespace

TEST(SettingsLocks, WhileAnotherProgramHoldsTheLockThenTheWaitEndsBusyAndNamesTheFile) {
  ScratchFolder folder;
  const std::string path = folder.file("Kestrune.txt");
  std::filesystem::create_directory(folder.path() / "sub");
  struct Case {
    const char* name;
    std::string heldAs;
    std::string waitedAs;
  };
  std::vector<Case> cases{
      {"the same path", path, path},
      {"another spelling of its folder", path, folder.file("sub/../Kestrune.txt")},
  };
#ifndef _WIN32
  std::filesystem::create_symlink(path, folder.file("link.txt"));
  cases.push_back({"a link to it", folder.file("link.txt"), path});
#endif
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    OtherHolder other(row.heldAs, folder);
    ASSERT_TRUE(other.holding());
    const SettingsLock waiting(row.waitedAs, 100ms);
    EXPECT_FALSE(waiting.held());
    EXPECT_TRUE(waiting.busy());
    EXPECT_EQ(waiting.reason(), "another program is saving " + row.waitedAs);
    EXPECT_EQ(other.release(), 0);
    EXPECT_TRUE(SettingsLock(row.waitedAs, 10s).held());
  }
}

TEST(SettingsLocks, WhenTheFileOrItsFolderIsNotThereYetThenTheLockIsHeldAndNothingIsMade) {
  ScratchFolder folder;
  for (const std::string& path :
       {folder.file("Kestrune.txt"), folder.file("Desktop/Kestrune.txt")}) {
    SCOPED_TRACE(path);
    const SettingsLock lock(path, 1s);
    EXPECT_TRUE(lock.held()) << lock.reason();
    EXPECT_EQ(lock.reason(), "");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{});
  }
}
