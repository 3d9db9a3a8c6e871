// Views of a record as the bytes of its file image.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "record_codec.h"

inline std::vector<std::uint8_t> bytesOf(const _USR_SETTING_& record) {
  std::vector<std::uint8_t> bytes(sizeof record);
  std::memcpy(bytes.data(), &record, sizeof record);
  return bytes;
}

inline _USR_SETTING_ recordOf(const std::vector<std::uint8_t>& bytes) {
  _USR_SETTING_ record{};
  std::memcpy(&record, bytes.data(), bytes.size() < sizeof record ? bytes.size() : sizeof record);
  return record;
}

// A record as our programs write it: tagged, filled and stamped.
inline _USR_SETTING_ sealedRecord() {
  _USR_SETTING_ record{};
  RecordCodec::fillDefault(record, RecordCodec::windowsProfile);
  RecordCodec::sealRecord(record, RecordCodec::LocalStampValue{2026, 3, 7, 14, 5, 9});
  return record;
}
