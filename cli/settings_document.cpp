// The JSON document: written from a record, and read back strictly into one.
#include "settings_document.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "record_check.h"
#include "record_codec.h"
#include "schedule_edits.h"
#include "setting_names.h"

namespace SettingsDocument {

namespace {

// Keys of the show report that an import passes over.
constexpr std::array<std::string_view, 4> kInformationalKeys = {"file", "size", "tags-valid",
                                                                "saved"};

struct ImportError {
  std::string message;
};

[[noreturn]] void fail(const std::string& path, const std::string& cause) {
  throw ImportError{path + ": " + cause};
}

const Json& expectObject(const Json& value, const std::string& path) {
  if (!value.is_object()) fail(path, std::string("expected an object, not ") + value.type_name());
  return value;
}

// One letter for a message: itself when printable, else its byte in hex.
std::string shownLetter(char letter) {
  if (letter >= ' ' && letter <= '~') return std::string(1, letter);
  char text[8];
  std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned char>(letter));
  return text;
}

std::int8_t choiceValue(SettingSlot slot, const Json& value, const std::string& path) {
  if (value.is_null()) return -1;
  if (value.is_number_integer()) {
    const std::string number = value.dump();
    if (!value.is_number_unsigned() ||
        value.get<std::uint64_t>() > std::uint64_t(highestChoice(slot)))
      fail(path, number + " is outside " + SettingNames::choiceRange(slot));
    return static_cast<std::int8_t>(value.get<std::uint64_t>());
  }
  if (!value.is_string())
    fail(path, std::string("expected a choice text, not ") + value.type_name());
  const auto& text = value.get_ref<const std::string&>();
  const auto choice = SettingNames::choiceOf(slot, text);
  if (!choice) fail(path, "'" + text + "' is not one of " + SettingNames::choiceList(slot));
  return static_cast<std::int8_t>(*choice);
}

void importSettings(const Json& settings, _USR_SETTING_& record) {
  expectObject(settings, "settings");
  for (const auto& [name, value] : settings.items()) {
    const std::string path = "settings." + name;
    const auto slot = SettingNames::slotOfName(name);
    if (!slot) fail(path, "unknown setting");
    const std::int8_t choice = choiceValue(*slot, value, path);
    if (*slot == SettingSlot::RecAudio && choice != 0)
      fail(path, "rec-audio is always saved as ON");
    record.setting[static_cast<int>(*slot)] = choice;
  }
}

void importDay(const Json& row, const std::string& path, _USR_SETTING_& record, int day) {
  if (!row.is_string())
    fail(path, std::string("expected a string of 24 letters, not ") + row.type_name());
  const auto& letters = row.get_ref<const std::string&>();
  if (letters.size() != kHourCount)
    fail(path, std::to_string(letters.size()) + " letters, not " + std::to_string(kHourCount));
  for (int hour = 0; hour < kHourCount; ++hour) {
    const char letter = letters[static_cast<std::size_t>(hour)];
    const auto mode = ScheduleEdits::modeOfLetter(letter);
    if (!mode)
      fail(path + "[" + std::to_string(hour) + "]",
           "'" + shownLetter(letter) + "' is not -, C or M");
    scheduleCell(record, day, hour) = *mode;
  }
}

void importSchedule(const Json& schedule, _USR_SETTING_& record) {
  expectObject(schedule, "schedule");
  for (const auto& [name, row] : schedule.items()) {
    const std::string path = "schedule." + name;
    const auto day = SettingNames::dayOfName(name);
    if (!day || name != SettingNames::dayName(*day)) fail(path, "unknown day");
    importDay(row, path, record, *day);
  }
}

}  // namespace

Json documentOf(const _USR_SETTING_& record) {
  Json settings = Json::object();
  for (int index = 0; index < kSlotCount; ++index) {
    const auto slot = static_cast<SettingSlot>(index);
    const int value = record.setting[index];
    Json& entry = settings[SettingNames::nameOf(slot)];
    if (value < 0)
      entry = nullptr;
    else if (value > highestChoice(slot))
      entry = value;
    else
      entry = choiceTexts(slot)[static_cast<std::size_t>(value)];
  }

  Json schedule = Json::object();
  for (int day = 0; day < kDayCount; ++day) {
    std::string letters;
    for (const std::int8_t mode : record.schduce_procce_ir.week_schduce[day].rec_motion_status)
      letters += ScheduleEdits::modeLetter(mode);
    schedule[SettingNames::dayName(day)] = letters;
  }
  return Json{{"settings", settings}, {"schedule", schedule}};
}

Json reportOf(const std::string& path, const FileImage& image) {
  const _USR_SETTING_ record = image.record();
  Json report = Json::object();
  report["file"] = path;
  report["size"] = image.size;
  report["tags-valid"] = RecordCodec::hasValidTags(image.bytes);
  report["saved"] =
      RecordCheck::isNoTime(record) ? Json(nullptr) : Json(RecordCheck::stampText(record));
  const Json document = documentOf(record);
  for (const auto& [key, value] : document.items()) report[key] = value;
  return report;
}

std::optional<std::string> importText(std::string_view text, _USR_SETTING_& record) {
  Json document;
  try {
    document = Json::parse(text);
  } catch (const Json::exception& error) {
    // A syntax error, or a number beyond what a double holds.
    const std::string what = error.what();
    return "bad JSON: " + what.substr(what.find(']') + 2);
  }

  _USR_SETTING_ changed = record;
  try {
    if (!document.is_object())
      return std::string("the document is ") + document.type_name() + ", not an object";
    for (const auto& [key, value] : document.items()) {
      if (key == "settings")
        importSettings(value, changed);
      else if (key == "schedule")
        importSchedule(value, changed);
      else if (std::find(kInformationalKeys.begin(), kInformationalKeys.end(), key) ==
               kInformationalKeys.end())
        fail(key, "unknown key");
    }
  } catch (const ImportError& error) {
    return error.message;
  }
  record = changed;
  return std::nullopt;
}

}  // namespace SettingsDocument
