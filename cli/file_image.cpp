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

FileRead readFileImage(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return {std::nullopt, "no such file"};
  if (error) return {std::nullopt, error.message()};
  // A folder or a device would read as an empty or endless file; neither is a settings file.
  if (!std::filesystem::is_regular_file(status)) return {std::nullopt, "not a regular file"};

  FileImage image;
  image.size = std::filesystem::file_size(path, error);
  if (error) return {std::nullopt, error.message()};
  auto& files = RecordCodec::FileLayer::system();
  std::size_t got = 0;
  if (!files.readPrefix(path, image.bytes.data(), image.bytes.size(), got))
    return {std::nullopt, files.lastError()};
  return {image, {}};
}
