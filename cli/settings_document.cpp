// The JSON document: written from a record, and read back strictly into one.
#include "settings_document.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "record_check.h"
#include "record_codec.h"
#include "schedule_edits.h"
#include "setting_names.h"
#include "shown_text.h"

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

// A choice's index from a number, which may be written as a whole float (1.0) or as -0; a
// choice text from a string. Null is no choice: the setting stays as it is.
std::optional<std::int8_t> choiceValue(SettingSlot slot, const Json& value,
                                       const std::string& path) {
  if (value.is_null()) return std::nullopt;
  if (value.is_number()) {
    const double number = value.get<double>();
    if (number != std::floor(number)) fail(path, value.dump() + " is not a choice's index");
    if (number < 0 || number > highestChoice(slot))
      fail(path, value.dump() + " is outside " + SettingNames::choiceRange(slot));
    return static_cast<std::int8_t>(number);
  }
  if (!value.is_string())
    fail(path, std::string("expected a choice text, not ") + value.type_name());
  const auto& text = value.get_ref<const std::string&>();
  const auto choice = SettingNames::choiceOf(slot, text);
  if (!choice) fail(path, "'" + shown(text) + "' is not one of " + SettingNames::choiceList(slot));
  return static_cast<std::int8_t>(*choice);
}

void importSettings(const Json& settings, _USR_SETTING_& record,
                    std::vector<std::string>& notices) {
  expectObject(settings, "settings");
  for (const auto& [name, value] : settings.items()) {
    const std::string path = "settings." + shown(name);
    const auto slot = SettingNames::slotOfName(name);
    if (!slot) fail(path, "unknown setting");
    const auto choice = choiceValue(*slot, value, path);
    if (!choice) continue;
    if (savedChoice(*slot, *choice) != *choice)
      notices.push_back(path + ": taken as " + SettingNames::alwaysSavedChoiceText() + "; " +
                        SettingNames::alwaysSavedNote());
    record.setting[static_cast<int>(*slot)] = *choice;
  }
}

// The letters are counted as characters: a wide letter is one letter, and no mode.
std::vector<std::string_view> lettersOf(const std::string& text) {
  std::vector<std::string_view> letters;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = start + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    letters.push_back(std::string_view(text).substr(start, end - start));
    start = end;
  }
  return letters;
}

void importDay(const Json& row, const std::string& path, _USR_SETTING_& record, int day) {
  if (!row.is_string())
    fail(path, std::string("expected a string of 24 letters, not ") + row.type_name());
  const auto letters = lettersOf(row.get_ref<const std::string&>());
  if (letters.size() != kHourCount)
    fail(path, std::to_string(letters.size()) + " letters, not " + std::to_string(kHourCount));
  for (int hour = 0; hour < kHourCount; ++hour) {
    const std::string_view letter = letters[static_cast<std::size_t>(hour)];
    const auto mode = modeOfText(letter);
    if (!mode)
      fail(path + "[" + std::to_string(hour) + "]",
           "'" + shown(letter) + "' is not " + modeLettersText());
    scheduleCell(record, day, hour) = *mode;
  }
}

void importSchedule(const Json& schedule, _USR_SETTING_& record) {
  expectObject(schedule, "schedule");
  for (const auto& [name, row] : schedule.items()) {
    const std::string path = "schedule." + shown(name);
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
      letters += modeLetter(mode);
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
      RecordCodec::hasNoStamp(record) ? Json(nullptr) : Json(RecordCheck::stampText(record));
  const Json document = documentOf(record);
  for (const auto& [key, value] : document.items()) report[key] = value;
  return report;
}

std::optional<std::string> importText(std::string_view text, _USR_SETTING_& record,
                                      std::vector<std::string>* notices) {
  Json document;
  try {
    document = Json::parse(text);
  } catch (const Json::exception& error) {
    // A syntax error, or a number beyond what a double holds.
    const std::string what = error.what();
    return "bad JSON: " + what.substr(what.find(']') + 2);
  }

  _USR_SETTING_ changed = record;
  std::vector<std::string> told;
  try {
    if (!document.is_object())
      return std::string("the document is ") + document.type_name() + ", not an object";
    for (const auto& [key, value] : document.items()) {
      if (key == "settings")
        importSettings(value, changed, told);
      else if (key == "schedule")
        importSchedule(value, changed);
      else if (std::find(kInformationalKeys.begin(), kInformationalKeys.end(), key) ==
               kInformationalKeys.end())
        fail(shown(key), "unknown key");
    }
  } catch (const ImportError& error) {
    return error.message;
  }
  record = changed;
  if (notices) *notices = told;
  return std::nullopt;
}

}  // namespace SettingsDocument
