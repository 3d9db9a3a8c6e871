// A second program holding the settings file's lock, for the lock's tests.
//   lock_holder PATH SIGNAL  holds the lock, makes the file SIGNAL, and lets go once SIGNAL is
//                            gone again (or after a minute)
// Exit status: 0 when done, 1 when the lock could not be had, 3 on a usage error.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "record_codec.h"
#include "settings_lock.h"

namespace {

using namespace std::chrono_literals;

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
  if (argc == 3) return hold(argv[1], argv[2]);
  std::fputs("usage: lock_holder PATH SIGNAL\n", stderr);
  return 3;
}
