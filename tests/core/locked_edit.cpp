// A second program editing the settings file under its lock, for the lock's tests.
//   locked_edit PATH DAY          sets DAY's 24 hours to Continuous, one locked edit per hour
//   locked_edit PATH hold SIGNAL  holds the lock, makes the file SIGNAL, and lets go once
//                                 SIGNAL is gone again (or after a minute)
// Exit status: 0 when done, 1 when the lock or a save failed, 3 on a usage error.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "record_codec.h"
#include "settings_lock.h"

namespace {

using namespace std::chrono_literals;

int editDay(const std::string& path, int day) {
  for (int hour = 0; hour < 24; ++hour) {
    const RecordCodec::SettingsLock lock(path, RecordCodec::SettingsLock::kCommandLineWait);
    if (!lock) {
      std::fprintf(stderr, "hour %d: %s\n", hour, lock.reason().c_str());
      return 1;
    }
    _USR_SETTING_ record{};
    RecordCodec::loadSettingsFile(record, RecordCodec::windowsProfile, path);
    scheduleCell(record, day, hour) = Continuous;
    if (const auto saved = RecordCodec::saveSettingsFile(record, path, std::nullopt); !saved) {
      std::fprintf(stderr, "hour %d: %s\n", hour, saved.describe().c_str());
      return 1;
    }
  }
  return 0;
}

int hold(const std::string& path, const std::filesystem::path& signal) {
  const RecordCodec::SettingsLock lock(path, RecordCodec::SettingsLock::kCommandLineWait);
  if (!lock) return 1;
  std::ofstream{signal};
  const auto giveUp = std::chrono::steady_clock::now() + 60s;
  while (std::filesystem::exists(signal) && std::chrono::steady_clock::now() < giveUp)
    std::this_thread::sleep_for(5ms);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3) return editDay(argv[1], std::atoi(argv[2]));
  if (argc == 4 && std::string(argv[2]) == "hold") return hold(argv[1], argv[3]);
  std::fputs("usage: locked_edit PATH DAY | locked_edit PATH hold SIGNAL\n", stderr);
  return 3;
}
