// The settings file on the desktop of the test's private Wine prefix: a test owns it for its
// duration; whatever was there before is moved aside and put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "record_bytes.h"
#include "record_codec.h"
#include "scratch_folder.h"

class DesktopSettingsFile {
 public:
  DesktopSettingsFile() {
    const RecordCodec::PathResult where =
        RecordCodec::settingsFilePath(RecordCodec::windowsProfile);
    if (!where.path) throw std::runtime_error("no desktop: " + where.reason);
    path_ = *where.path;
    aside_ = path_ + ".aside-for-test";
    std::error_code ignored;
    std::filesystem::remove_all(aside_, ignored);
    if (std::filesystem::exists(path_)) std::filesystem::rename(path_, aside_);
  }
  ~DesktopSettingsFile() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    if (std::filesystem::exists(aside_)) std::filesystem::rename(aside_, path_, ignored);
  }
  DesktopSettingsFile(const DesktopSettingsFile&) = delete;
  DesktopSettingsFile& operator=(const DesktopSettingsFile&) = delete;

  const std::string& path() const { return path_; }
  bool isFile() const { return std::filesystem::is_regular_file(path_); }

  // Writes a record that the program adopts: sealed, with the given choices and schedule.
  void write(const _USR_SETTING_& record) {
    _USR_SETTING_ sealed = record;
    RecordCodec::sealRecord(sealed, RecordCodec::localStampNow());
    writeBytes(path_, bytesOf(sealed));
  }

  std::vector<std::uint8_t> bytes() const { return readBytes(path_); }

  _USR_SETTING_ record() const {
    const std::vector<std::uint8_t> image = bytes();
    EXPECT_EQ(image.size(), kRecordSize);
    return recordOf(image);
  }

  // Makes saving impossible: the settings path becomes a folder.
  void blockWithFolder() { std::filesystem::create_directories(path_); }
  void unblock() { std::filesystem::remove_all(path_); }

 private:
  std::string path_;
  std::string aside_;
};

// A record as a fresh program would load it: the Windows defaults.
inline _USR_SETTING_ defaultRecord() {
  _USR_SETTING_ record{};
  RecordCodec::fillDefault(record, RecordCodec::windowsProfile);
  return record;
}
