// End to end: presets kept as JSON come back as they were, and the desktop file is the default.
#include <thread>

#include "command_line.h"

namespace {

// The show text from the settings on: what the file says, apart from its name and save time.
std::string settingsPart(const std::string& shown) {
  return shown.substr(shown.find("resolution"));
}

}  // namespace

TEST(UserStories, APresetKeptAsJsonComesBackAsItWas) {
  CaseFolder folder;
  folder.put("card.txt", ourFileWith([](_USR_SETTING_& record) {
               record.setting[0] = 0;
               record.setting[8] = 4;
               for (int hour = 0; hour < kHourCount; ++hour) {
                 scheduleCell(record, 5, hour) = Off;
                 scheduleCell(record, 1, hour) = static_cast<std::int8_t>(hour % 3);
               }
             }));
  const ProgramRun exported = folder.run({"export", "-f", "card.txt"});
  const ProgramRun reported = folder.run({"show", "--json", "-f", "card.txt"});
  ASSERT_EQ(exported.status, 0) << exported.err;
  ASSERT_EQ(reported.status, 0) << reported.err;
  std::ofstream(folder.file("preset.json")) << exported.out;

  const ProgramRun fromFile =
      folder.run({"import", "-f", "copy.txt", "--profile", "mac", "preset.json"});
  const ProgramRun fromInput = folder.run({"import", "-f", "copy2.txt", "-"}, reported.out);
  EXPECT_EQ(fromFile.status, 0) << fromFile.err;
  EXPECT_EQ(fromInput.status, 0) << fromInput.err;

  const auto card = folder.bytes("card.txt");
  const std::string shown = settingsPart(folder.run({"show", "-f", "card.txt"}).out);
  for (const char* copy : {"copy.txt", "copy2.txt"}) {
    SCOPED_TRACE(copy);
    const auto bytes = folder.bytes(copy);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(settingsOf(*bytes), settingsOf(*card));
    EXPECT_EQ(scheduleOf(*bytes), scheduleOf(*card));
    EXPECT_EQ(settingsPart(folder.run({"show", "-f", copy}).out), shown);
    EXPECT_EQ(folder.run({"check", copy}).out, std::string(copy) + ": ok\n");
  }
}

// Moves the desktop's settings file aside for a test and puts it back afterwards.
class DesktopFile {
 public:
  explicit DesktopFile(std::string path) : path_(std::move(path)) {
    if (std::filesystem::exists(path_)) kept_ = readBytes(path_);
    std::filesystem::remove(path_);
  }
  ~DesktopFile() {
    std::filesystem::remove(path_);
    if (kept_) writeBytes(path_, *kept_);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::optional<Bytes> kept_;
};

TEST(UserStories, WithoutAFileTheCommandsUseTheSettingsFileOnTheDesktop) {
  CaseFolder folder;
  ProgramCall call{{"set", "beep=off"}, "", folder.scratch().path(), {}};
#ifdef _WIN32
  const auto where = RecordCodec::settingsFilePath(RecordCodec::windowsProfile);
  ASSERT_TRUE(where.path) << where.reason;
  const DesktopFile desktop(*where.path);
#else
  // A private home whose desktop is the default one.
  call.environment = {{"HOME", folder.scratch().path().string()},
                      {"XDG_CONFIG_HOME", std::nullopt}};
  std::filesystem::create_directories(folder.scratch().path() / "Desktop");
  const DesktopFile desktop(folder.file("Desktop/Kestrune.txt"));
#endif
  const ProgramRun set = runProgram(KESTRUNE_PROGRAM, call);
  EXPECT_EQ(set.status, 0) << set.err;
  ASSERT_TRUE(std::filesystem::exists(desktop.path()));
  EXPECT_EQ(settingsOf(readBytes(desktop.path()))[4], 1);

  call.arguments = {"show"};
  const ProgramRun show = runProgram(KESTRUNE_PROGRAM, call);
  EXPECT_EQ(show.status, 0) << show.err;
  EXPECT_EQ(show.out.rfind("file             " + desktop.path() + "\n", 0), 0u) << show.out;
}

TEST(UserStories, TwoScriptsSchedulingDifferentDaysOfOneFileAtOnceLoseNoHour) {
  constexpr int kRounds = 3;
  for (int round = 1; round <= kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    CaseFolder folder;
    folder.put("Kestrune.txt", ourFile());
    // Each script in a working folder of its own, both editing the one file above them.
    auto script = [&](const std::string& day) {
      const auto where = folder.scratch().path() / day;
      std::filesystem::create_directory(where);
      for (int hour = 0; hour < kHourCount; ++hour) {
        const ProgramRun run =
            runProgram(KESTRUNE_PROGRAM,
                       {{"schedule", "-q", "-f", "../Kestrune.txt", day, std::to_string(hour), "C"},
                        "",
                        where,
                        {}});
        EXPECT_EQ(run.status, 0) << day << " " << hour << ": " << run.err;
      }
      std::filesystem::remove_all(where);
    };
    std::thread monday(script, "mon");
    std::thread tuesday(script, "tue");
    monday.join();
    tuesday.join();

    const std::string continuousDay(kHourCount, 'C');
    Case both{"both scripts' hours", {}, {}, 0, ""};
    both.settings = kWindowsDefaults;
    both.schedule = kMotionWeek;
    both.schedule[0] = both.schedule[1] = continuousDay;
    expectWritten(both, folder);
  }
}
