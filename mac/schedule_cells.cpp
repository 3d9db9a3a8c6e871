#include "schedule_cells.h"

#include <cstdint>
#include <limits>

std::int32_t readIdentifierNumber(std::string_view identifier) {
  std::size_t at = 0;
  auto isBlank = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
  };
  while (at < identifier.size() && isBlank(identifier[at])) ++at;
  bool negative = false;
  if (at < identifier.size() && (identifier[at] == '+' || identifier[at] == '-')) {
    negative = identifier[at] == '-';
    ++at;
  }
  // Accumulated as a magnitude, kept just past the range so that overflow saturates.
  constexpr std::int64_t kCeiling = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; at < identifier.size() && identifier[at] >= '0' && identifier[at] <= '9'; ++at) {
    magnitude = magnitude * 10 + (identifier[at] - '0');
    if (magnitude > kCeiling) magnitude = kCeiling;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::optional<CellAddress> cellAddress(std::int64_t row, std::int32_t identifierNumber) {
  // Unsigned comparisons, so that negative rows and identifiers fall outside as well.
  if (static_cast<std::uint64_t>(row) >= static_cast<std::uint64_t>(kDayCount)) return std::nullopt;
  const auto hour = static_cast<std::uint32_t>(identifierNumber) - 1u;
  if (hour >= static_cast<std::uint32_t>(kHourCount)) return std::nullopt;
  return CellAddress{static_cast<int>(row), static_cast<int>(hour)};
}

int letterIndexOfMode(std::int32_t mode) {
  return lookOfMode(mode) ? mode : Motion;
}

std::optional<ScheduleMode> modeOfCellText(std::optional<std::string_view> text) {
  return text ? modeOfText(*text) : std::nullopt;
}

std::string copyTextAsShown(const ScheduleEdits::Week& week, const ScheduleEdits::CellRect& rect) {
  std::string text;
  for (int day = rect.day; day < rect.day + rect.days; ++day) {
    for (int step = 0; step < rect.hours; ++step) {
      const int hour = (rect.hour + step) % kHourCount;
      if (step > 0) text += '\t';
      const int shown = letterIndexOfMode(week.week_schduce[day].rec_motion_status[hour]);
      text += kModeLooks[static_cast<std::size_t>(shown)].macLetter;
    }
    text += '\n';
  }
  return text;
}
