// Two records compared, and a week told in words.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "record_bytes.h"
#include "record_compare.h"
#include "week_words.h"

namespace {

using Rows = std::array<std::string, kDayCount>;

const std::string kMotion(24, 'M');
const std::string kWorkDay = "MMMMMMMMCCCCCCCCCCCMMMMM";

_week_schduce_ weekOf(const Rows& rows) {
  _week_schduce_ week{};
  for (int day = 0; day < kDayCount; ++day)
    for (int hour = 0; hour < kHourCount; ++hour) {
      const auto mode = modeOfLetter(rows[day][hour]);
      week.week_schduce[day].rec_motion_status[hour] = mode ? std::int8_t{*mode} : std::int8_t{7};
    }
  return week;
}

}  // namespace

TEST(WeekWords, EqualDaysAreGroupedAndRunsOfHoursMerged) {
  const struct {
    const char* what;
    Rows rows;
    std::string line;
  } cases[] = {
      {"a week of work days and a weekend",
       {kWorkDay, kWorkDay, kWorkDay, kWorkDay, kWorkDay, kMotion, kMotion},
       "Mon–Fri: Motion 0–7, Continuous 8–18, Motion 19–23 · Sat–Sun: Motion all day"},
      {"one mode all week",
       {kMotion, kMotion, kMotion, kMotion, kMotion, kMotion, kMotion},
       "Mon–Sun: Motion all day"},
      {"equal days apart from each other share a group",
       {kMotion, kWorkDay, kMotion, kWorkDay, kMotion, kMotion, std::string(24, '-')},
       "Mon, Wed, Fri–Sat: Motion all day · Tue, Thu: Motion 0–7, Continuous 8–18, Motion 19–23 "
       "· Sun: Off all day"},
      {"a single hour and the last hour",
       {"-CMMMMMMMMMMMMMMMMMMMMM-", kMotion, kMotion, kMotion, kMotion, kMotion, kMotion},
       "Mon: Off 0, Continuous 1, Motion 2–22, Off 23 · Tue–Sun: Motion all day"},
      {"a byte that is no mode",
       {"??MMMMMMMMMMMMMMMMMMMMMM", kMotion, kMotion, kMotion, kMotion, kMotion, kMotion},
       "Mon: Unknown (7) 0–1, Motion 2–23 · Tue–Sun: Motion all day"},
  };
  for (const auto& spec : cases) {
    SCOPED_TRACE(spec.what);
    EXPECT_EQ(describeWeek(weekOf(spec.rows)), spec.line);
  }
}

TEST(RecordComparison, CountsTheChangedChoicesAndHoursButNotTheSaveTime) {
  const _USR_SETTING_ base = sealedRecord();
  _USR_SETTING_ changed = base;
  RecordCodec::sealRecord(changed, RecordCodec::LocalStampValue{2027, 1, 2, 3, 4, 5});
  EXPECT_TRUE(compareRecords(base, changed).same());

  changed.setting[4] = 1;
  for (int hour = 8; hour <= 18; ++hour) scheduleCell(changed, 0, hour) = Continuous;
  scheduleCell(changed, 6, 23) = Off;
  const RecordDifferences differences = compareRecords(base, changed);
  ASSERT_EQ(differences.settings.size(), 1u);
  EXPECT_EQ(differences.settings[0].slot, SettingSlot::Beep);
  EXPECT_EQ(differences.settings[0].before, 0);
  EXPECT_EQ(differences.settings[0].after, 1);
  EXPECT_EQ(differences.hourCount(), 12);
  EXPECT_FALSE(differences.same());
}
