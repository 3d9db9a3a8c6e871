// The settings file's lock: writers that hold it take turns, so none writes back a stale copy.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "record_bytes.h"
#include "scratch_folder.h"
#include "settings_lock.h"

using namespace RecordCodec;
using namespace std::chrono_literals;

namespace {

constexpr int kRounds = 3;

// Starts a program that holds the file's lock until the test lets it go.
class OtherHolder {
 public:
  OtherHolder(const std::string& path, const ScratchFolder& folder)
      : signal_(folder.path() / "holding"),
        program_(helperProgram("locked_edit"), {path, "hold", signal_.string()}) {}
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

TEST(SettingsLocks, WhenTwoProgramsEditDifferentDaysAtOnceThenEveryHourOfBothIsKept) {
  for (int round = 1; round <= kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    ScratchFolder folder;
    const std::string path = folder.file("Kestrune.txt");
    _USR_SETTING_ start = sealedRecord();
    ASSERT_TRUE(saveSettingsFile(start, path, std::nullopt));

    ChildProcess monday(helperProgram("locked_edit"), {path, "0"});
    ChildProcess tuesday(helperProgram("locked_edit"), {path, "1"});
    ASSERT_TRUE(monday.started() && tuesday.started());
    EXPECT_EQ(monday.wait(), 0);
    EXPECT_EQ(tuesday.wait(), 0);

    _USR_SETTING_ record{};
    ASSERT_EQ(loadSettingsFile(record, windowsProfile, path).outcome, LoadOutcome::Adopted);
    std::string week;
    for (int day = 0; day < 3; ++day)
      for (int hour = 0; hour < 24; ++hour) week += "-CM"[scheduleCell(record, day, hour)];
    EXPECT_EQ(week, std::string(48, 'C') + std::string(24, 'M'));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Kestrune.txt"});
  }
}

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
