// What differs between two settings records: the menu choices and the hours of the schedule.
#pragma once

#include <array>
#include <vector>

#include "schedule_edits.h"

struct SettingChange {
  SettingSlot slot;
  int before;  // the choice in the first record
  int after;   // the choice in the second
};

struct RecordDifferences {
  std::vector<SettingChange> settings;  // in slot order
  // For each day (0 Monday), the hours whose modes differ.
  std::array<ScheduleEdits::HourSet, kDayCount> hours{};

  int hourCount() const;
  bool same() const { return settings.empty() && hourCount() == 0; }
};

// The choices and hours in which b differs from a. Save times, tags and filler are not
// settings and are not compared.
RecordDifferences compareRecords(const _USR_SETTING_& a, const _USR_SETTING_& b);
