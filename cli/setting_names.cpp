// Name tables: settings in slot order, days from Monday, and choice lookup by text or index.
#include "setting_names.h"

#include <array>
#include <charconv>

namespace SettingNames {

namespace {

constexpr std::array<const char*, kSlotCount> kSettingNames = {
    "resolution",     "loop-length", "exposure",     "rotate",          "beep",       "record-led",
    "display-status", "rec-audio",   "pir-interval", "pir-sensitivity", "date-format"};

constexpr std::array<const char*, kDayCount> kDayNames = {
    "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};

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

  int index = -1;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), index);
  if (error == std::errc{} && end == value.data() + value.size() && index >= 0 &&
      index <= highestChoice(slot))
    return index;
  return std::nullopt;
}

std::string choiceList(SettingSlot slot) {
  std::string list;
  for (const char* text : choiceTexts(slot)) list += (list.empty() ? "" : ", ") + std::string(text);
  return list;
}

std::string choiceRange(SettingSlot slot) {
  return "0-" + std::to_string(highestChoice(slot));
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
