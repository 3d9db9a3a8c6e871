#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "record_bytes.h"
#include "scratch_folder.h"

using namespace RecordCodec;

#ifdef _WIN32

TEST(SettingsPath, WhenOnWindowsThenTheFileLiesInTheShellsDesktopFolder) {
  const PathResult where = settingsFilePath(windowsProfile);
  ASSERT_TRUE(where.path) << where.reason;
  const std::string& path = *where.path;
  EXPECT_GT(path.size(), std::string("C:\\Kestrune.txt").size());
  EXPECT_EQ(path[1], ':');
  EXPECT_EQ(path.substr(path.size() - 13), "\\Kestrune.txt");
}

#else

namespace {

// Points HOME and XDG_CONFIG_HOME into a scratch folder for one test.
class PrivateHome {
 public:
  PrivateHome() : oldHome_(valueOf("HOME")), oldConfig_(valueOf("XDG_CONFIG_HOME")) {
    setenv("HOME", folder_.path().c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
  }
  ~PrivateHome() {
    restore("HOME", oldHome_);
    restore("XDG_CONFIG_HOME", oldConfig_);
  }
  std::string home() const { return folder_.path().string(); }
  void writeUserDirs(const std::string& folder, const std::string& text) const {
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/user-dirs.dirs") << text;
  }

 private:
  static std::optional<std::string> valueOf(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
  static void restore(const char* name, const std::optional<std::string>& value) {
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
  }
  ScratchFolder folder_;
  std::optional<std::string> oldHome_, oldConfig_;
};

std::string pathOf(const CodecProfile& profile) {
  const PathResult where = settingsFilePath(profile);
  return where.path.value_or("<none: " + where.reason + ">");
}

}  // namespace

TEST(SettingsPath, WhenNoUserDirsFileExistsThenTheDesktopIsHomeSlashDesktop) {
  PrivateHome home;
  EXPECT_EQ(pathOf(macProfile), home.home() + "/Desktop/Kestrune.txt");
}

TEST(SettingsPath, WhenUserDirsNameADesktopThenItIsUsedWithHomeExpanded) {
  PrivateHome home;
  home.writeUserDirs(home.home() + "/.config",
                     "# written by xdg-user-dirs-update\n"
                     "# XDG_DESKTOP_DIR=\"$HOME/Commented\"\n"
                     "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
                     "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
  EXPECT_EQ(pathOf(macProfile), home.home() + "/Bureau/Kestrune.txt");
}

TEST(SettingsPath, WhenXdgConfigHomeIsSetThenItsUserDirsFileIsRead) {
  PrivateHome home;
  const std::string config = home.home() + "/elsewhere";
  home.writeUserDirs(config, "XDG_DESKTOP_DIR=\"/srv/desk\"\n");
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  EXPECT_EQ(pathOf(macProfile), "/srv/desk/Kestrune.txt");
}

TEST(SettingsPath, WhenTheAccountHasNoDesktopFolderThenTheSaveMakesItAndLoadAndSaveMeetThere) {
  PrivateHome home;
  _USR_SETTING_ record{};
  EXPECT_EQ(loadSettingsFile(record, macProfile), LoadOutcome::Defaulted);

  const SaveResult saved = saveSettingsFile(record, macProfile);
  ASSERT_TRUE(saved) << saved.describe();
  _USR_SETTING_ again{};
  EXPECT_EQ(loadSettingsFile(again, windowsProfile, home.home() + "/Desktop/Kestrune.txt"),
            LoadOutcome::Adopted);
  EXPECT_EQ(bytesOf(again), bytesOf(record));
  const mode_t mask = ::umask(0);
  ::umask(mask);
  struct stat desktop {};
  ASSERT_EQ(::stat((home.home() + "/Desktop").c_str(), &desktop), 0);
  EXPECT_EQ(desktop.st_mode & 07777, 0755 & ~mask);
}

TEST(SettingsPath, WhenUserDirsNameADeeperDesktopThenTheSaveMakesItsMissingParentsToo) {
  PrivateHome home;
  home.writeUserDirs(home.home() + "/.config", "XDG_DESKTOP_DIR=\"$HOME/Work/Desk\"\n");
  _USR_SETTING_ record{};
  const SaveResult saved = saveSettingsFile(record, macProfile);
  ASSERT_TRUE(saved) << saved.describe();
  EXPECT_TRUE(std::filesystem::is_regular_file(home.home() + "/Work/Desk/Kestrune.txt"));
}

TEST(SettingsPath, WhenAFileIsSavedOutsideTheDesktopThenNoMissingFolderIsMade) {
  PrivateHome home;
  _USR_SETTING_ record{};
  const std::string elsewhere = home.home() + "/Elsewhere/Kestrune.txt";
  EXPECT_EQ(saveSettingsFile(record, elsewhere, std::nullopt).failedStep, SaveStep::Create);
  EXPECT_FALSE(std::filesystem::exists(home.home() + "/Elsewhere"));
  EXPECT_FALSE(std::filesystem::exists(home.home() + "/Desktop"));
}

TEST(SettingsPath, WhenUserDirsIsAPipeThenTheLookupDoesNotWaitAndTakesHomeSlashDesktop) {
  PrivateHome home;
  std::filesystem::create_directories(home.home() + "/.config");
  const std::string dirs = home.home() + "/.config/user-dirs.dirs";
  ASSERT_EQ(::mkfifo(dirs.c_str(), 0600), 0);
  auto lookup = std::async(std::launch::async, [] { return pathOf(macProfile); });
  if (lookup.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    // A writer that comes and goes lets the waiting lookup end, so the test can.
    const int writer = ::open(dirs.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
    FAIL() << "the lookup waited for a writer";
  }
  EXPECT_EQ(lookup.get(), home.home() + "/Desktop/Kestrune.txt");
}

#endif
