#include "table_selection.h"

#include <algorithm>

using ScheduleEdits::CellRect;
using ScheduleEdits::DaySet;
using ScheduleEdits::HourSet;

namespace {

template <std::size_t N>
std::bitset<N> clicked(std::bitset<N> selected, bool wholeLines, std::bitset<N> extended, int at,
                       HeaderClick how) {
  switch (how) {
    case HeaderClick::ExtendRange:
      return extended;
    case HeaderClick::Toggle:
      if (wholeLines) return selected.flip(at);
      break;
    case HeaderClick::Alone:
      break;
  }
  return std::bitset<N>{}.set(at);
}

// The first and the count of a set that runs unbroken, or nothing.
template <std::size_t N>
std::optional<std::pair<int, int>> run(std::bitset<N> bits) {
  if (bits.none()) return std::nullopt;
  int first = 0;
  while (!bits.test(first)) ++first;
  const int count = static_cast<int>(bits.count());
  if (first + count > static_cast<int>(N)) return std::nullopt;
  for (int at = first; at < first + count; ++at)
    if (!bits.test(at)) return std::nullopt;
  return std::pair{first, count};
}

}  // namespace

void TableSelection::pressCell(CellAddress cell, bool extend) {
  if (!extend || !hasCurrent_) anchor_ = cell;
  current_ = cell;
  hasCurrent_ = true;
  dragTo(cell);
}

void TableSelection::dragTo(CellAddress cell) {
  select(ScheduleEdits::daysBetween(anchor_.day, cell.day),
         ScheduleEdits::hoursBetween(anchor_.hour, cell.hour));
}

void TableSelection::contextClick(CellAddress cell) {
  if (!contains(cell)) {
    pressCell(cell, false);
    return;
  }
  current_ = cell;
  hasCurrent_ = true;
}

void TableSelection::clickDay(int day, HeaderClick how) {
  if (!hasCurrent_) how = HeaderClick::Alone;
  const DaySet selected{dayBits_};
  const bool wholeDays = HourSet{hourBits_}.all() && selected.any();
  select(clicked(selected, wholeDays, ScheduleEdits::daysBetween(anchor_.day, day), day, how),
         ScheduleEdits::kAllHours);
  if (how != HeaderClick::ExtendRange) anchor_.day = day;
  current_ = {day, hasCurrent_ ? current_.hour : 0};
  hasCurrent_ = true;
}

void TableSelection::clickHour(int hour, HeaderClick how) {
  if (!hasCurrent_) how = HeaderClick::Alone;
  const HourSet selected{hourBits_};
  const bool wholeHours = DaySet{dayBits_}.all() && selected.any();
  select(ScheduleEdits::kAllDays,
         clicked(selected, wholeHours, ScheduleEdits::hoursBetween(anchor_.hour, hour), hour, how));
  if (how != HeaderClick::ExtendRange) anchor_.hour = hour;
  current_ = {hasCurrent_ ? current_.day : 0, hour};
  hasCurrent_ = true;
}

void TableSelection::selectAll() {
  select(ScheduleEdits::kAllDays, ScheduleEdits::kAllHours);
}

void TableSelection::select(DaySet days, HourSet hours) {
  dayBits_ = static_cast<std::uint32_t>(days.to_ulong());
  hourBits_ = static_cast<std::uint32_t>(hours.to_ulong());
}

DaySet TableSelection::days() const {
  if (dayBits_ != 0 && hourBits_ != 0) return DaySet{dayBits_};
  return hasCurrent_ ? DaySet{}.set(current_.day) : DaySet{};
}

HourSet TableSelection::hours() const {
  if (dayBits_ != 0 && hourBits_ != 0) return HourSet{hourBits_};
  return hasCurrent_ ? HourSet{}.set(current_.hour) : HourSet{};
}

bool TableSelection::contains(CellAddress cell) const {
  return days().test(cell.day) && hours().test(cell.hour);
}

bool TableSelection::isEmpty() const {
  return days().none();
}

std::optional<CellRect> TableSelection::rectangle() const {
  const auto dayRun = run(days());
  const auto hourRun = run(hours());
  if (!dayRun || !hourRun) return std::nullopt;
  return CellRect{dayRun->first, hourRun->first, dayRun->second, hourRun->second};
}

std::optional<CellAddress> TableSelection::current() const {
  if (!hasCurrent_) return std::nullopt;
  return current_;
}
