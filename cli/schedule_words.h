// The words of the schedule command: which days, which hours, and the mode to set.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "schedule_edits.h"

namespace ScheduleWords {

// A parsed word, or what is wrong with it.
template <class T>
struct Parsed {
  std::optional<T> value;
  std::string error;
};

// "mon", "mon-fri", "sat,sun", "weekdays", "weekend", "all"; full day names too, in any case.
Parsed<ScheduleEdits::DaySet> parseDays(std::string_view word);
// "8", "8-18" (both included), "22-5" (past midnight), "8-12,14-18", "all".
Parsed<ScheduleEdits::HourSet> parseHours(std::string_view word);
// "off", "continuous", "motion", or a cell letter: "-" or "O", "C", "M".
Parsed<ScheduleMode> parseMode(std::string_view word);
// What parseMode takes, as its help and its refusal say it.
std::string modeChoicesText();

}  // namespace ScheduleWords
