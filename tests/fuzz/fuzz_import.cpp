// Any bytes as an imported JSON document: an error that leaves the record alone, or a record
// whose every setting is a choice (or none) and every hour a mode.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "record_codec.h"
#include "settings_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  _USR_SETTING_ record{};
  RecordCodec::fillDefault(record, RecordCodec::windowsProfile);
  scheduleCell(record, 6, 23) = 7;  // a byte that is no mode, kept unless the document sets it
  const _USR_SETTING_ before = record;

  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (SettingsDocument::importText(text, record)) {
    if (std::memcmp(&record, &before, sizeof record) != 0) __builtin_trap();
    return 0;
  }
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (record.setting[slot] > highestChoice(static_cast<SettingSlot>(slot))) __builtin_trap();
  if (record.setting[static_cast<int>(SettingSlot::RecAudio)] != 0) __builtin_trap();
  for (int day = 0; day < kDayCount; ++day)
    for (int hour = 0; hour < kHourCount; ++hour) {
      const int mode = scheduleCell(record, day, hour);
      if ((mode < Off || mode > Motion) && !(day == 6 && hour == 23 && mode == 7)) __builtin_trap();
    }
  (void)SettingsDocument::documentOf(record);
  return 0;
}
