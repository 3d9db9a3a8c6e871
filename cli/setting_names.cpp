// Name tables: settings in slot order, days from Monday, and choice lookup by text or index.
#include "setting_names.h"

#include <array>
#include <charconv>
#include <initializer_list>

namespace SettingNames {

namespace {

constexpr std::array<const char*, kSlotCount> kSettingNames = {
    "resolution",     "loop-length", "exposure",     "rotate",          "beep",       "record-led",
    "display-status", "rec-audio",   "pir-interval", "pir-sensitivity", "date-format"};

constexpr std::array<const char*, kDayCount> kDayNames = {
    "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};

// The whole text as a number, with an optional sign; nothing when it is anything else.
std::optional<int> wholeNumber(std::string_view text) {
  if (text.starts_with('+')) text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return number;
}

// The number a choice stands for, where it is one: "EV:+1" is 1, "5Min" 5 and "30Sec" 30.
std::optional<int> numberOfChoice(std::string_view text) {
  if (text.starts_with("EV:")) text.remove_prefix(3);
  for (const std::string_view unit : {"Min", "Sec"})
    if (text.ends_with(unit)) text.remove_suffix(unit.size());
  return wholeNumber(text);
}

}  // namespace

std::string lowered(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return result;
}

std::span<const char* const> settingNames() {
  return kSettingNames;
}

const char* nameOf(SettingSlot slot) {
  return kSettingNames.at(static_cast<std::size_t>(slot));
}

std::optional<SettingSlot> slotOfName(std::string_view name) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (name == kSettingNames[static_cast<std::size_t>(slot)])
      return static_cast<SettingSlot>(slot);
  return std::nullopt;
}

std::optional<int> choiceOf(SettingSlot slot, std::string_view value) {
  const auto texts = choiceTexts(slot);
  const std::string wanted = lowered(value);
  for (std::size_t index = 0; index < texts.size(); ++index)
    if (wanted == lowered(texts[index])) return static_cast<int>(index);

  if (value.starts_with('#')) {
    const auto position = wholeNumber(value.substr(1));
    if (position && *position >= 0 && *position <= highestChoice(slot)) return *position;
    return std::nullopt;
  }
  const auto number = wholeNumber(value);
  if (!number) return std::nullopt;
  for (std::size_t index = 0; index < texts.size(); ++index)
    if (numberOfChoice(texts[index]) == number) return static_cast<int>(index);
  return std::nullopt;
}

std::string choiceList(SettingSlot slot) {
  std::string list;
  for (const char* text : choiceTexts(slot)) list += (list.empty() ? "" : ", ") + std::string(text);
  return list;
}

const char* alwaysSavedChoiceText() {
  return choiceTexts(kAlwaysSavedSlot)[static_cast<std::size_t>(kAlwaysSavedChoice)];
}

std::string alwaysSavedNote() {
  return std::string(nameOf(kAlwaysSavedSlot)) + " is always saved as " + alwaysSavedChoiceText();
}

std::string choiceRange(SettingSlot slot) {
  return "0-" + std::to_string(highestChoice(slot));
}

std::string choicePositions(SettingSlot slot) {
  return "#0-#" + std::to_string(highestChoice(slot));
}

const char* dayName(int day) {
  return kDayNames.at(static_cast<std::size_t>(day));
}

std::optional<int> dayOfName(std::string_view name) {
  const std::string wanted = lowered(name);
  for (int day = 0; day < kDayCount; ++day) {
    const std::string_view full = kDayNames[static_cast<std::size_t>(day)];
    if (wanted == full || wanted == full.substr(0, 3)) return day;
  }
  return std::nullopt;
}

}  // namespace SettingNames
