// Renders a settings file as stable, aligned text.
#include "text_report.h"

#include <sstream>

#include "record_check.h"
#include "record_codec.h"
#include "schedule_modes.h"
#include "setting_names.h"
#include "shown_text.h"
#include "week_words.h"

namespace {

constexpr std::size_t kNameWidth = 17;

std::string padded(const std::string& text) {
  return text + std::string(text.size() < kNameWidth ? kNameWidth - text.size() : 1, ' ');
}

std::string savedText(const _USR_SETTING_& record) {
  if (RecordCodec::hasNoStamp(record)) return "no time (local time was not known)";
  const std::string stamp = RecordCheck::stampText(record);
  return RecordCheck::isPossibleStamp(record) ? stamp : stamp + " (impossible)";
}

}  // namespace

std::string choiceText(SettingSlot slot, int value) {
  if (value < 0) return "(no choice: " + std::to_string(value) + ")";
  if (value > highestChoice(slot))
    return "(" + std::to_string(value) + ": outside " + SettingNames::choiceRange(slot) + ")";
  return choiceTexts(slot)[static_cast<std::size_t>(value)];
}

std::string textReport(const std::string& path, const FileImage& image) {
  const _USR_SETTING_ record = image.record();
  std::ostringstream text;
  text << padded("file") << shown(path) << '\n';
  text << padded("size") << image.size << " bytes"
       << (image.size == kRecordSize ? "" : " (a settings file has 476)") << '\n';
  text << padded("tags") << (RecordCodec::hasValidTags(image.bytes) ? "valid" : "not valid")
       << '\n';
  text << padded("saved") << savedText(record) << "\n\n";

  for (int index = 0; index < kSlotCount; ++index) {
    const auto slot = static_cast<SettingSlot>(index);
    text << padded(SettingNames::nameOf(slot)) << choiceText(slot, record.setting[index]) << '\n';
  }

  // Tens above units, so that each column reads as its hour.
  text << '\n' << padded("schedule") << "0         1         2\n";
  text << padded("") << "012345678901234567890123\n";
  for (int day = 0; day < kDayCount; ++day) {
    text << padded(SettingNames::dayName(day));
    for (const std::int8_t mode : record.schduce_procce_ir.week_schduce[day].rec_motion_status)
      text << modeLetter(mode);
    text << '\n';
  }
  text << padded("");
  for (const ModeLook& look : kModeLooks)
    text << look.windowsLetter << ' ' << SettingNames::lowered(look.word) << ", ";
  text << modeLetter(-1) << " not a mode\n";
  text << padded("week") << describeWeek(record.schduce_procce_ir) << '\n';
  return text.str();
}
