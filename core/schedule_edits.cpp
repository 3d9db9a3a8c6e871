#include "schedule_edits.h"

#include "schedule_modes.h"

#include <algorithm>
#include <utility>

namespace ScheduleEdits {

namespace {

std::int8_t& cell(Week& week, int day, int hour) {
  return week.week_schduce[day].rec_motion_status[hour];
}

TextError textError(int line, int column, std::string message) {
  return TextError{line, column, std::move(message)};
}

// The text's lines without their breaks; a final line break ends the last line.
std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    auto line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

DaySet dayRange(int first, int last) {
  DaySet days;
  for (int day = first; day <= last; ++day) days.set(day);
  return days;
}

HourSet hourRange(int first, int last) {
  HourSet hours;
  for (int hour = first;; hour = (hour + 1) % kHourCount) {
    hours.set(hour);
    if (hour == last) break;
  }
  return hours;
}

void setCells(Week& week, DaySet days, HourSet hours, ScheduleMode mode) {
  for (int day = 0; day < kDayCount; ++day) {
    for (int hour = 0; hour < kHourCount; ++hour) {
      if (days.test(day) && hours.test(hour)) cell(week, day, hour) = mode;
    }
  }
}

DaySet daysBetween(int one, int other) {
  return dayRange(std::min(one, other), std::max(one, other));
}

HourSet hoursBetween(int one, int other) {
  return hourRange(std::min(one, other), std::max(one, other));
}

std::optional<Cell> pasteOrigin(DaySet days, HourSet hours) {
  if (days.none() || hours.none()) return std::nullopt;
  Cell origin{0, 0};
  while (!days.test(static_cast<std::size_t>(origin.day))) ++origin.day;
  while (!hours.test(static_cast<std::size_t>(origin.hour))) ++origin.hour;
  return origin;
}

void fillWeek(Week& week, ScheduleMode mode) {
  setCells(week, kAllDays, kAllHours, mode);
}

void copyDay(Week& week, int fromDay, DaySet toDays) {
  const _day_schduce_ source = week.week_schduce[fromDay];
  for (int day = 0; day < kDayCount; ++day) {
    if (toDays.test(day)) week.week_schduce[day] = source;
  }
}

std::string copyText(const Week& week, const CellRect& rect) {
  std::string text;
  for (int row = 0; row < rect.days; ++row) {
    for (int column = 0; column < rect.hours; ++column) {
      if (column > 0) text += '\t';
      const int hour = (rect.hour + column) % kHourCount;
      text += modeLetter(week.week_schduce[rect.day + row].rec_motion_status[hour]);
    }
    text += '\n';
  }
  return text;
}

ParsedBlock parseText(std::string_view text) {
  const auto lines = splitLines(text);
  if (lines.empty()) return {std::nullopt, textError(1, 1, "the text is empty")};
  if (static_cast<int>(lines.size()) > kDayCount) {
    return {std::nullopt, textError(kDayCount + 1, 1, "more lines than the week has days")};
  }
  Block block;
  block.days = static_cast<int>(lines.size());
  for (int row = 0; row < block.days; ++row) {
    int column = 0;
    std::string_view rest = lines[row];
    while (true) {
      const auto tab = rest.find('\t');
      const auto field = rest.substr(0, tab);
      ++column;
      if (column > kHourCount) {
        return {std::nullopt, textError(row + 1, column, "more cells than the day has hours")};
      }
      const auto mode = modeOfText(field);
      if (!mode) {
        // Appended rather than added: g++ 12 at -O3 takes "'" + string for an overlapping copy.
        const std::string message =
            std::string("'").append(field).append("' is not ").append(modeLettersText());
        return {std::nullopt, textError(row + 1, column, message)};
      }
      block.cells.push_back(*mode);
      if (tab == std::string_view::npos) break;
      rest.remove_prefix(tab + 1);
    }
    if (row == 0) block.hours = column;
    if (column != block.hours) {
      return {std::nullopt, textError(row + 1, column,
                                      "line has " + std::to_string(column) + " cells, line 1 has " +
                                          std::to_string(block.hours))};
    }
  }
  return {std::move(block), {}};
}

std::optional<std::string> pasteBlock(Week& week, const Block& block, int day, int hour) {
  if (day + block.days > kDayCount) return "the cells reach past Sunday";
  if (hour + block.hours > kHourCount) return "the cells reach past hour 23";
  for (int row = 0; row < block.days; ++row) {
    for (int column = 0; column < block.hours; ++column) {
      cell(week, day + row, hour + column) = block.cells[row * block.hours + column];
    }
  }
  return std::nullopt;
}

void History::remember(const Week& before) {
  if (limit_ == 0) return;
  if (undo_.size() == limit_) undo_.erase(undo_.begin());
  undo_.push_back(before);
  redo_.clear();
}

bool History::undo(Week& week) {
  if (undo_.empty()) return false;
  redo_.push_back(week);
  week = undo_.back();
  undo_.pop_back();
  return true;
}

bool History::redo(Week& week) {
  if (redo_.empty()) return false;
  undo_.push_back(week);
  week = redo_.back();
  redo_.pop_back();
  return true;
}

}  // namespace ScheduleEdits
