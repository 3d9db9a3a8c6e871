// Whatever stands beside or in the place of the settings file, a save writes only the file
// itself (or a link's target) and removes only what it created.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <future>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "record_bytes.h"
#include "scratch_folder.h"

using namespace RecordCodec;

namespace fs = std::filesystem;

namespace {

constexpr LocalStampValue kStamp{2026, 3, 7, 14, 5, 9};

// Saves within a bounded time: a save that waited on a pipe would otherwise hang the test.
SaveResult saveWithin(_USR_SETTING_& record, const std::string& path) {
  auto save =
      std::async(std::launch::async, [&] { return saveSettingsFile(record, path, kStamp); });
  if (save.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    ADD_FAILURE() << "the save waited";
    // Whoever waits on a pipe is let go by a reader that comes and goes.
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
      if (fs::is_fifo(entry.status())) std::ifstream(entry.path()).close();
  }
  return save.get();
}

unsigned long currentProcess() {
#ifdef _WIN32
  return GetCurrentProcessId();
#else
  return static_cast<unsigned long>(getpid());
#endif
}

enum class Planted { Folder, File, Link, Pipe };

// Puts a thing of the kind in the folder under the name.
void plant(const ScratchFolder& folder, const std::string& name, Planted kind) {
  const fs::path where = folder.path() / name;
  switch (kind) {
    case Planted::Folder:
      fs::create_directory(where);
      break;
    case Planted::File:
      writeBytes(where.string(), std::vector<std::uint8_t>(3, 0x5A));
      break;
    case Planted::Link:
      writeBytes(folder.file("victim"), std::vector<std::uint8_t>(3, 0x5A));
      fs::create_symlink(folder.path() / "victim", where);
      break;
    case Planted::Pipe:
#ifndef _WIN32
      ASSERT_EQ(::mkfifo(where.c_str(), 0600), 0);
#endif
      break;
  }
}

// True while the planted thing is as it was put there.
bool stillPlanted(const ScratchFolder& folder, const std::string& name, Planted kind) {
  const fs::path where = folder.path() / name;
  const std::vector<std::uint8_t> untouched(3, 0x5A);
  switch (kind) {
    case Planted::Folder:
      return fs::is_directory(fs::symlink_status(where)) && fs::is_empty(where);
    case Planted::File:
      return readBytes(where.string()) == untouched;
    case Planted::Link:
      return fs::is_symlink(fs::symlink_status(where)) &&
             readBytes(folder.file("victim")) == untouched;
    case Planted::Pipe:
      return fs::is_fifo(fs::symlink_status(where));
  }
  return false;
}

}  // namespace

TEST(SavePlaces, WhenSomethingStandsAtATemporaryNameThenTheSaveSucceedsAndOnlyADeadSavesFileGoes) {
  // A temporary name of a save that is still running (this test's own), and of one whose
  // program is gone: no process has a number that large.
  char running[64];
  std::snprintf(running, sizeof running, "Kestrune.txt.%lx-0a1b2c3d.tmp",
                static_cast<unsigned long>(currentProcess()));
  const std::string gone = "Kestrune.txt.7ffffff0-0a1b2c3d.tmp";
  struct Case {
    std::string name;
    Planted kind;
    bool kept;
  };
  const Case cases[] = {
      {"Kestrune.txt.tmp", Planted::Folder, true},
      {"Kestrune.txt.tmp", Planted::File, true},
      {running, Planted::Folder, true},
      {running, Planted::File, true},
      {gone, Planted::Folder, true},
      {gone, Planted::File, false},
#ifndef _WIN32
      {"Kestrune.txt.tmp", Planted::Link, true},
      {"Kestrune.txt.tmp", Planted::Pipe, true},
      {running, Planted::Link, true},
      {running, Planted::Pipe, true},
      {gone, Planted::Link, true},
      {gone, Planted::Pipe, true},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + " kind " + std::to_string(static_cast<int>(c.kind)));
    ScratchFolder folder;
    plant(folder, c.name, c.kind);
    const auto before = folder.entries().size();
    const std::string path = folder.file("Kestrune.txt");

    _USR_SETTING_ record = sealedRecord();
    const SaveResult saved = saveWithin(record, path);
    ASSERT_TRUE(saved) << saved.describe();
    EXPECT_EQ(readBytes(path), bytesOf(record));
    EXPECT_EQ(stillPlanted(folder, c.name, c.kind), c.kept);
    EXPECT_EQ(folder.entries().size(), before + (c.kept ? 1 : 0));
  }
}

#ifndef _WIN32

TEST(SavePlaces, WhenTheSettingsFileIsALinkThenItsTargetIsReplacedAndTheLinkKept) {
  ScratchFolder desktop;
  ScratchFolder card;
  const std::string target = card.file("Kestrune.txt");
  writeBytes(target, bytesOf(sealedRecord()));
  const std::string path = desktop.file("Kestrune.txt");
  fs::create_symlink(target, path);

  _USR_SETTING_ record{};
  fillDefault(record, windowsProfile);
  record.setting[0] = 5;
  const SaveResult saved = saveSettingsFile(record, path, kStamp);
  ASSERT_TRUE(saved) << saved.describe();

  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path)));
  EXPECT_EQ(fs::read_symlink(path), target);
  EXPECT_EQ(readBytes(target), bytesOf(record));
  EXPECT_EQ(desktop.entries(), std::vector<std::string>{"Kestrune.txt"});
  EXPECT_EQ(card.entries(), std::vector<std::string>{"Kestrune.txt"});
}

TEST(SavePlaces, WhenTheSettingsFileIsALinkToNothingThenTheSaveFailsAndCreatesNothing) {
  ScratchFolder desktop;
  ScratchFolder card;
  const std::string path = desktop.file("Kestrune.txt");
  fs::create_symlink(card.file("Kestrune.txt"), path);

  _USR_SETTING_ record = sealedRecord();
  const SaveResult saved = saveSettingsFile(record, path, kStamp);
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.failedStep, SaveStep::Link);
  const std::string described = saved.describe();
  EXPECT_NE(described.find(path), std::string::npos) << described;
  EXPECT_NE(described.find(card.file("Kestrune.txt")), std::string::npos) << described;
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path)));
  EXPECT_EQ(desktop.entries(), std::vector<std::string>{"Kestrune.txt"});
  EXPECT_TRUE(card.entries().empty());
}

#endif

#ifndef _WIN32

TEST(SavePlaces, WhenTheOldFileHasItsOwnPermissionsAndOwnerThenTheNewOneKeepsThem) {
  struct Case {
    const char* what;
    mode_t mode;
    uid_t owner;  // changed only when the test runs as the administrator
  };
  const Case cases[] = {
      {"private to its owner", 0600, 0},
      {"readable by the group", 0640, 0},
      {"another account's, saved by the administrator", 0644, 65534},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.owner != 0 && ::geteuid() != 0) continue;
    ScratchFolder folder;
    const std::string path = folder.file("Kestrune.txt");
    writeBytes(path, bytesOf(sealedRecord()));
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    if (c.owner != 0) {
      ASSERT_EQ(::chown(path.c_str(), c.owner, c.owner), 0);
    }
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    _USR_SETTING_ record = sealedRecord();
    ASSERT_TRUE(saveSettingsFile(record, path, kStamp));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "the file was replaced";
    EXPECT_EQ(after.st_mode & 07777, c.mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
  }
}

TEST(SavePlaces, WhenAnotherAccountsLinkStandsInASharedFolderThenTheAdministratorDoesNotFollowIt) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the administrator can plant another account's link";
  ScratchFolder folder;
  const fs::path shared = folder.path() / "shared";
  fs::create_directory(shared);
  ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
  const std::string victim = folder.file("victim");
  writeBytes(victim, std::vector<std::uint8_t>(3, 0x5A));
  const std::string path = (shared / "Kestrune.txt").string();
  fs::create_symlink(victim, path);
  ASSERT_EQ(::lchown(path.c_str(), 65534, 65534), 0);

  _USR_SETTING_ record = sealedRecord();
  const SaveResult saved = saveSettingsFile(record, path, kStamp);
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.failedStep, SaveStep::Link);
  EXPECT_EQ(readBytes(victim), std::vector<std::uint8_t>(3, 0x5A));
}

#endif
