#include <gtest/gtest.h>

#include "clock_pattern.h"
#include "usr_setting.h"

TEST(ClockPattern, WhenEachDateFormatIsChosenThenTheClockShowsTheCalendarYearAndTheDayOfMonth) {
  const auto formats = choiceTexts(SettingSlot::DateFormat);
  ASSERT_EQ(formats.size(), 3u);
  EXPECT_EQ(clockPattern(formats[0]), "yyyy/MM/dd HH:mm:ss");
  EXPECT_EQ(clockPattern(formats[1]), "MM/dd/yyyy HH:mm:ss");
  EXPECT_EQ(clockPattern(formats[2]), "dd/MM/yyyy HH:mm:ss");
}

TEST(ClockPattern, WhenTheTextRepeatsAPartThenEveryOccurrenceIsRewrittenWithoutOverlap) {
  EXPECT_EQ(clockPattern("DDD"), "ddD HH:mm:ss");
  EXPECT_EQ(clockPattern("YYYYYY DDDD"), "yyyyYY dddd HH:mm:ss");
}

TEST(ClockPattern, WhenTheTextHoldsNoDatePartsThenItIsKeptAndTheTimeFollows) {
  EXPECT_EQ(clockPattern(""), " HH:mm:ss");
  EXPECT_EQ(clockPattern("MM-yy"), "MM-yy HH:mm:ss");
  // Only the upper-case forms are the user's spelling of year and day.
  EXPECT_EQ(clockPattern("yyyy/mm/dd"), "yyyy/mm/dd HH:mm:ss");
}
