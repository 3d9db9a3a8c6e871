// The checks of the check command: size, tags, choices, schedule bytes and the stamp.
#include "record_check.h"

#include <cstddef>
#include <cstdio>

#include "record_codec.h"
#include "setting_names.h"

namespace RecordCheck {

namespace {

void checkSettings(const FileImage& image, const _USR_SETTING_& record,
                   std::vector<std::string>& problems) {
  for (int index = 0; index < kSlotCount; ++index) {
    if (!image.covers(offsetof(_USR_SETTING_, setting) + index + 1)) return;
    const auto slot = static_cast<SettingSlot>(index);
    const int value = record.setting[index];
    if (value < 0 || value > highestChoice(slot))
      problems.push_back(std::string(SettingNames::nameOf(slot)) + " " + std::to_string(value) +
                         " is outside " + SettingNames::choiceRange(slot));
  }
}

void checkSchedule(const FileImage& image, const _USR_SETTING_& record,
                   std::vector<std::string>& problems) {
  for (int day = 0; day < kDayCount; ++day) {
    for (int hour = 0; hour < kHourCount; ++hour) {
      const auto end = offsetof(_USR_SETTING_, schduce_procce_ir) +
                       static_cast<std::size_t>(day * kHourCount + hour) + 1;
      if (!image.covers(end)) return;
      const int value = record.schduce_procce_ir.week_schduce[day].rec_motion_status[hour];
      if (value < Off || value > Motion)
        problems.push_back(std::string("schedule ") + SettingNames::dayName(day) + " hour " +
                           std::to_string(hour) + " is " + std::to_string(value) + ", outside 0-2");
    }
  }
}

}  // namespace

bool isPossibleStamp(const _USR_SETTING_& record) {
  return record.g_year >= 1 && record.g_month >= 1 && record.g_month <= 12 && record.g_day >= 1 &&
         record.g_day <= 31 && record.g_hour <= 23 && record.g_min <= 59 && record.g_second <= 59;
}

std::string stampText(const _USR_SETTING_& record) {
  char text[80];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", record.g_year, record.g_month,
                record.g_day, record.g_hour, record.g_min, record.g_second);
  return text;
}

std::vector<std::string> problemsOf(const FileImage& image) {
  std::vector<std::string> problems;
  if (image.size != kRecordSize)
    problems.push_back("size " + std::to_string(image.size) + " bytes, not " +
                       std::to_string(kRecordSize));
  if (!RecordCodec::hasValidTags(image.bytes)) problems.push_back("tags not valid");

  const _USR_SETTING_ record = image.record();
  checkSettings(image, record, problems);
  checkSchedule(image, record, problems);
  if (image.covers(offsetof(_USR_SETTING_, check_end_char)) && !RecordCodec::hasNoStamp(record) &&
      !isPossibleStamp(record))
    problems.push_back("saved time " + stampText(record) + " is impossible");
  return problems;
}

}  // namespace RecordCheck
