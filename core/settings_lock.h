// Writers of one settings file take turns: each holds this lock from reading the file to
// replacing it, so that none writes back a copy that another writer has made stale.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace RecordCodec {

class SettingsLock {
 public:
  // How long the command line waits for another program's save before it gives up.
  static constexpr std::chrono::milliseconds kCommandLineWait{10'000};

  // Waits up to `wait` for the lock of the settings file at path, which need not exist yet.
  // Nothing is created beside the file. A process takes one lock per file at a time, and a
  // thread that takes it also lets it go.
  SettingsLock(const std::string& path, std::chrono::milliseconds wait);
  ~SettingsLock();
  SettingsLock(SettingsLock&& other) noexcept;
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;
  SettingsLock& operator=(SettingsLock&&) = delete;

  bool held() const { return handle_ != kNoHandle; }
  explicit operator bool() const { return held(); }
  // Another program held the lock for the whole wait.
  bool busy() const { return busy_; }
  // Why the lock is not held, as one line for the user.
  const std::string& reason() const { return reason_; }

 private:
  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
  bool busy_ = false;
  std::string reason_;
};

}  // namespace RecordCodec
