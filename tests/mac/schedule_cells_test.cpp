#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "schedule_cells.h"

TEST(ColumnIdentifiers, WhenAnIdentifierIsReadThenBlanksSignsAndTrailingTextActAsIntValue) {
  EXPECT_EQ(readIdentifierNumber("1"), 1);
  EXPECT_EQ(readIdentifierNumber("24"), 24);
  EXPECT_EQ(readIdentifierNumber("  7"), 7);
  EXPECT_EQ(readIdentifierNumber("\t\n7"), 7);
  EXPECT_EQ(readIdentifierNumber("07"), 7);
  EXPECT_EQ(readIdentifierNumber("7am"), 7);
  EXPECT_EQ(readIdentifierNumber("+7"), 7);
  EXPECT_EQ(readIdentifierNumber("-3"), -3);
}

TEST(ColumnIdentifiers, WhenAnIdentifierHasNoLeadingDigitsThenItReadsAsZero) {
  EXPECT_EQ(readIdentifierNumber(""), 0);
  EXPECT_EQ(readIdentifierNumber("hour"), 0);
  EXPECT_EQ(readIdentifierNumber("h7"), 0);
  EXPECT_EQ(readIdentifierNumber("-"), 0);
  EXPECT_EQ(readIdentifierNumber("+ 7"), 0);
}

TEST(ColumnIdentifiers, WhenAnIdentifierIsBeyondTheIntRangeThenItReadsAsTheNearestEnd) {
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(readIdentifierNumber("2147483647"), kMax);
  EXPECT_EQ(readIdentifierNumber("2147483648"), kMax);
  EXPECT_EQ(readIdentifierNumber("99999999999999999999999"), kMax);
  EXPECT_EQ(readIdentifierNumber("-2147483648"), kMin);
  EXPECT_EQ(readIdentifierNumber("-99999999999999999999999"), kMin);
}

TEST(CellAddresses, WhenTheRowIsADayAndTheColumnAnHourThenTheCellNamesThatByte) {
  _USR_SETTING_ record{};
  for (int day = 0; day < kDayCount; ++day) {
    for (int identifier = 1; identifier <= kHourCount; ++identifier) {
      const auto cell = cellAddress(day, identifier);
      ASSERT_TRUE(cell) << day << " " << identifier;
      EXPECT_EQ(cell->day, day);
      EXPECT_EQ(cell->hour, identifier - 1);
    }
  }
  const auto sundayLate = cellAddress(6, readIdentifierNumber("24"));
  ASSERT_TRUE(sundayLate);
  const auto* base = reinterpret_cast<const std::uint8_t*>(&record);
  const auto* byte = reinterpret_cast<const std::uint8_t*>(
      &scheduleCell(record, sundayLate->day, sundayLate->hour));
  EXPECT_EQ(byte - base, 314);
}

TEST(CellAddresses, WhenTheRowOrTheColumnLiesOutsideTheScheduleThenTheCellNamesNothing) {
  EXPECT_FALSE(cellAddress(7, 1));
  EXPECT_FALSE(cellAddress(-1, 1));
  EXPECT_FALSE(cellAddress(std::numeric_limits<std::int64_t>::min(), 1));
  EXPECT_FALSE(cellAddress(0, 0));
  EXPECT_FALSE(cellAddress(0, 25));
  EXPECT_FALSE(cellAddress(0, -1));
  EXPECT_FALSE(cellAddress(0, std::numeric_limits<std::int32_t>::min()));
  EXPECT_FALSE(cellAddress(0, readIdentifierNumber("day")));
}

TEST(CellLetters, WhenAStoredByteIsAModeThenItShowsItsLetterAndAnythingElseShowsM) {
  const struct {
    std::int32_t stored;
    const char* shown;
  } rows[] = {
      {Off, "O"}, {Continuous, "C"}, {Motion, "M"}, {7, "M"}, {static_cast<std::int8_t>(200), "M"},
      {-1, "M"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stored);
    EXPECT_STREQ(kModeLooks[static_cast<std::size_t>(letterIndexOfMode(row.stored))].macLetter,
                 row.shown);
  }
}

TEST(CellLetters, WhenACellIsTypedThenAModesLetterInEitherCaseCountsAndAnythingElseIsRefused) {
  EXPECT_EQ(modeOfCellText("O"), Off);
  EXPECT_EQ(modeOfCellText("o"), Off);
  EXPECT_EQ(modeOfCellText("-"), Off);
  EXPECT_EQ(modeOfCellText("C"), Continuous);
  EXPECT_EQ(modeOfCellText("c"), Continuous);
  EXPECT_EQ(modeOfCellText("M"), Motion);
  EXPECT_EQ(modeOfCellText("m"), Motion);
  EXPECT_EQ(modeOfCellText("x"), std::nullopt);
  EXPECT_EQ(modeOfCellText("Off"), std::nullopt);
  EXPECT_EQ(modeOfCellText(" C"), std::nullopt);
  EXPECT_EQ(modeOfCellText("C "), std::nullopt);
  EXPECT_EQ(modeOfCellText(""), std::nullopt);
  EXPECT_EQ(modeOfCellText(std::nullopt), std::nullopt);
  EXPECT_EQ(modeOfCellText(std::string("C\0", 2)), std::nullopt);
}

TEST(CellLetters, WhenCellsAreCopiedThenThePasteboardHoldsTheLettersTheTableShowsAndPastesBack) {
  ScheduleEdits::Week week{};
  week.week_schduce[1].rec_motion_status[22] = Continuous;
  week.week_schduce[1].rec_motion_status[23] = Motion;
  week.week_schduce[2].rec_motion_status[0] = 7;    // no mode: shown, and copied, as M
  const ScheduleEdits::CellRect rect{1, 22, 2, 3};  // hours 22, 23 and 0 of Tuesday, Wednesday
  const std::string text = copyTextAsShown(week, rect);
  EXPECT_EQ(text, "C\tM\tO\nO\tO\tM\n");
  const ScheduleEdits::ParsedBlock parsed = ScheduleEdits::parseText(text);
  ASSERT_TRUE(parsed.block) << parsed.error.message;
  EXPECT_EQ(parsed.block->cells,
            (std::vector<ScheduleMode>{Continuous, Motion, Off, Off, Off, Motion}));
}
