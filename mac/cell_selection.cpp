#include "cell_selection.h"

#include <algorithm>

using ScheduleEdits::CellRect;
using ScheduleEdits::DaySet;
using ScheduleEdits::HourSet;

namespace {

template <std::size_t N>
std::bitset<N> range(int first, int last) {
  std::bitset<N> bits;
  for (int at = std::min(first, last); at <= std::max(first, last); ++at) bits.set(at);
  return bits;
}

template <std::size_t N>
std::bitset<N> clicked(std::bitset<N> selected, bool wholeLines, int anchor, int at,
                       HeaderClick how) {
  switch (how) {
    case HeaderClick::ExtendRange:
      return range<N>(anchor, at);
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

void CellSelection::pressCell(CellAddress cell, bool extend) {
  if (!extend || !hasCurrent_) anchor_ = cell;
  current_ = cell;
  hasCurrent_ = true;
  dragTo(cell);
}

void CellSelection::dragTo(CellAddress cell) {
  select(range<kDayCount>(anchor_.day, cell.day), range<kHourCount>(anchor_.hour, cell.hour));
}

void CellSelection::contextClick(CellAddress cell) {
  if (!contains(cell)) {
    pressCell(cell, false);
    return;
  }
  current_ = cell;
  hasCurrent_ = true;
}

void CellSelection::clickDay(int day, HeaderClick how) {
  if (!hasCurrent_) how = HeaderClick::Alone;
  const DaySet selected{dayBits_};
  const bool wholeDays = HourSet{hourBits_}.all() && selected.any();
  select(clicked(selected, wholeDays, anchor_.day, day, how), ScheduleEdits::kAllHours);
  if (how != HeaderClick::ExtendRange) anchor_.day = day;
  current_ = {day, hasCurrent_ ? current_.hour : 0};
  hasCurrent_ = true;
}

void CellSelection::clickHour(int hour, HeaderClick how) {
  if (!hasCurrent_) how = HeaderClick::Alone;
  const HourSet selected{hourBits_};
  const bool wholeHours = DaySet{dayBits_}.all() && selected.any();
  select(ScheduleEdits::kAllDays, clicked(selected, wholeHours, anchor_.hour, hour, how));
  if (how != HeaderClick::ExtendRange) anchor_.hour = hour;
  current_ = {hasCurrent_ ? current_.day : 0, hour};
  hasCurrent_ = true;
}

void CellSelection::selectAll() {
  select(ScheduleEdits::kAllDays, ScheduleEdits::kAllHours);
}

void CellSelection::select(DaySet days, HourSet hours) {
  dayBits_ = static_cast<std::uint32_t>(days.to_ulong());
  hourBits_ = static_cast<std::uint32_t>(hours.to_ulong());
}

DaySet CellSelection::days() const {
  if (dayBits_ != 0 && hourBits_ != 0) return DaySet{dayBits_};
  return hasCurrent_ ? DaySet{}.set(current_.day) : DaySet{};
}

HourSet CellSelection::hours() const {
  if (dayBits_ != 0 && hourBits_ != 0) return HourSet{hourBits_};
  return hasCurrent_ ? HourSet{}.set(current_.hour) : HourSet{};
}

bool CellSelection::contains(CellAddress cell) const {
  return days().test(cell.day) && hours().test(cell.hour);
}

bool CellSelection::isEmpty() const {
  return days().none();
}

std::optional<CellRect> CellSelection::rectangle() const {
  const auto dayRun = run(days());
  const auto hourRun = run(hours());
  if (!dayRun || !hourRun) return std::nullopt;
  return CellRect{dayRun->first, hourRun->first, dayRun->second, hourRun->second};
}

std::optional<CellAddress> CellSelection::current() const {
  if (!hasCurrent_) return std::nullopt;
  return current_;
}
