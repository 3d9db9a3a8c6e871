// The names the command line and the JSON document give to the record's settings and days.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "usr_setting.h"

namespace SettingNames {

// The eleven setting names, in slot order.
std::span<const char* const> settingNames();
const char* nameOf(SettingSlot slot);
std::optional<SettingSlot> slotOfName(std::string_view name);

// A choice by its text (in any case); by its own number where the choices are numbers ("5" for
// 5Min, "+1" or "1" for EV:+1); or by its position in the list after '#' ("#0" for the first).
// Nothing when it is none of these.
std::optional<int> choiceOf(SettingSlot slot, std::string_view value);
// "ON, OFF": a slot's choice texts, for messages.
std::string choiceList(SettingSlot slot);
// "0-7": the range of a slot's choices, for messages.
std::string choiceRange(SettingSlot slot);
// "#0-#7": the positions of a slot's choices, for messages.
std::string choicePositions(SettingSlot slot);
// "ON": the choice every save stores for the always-saved slot, and the note that says so.
const char* alwaysSavedChoiceText();
std::string alwaysSavedNote();

// "monday" .. "sunday", day 0 being Monday.
const char* dayName(int day);
// A day by its full or three-letter name, in any case.
std::optional<int> dayOfName(std::string_view name);

// Plain ASCII lower case, for comparing names and choice texts.
std::string lowered(std::string_view text);

}  // namespace SettingNames
