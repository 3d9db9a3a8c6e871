// A settings file as it lies on disk: its first 476 bytes and its size.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "usr_setting.h"

struct FileImage {
  // The file's first bytes; where the file is shorter, zeros.
  std::array<std::uint8_t, kRecordSize> bytes{};
  std::uintmax_t size = 0;

  _USR_SETTING_ record() const;
  // True when the file reaches as far as the field that ends at this offset.
  bool covers(std::size_t end) const { return size >= end; }
};

struct FileRead {
  std::optional<FileImage> image;
  std::string reason;  // why the file could not be read
};

FileRead readFileImage(const std::string& path);

// A UTF-8 path, the form the core takes paths in, as the standard library's file calls take it.
std::filesystem::path filesystemPath(const std::string& path);
