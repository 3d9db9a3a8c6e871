// Reads a file's bytes for showing and checking, through the core's file layer.
#include "file_image.h"

#include <cstring>
#include <filesystem>

#include "record_codec.h"

_USR_SETTING_ FileImage::record() const {
  _USR_SETTING_ record{};
  std::memcpy(&record, bytes.data(), bytes.size());
  return record;
}

std::filesystem::path filesystemPath(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

FileRead readFileImage(const std::string& path) {
  auto& files = RecordCodec::FileLayer::system();
  FileImage image;
  std::size_t got = 0;
  switch (files.readPrefix(path, image.bytes.data(), image.bytes.size(), got)) {
    case RecordCodec::FileLayer::ReadStatus::Missing:
      return {std::nullopt, "no such file"};
    case RecordCodec::FileLayer::ReadStatus::Failed:
      return {std::nullopt, files.lastError()};
    case RecordCodec::FileLayer::ReadStatus::Read:
      break;
  }
  // A folder or a device reads as an empty or endless file; neither is a settings file.
  std::error_code error;
  const auto where = filesystemPath(path);
  if (!std::filesystem::is_regular_file(where, error)) return {std::nullopt, "not a regular file"};
  image.size = std::filesystem::file_size(where, error);
  if (error) return {std::nullopt, error.message()};
  return {image, {}};
}
