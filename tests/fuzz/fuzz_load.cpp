// Any bytes as the settings file, through both load profiles, and any image through the tag check.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "record_codec.h"

namespace {

const std::string& scratchPath() {
  static const std::string path = "/tmp/fuzz_load." + std::to_string(getpid()) + ".txt";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, kRecordSize> image{};
  std::memcpy(image.data(), data, size < image.size() ? size : image.size());
  (void)RecordCodec::hasValidTags(image);

  std::FILE* file = std::fopen(scratchPath().c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  for (const auto* profile : {&RecordCodec::windowsProfile, &RecordCodec::macProfile}) {
    _USR_SETTING_ record{};
    const auto outcome = RecordCodec::loadSettingsFile(record, *profile, scratchPath());
    if (outcome == RecordCodec::LoadOutcome::Adopted && profile->validateTags &&
        !RecordCodec::hasValidTags(image))
      __builtin_trap();
    RecordCodec::clampSettings(record);
  }
  return 0;
}
