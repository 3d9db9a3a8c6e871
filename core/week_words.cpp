#include "week_words.h"

#include <cstring>
#include <vector>

#include "schedule_modes.h"

namespace {

constexpr const char* kDayShortNames[kDayCount] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// The runs of set positions of a bit set, each as "first–last" or "first" by the given names.
template <std::size_t N, class Name>
std::string runsOf(const std::bitset<N>& set, Name name) {
  std::string text;
  for (std::size_t first = 0; first < N; ++first) {
    if (!set[first]) continue;
    std::size_t last = first;
    while (last + 1 < N && set[last + 1]) ++last;
    text += (text.empty() ? "" : ", ") + name(first);
    if (last != first) text += kRunDash + name(last);
    first = last;
  }
  return text;
}

std::string modeWord(std::int8_t mode) {
  const ModeLook* look = lookOfMode(mode);
  return look ? look->word : "Unknown (" + std::to_string(mode) + ")";
}

std::string describeDay(const _day_schduce_& day) {
  std::string text;
  for (int first = 0; first < kHourCount; ++first) {
    int last = first;
    while (last + 1 < kHourCount && day.rec_motion_status[last + 1] == day.rec_motion_status[first])
      ++last;
    ScheduleEdits::HourSet hours = ScheduleEdits::hourRange(first, last);
    text += (text.empty() ? "" : ", ") + modeWord(day.rec_motion_status[first]) + " " +
            describeHours(hours);
    first = last;
  }
  return text;
}

}  // namespace

std::string describeDays(ScheduleEdits::DaySet days) {
  return runsOf(days, [](std::size_t day) { return std::string(kDayShortNames[day]); });
}

std::string describeHours(ScheduleEdits::HourSet hours) {
  if (hours.all()) return "all day";
  return runsOf(hours, [](std::size_t hour) { return std::to_string(hour); });
}

std::string describeWeek(const _week_schduce_& schedule) {
  const auto& days = schedule.week_schduce;
  std::string text;
  ScheduleEdits::DaySet described;
  for (int day = 0; day < kDayCount; ++day) {
    if (described[static_cast<std::size_t>(day)]) continue;
    ScheduleEdits::DaySet group;
    for (int other = day; other < kDayCount; ++other)
      if (std::memcmp(&days[day], &days[other], sizeof days[day]) == 0)
        group.set(static_cast<std::size_t>(other));
    described |= group;
    text +=
        (text.empty() ? "" : kGroupSeparator) + describeDays(group) + ": " + describeDay(days[day]);
  }
  return text;
}
