#include "record_compare.h"

int RecordDifferences::hourCount() const {
  int count = 0;
  for (const auto& day : hours) count += static_cast<int>(day.count());
  return count;
}

RecordDifferences compareRecords(const _USR_SETTING_& a, const _USR_SETTING_& b) {
  RecordDifferences differences;
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (a.setting[slot] != b.setting[slot])
      differences.settings.push_back(
          {static_cast<SettingSlot>(slot), a.setting[slot], b.setting[slot]});
  for (int day = 0; day < kDayCount; ++day)
    for (int hour = 0; hour < kHourCount; ++hour)
      if (a.schduce_procce_ir.week_schduce[day].rec_motion_status[hour] !=
          b.schduce_procce_ir.week_schduce[day].rec_motion_status[hour])
        differences.hours[static_cast<std::size_t>(day)].set(static_cast<std::size_t>(hour));
  return differences;
}
