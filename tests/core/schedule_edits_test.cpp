#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "schedule_edits.h"

using namespace ScheduleEdits;

namespace {

// The week as seven rows of 24 letters, Monday first.
std::array<std::string, kDayCount> rowsOf(const Week& week) {
  std::array<std::string, kDayCount> rows;
  for (int day = 0; day < kDayCount; ++day) {
    for (int hour = 0; hour < kHourCount; ++hour) {
      rows[day] += modeLetter(week.week_schduce[day].rec_motion_status[hour]);
    }
  }
  return rows;
}

Week weekOf(ScheduleMode mode) {
  Week week{};
  fillWeek(week, mode);
  return week;
}

const std::string kAllMotion(24, 'M');

// One line of count Motion cells.
std::string tabbedMotion(int count) {
  std::string line = "M";
  for (int i = 1; i < count; ++i) line += "\tM";
  return line;
}

}  // namespace

TEST(HourRanges, WhenTheLastHourIsBeforeTheFirstThenTheRangeWrapsPastMidnight) {
  struct {
    int first, last;
    std::string expect;  // hour 0 first
  } specs[] = {
      {8, 18, "000000001111111111100000"},
      {22, 5, "111111000000000000000011"},
      {7, 7, "000000010000000000000000"},
      {0, 23, "111111111111111111111111"},
  };
  for (const auto& spec : specs) {
    SCOPED_TRACE(std::to_string(spec.first) + "-" + std::to_string(spec.last));
    std::string bits = hourRange(spec.first, spec.last).to_string();
    EXPECT_EQ(std::string(bits.rbegin(), bits.rend()), spec.expect);
  }
  EXPECT_EQ(dayRange(0, 4), kWorkDays);
  EXPECT_EQ(dayRange(5, 6).count(), 2u);
}

TEST(CellEdits, WhenARectangleIsSetThenOnlyItsCellsChange) {
  Week week = weekOf(Motion);
  setCells(week, kWorkDays, hourRange(8, 18), Continuous);
  setCells(week, dayRange(6, 6), hourRange(22, 1), Off);
  const std::string workday = "MMMMMMMMCCCCCCCCCCCMMMMM";
  EXPECT_EQ(rowsOf(week),
            (std::array<std::string, kDayCount>{workday, workday, workday, workday, workday,
                                                kAllMotion, "--MMMMMMMMMMMMMMMMMMMM--"}));
}

TEST(CellEdits, WhenADayIsCopiedThenTheTargetDaysTakeItsHoursAndTheOthersKeepTheirs) {
  Week week = weekOf(Motion);
  setCells(week, dayRange(2, 2), hourRange(0, 3), Off);
  copyDay(week, 2, kWorkDays);
  const std::string copied = "----MMMMMMMMMMMMMMMMMMMM";
  EXPECT_EQ(rowsOf(week), (std::array<std::string, kDayCount>{copied, copied, copied, copied,
                                                              copied, kAllMotion, kAllMotion}));
  fillWeek(week, Continuous);
  EXPECT_EQ(rowsOf(week)[5], std::string(24, 'C'));
}

TEST(Letters, WhenReadThenEitherCaseAndBothOffLettersCountAndNothingElseDoes) {
  struct {
    char letter;
    std::optional<ScheduleMode> expect;
  } specs[] = {{'-', Off},          {'o', Off},         {'O', Off},    {'c', Continuous},
               {'C', Continuous},   {'m', Motion},      {'M', Motion}, {'x', std::nullopt},
               {' ', std::nullopt}, {'0', std::nullopt}};
  for (const auto& spec : specs) {
    SCOPED_TRACE(std::string(1, spec.letter));
    EXPECT_EQ(modeOfLetter(spec.letter), spec.expect);
  }
  EXPECT_EQ(modeLetter(7), '?');
}

TEST(Letters, WhenModesAreNamedThenWordsAndBothLettersAreReadAndMessagesListThemOnce) {
  const struct {
    std::string text;
    std::optional<ScheduleMode> byWord, byText;
  } rows[] = {{"off", Off, std::nullopt},
              {"CONTINUOUS", Continuous, std::nullopt},
              {"Motion", Motion, std::nullopt},
              {"o", std::nullopt, Off},
              {"-", std::nullopt, Off},
              {"m", std::nullopt, Motion},
              {"", std::nullopt, std::nullopt},
              {"CC", std::nullopt, std::nullopt},
              {"motions", std::nullopt, std::nullopt}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(modeOfWord(row.text), row.byWord);
    EXPECT_EQ(modeOfText(row.text), row.byText);
  }
  EXPECT_EQ(modeLettersText(), "-, O, C or M");
  EXPECT_EQ(modeWordsText(), "off, continuous or motion");
}

TEST(Spans, WhenASelectionRunsFromOneCellToAnotherThenItSpansBothInEitherOrderAndPastesAtItsFirst) {
  const struct {
    Cell from, to;
    DaySet days;
    HourSet hours;
  } rows[] = {{{0, 0}, {0, 0}, dayRange(0, 0), hourRange(0, 0)},
              {{5, 22}, {2, 3}, dayRange(2, 5), hourRange(3, 22)},
              {{1, 23}, {6, 0}, dayRange(1, 6), kAllHours}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.from.day << "," << row.from.hour);
    EXPECT_EQ(daysBetween(row.from.day, row.to.day), row.days);
    EXPECT_EQ(hoursBetween(row.from.hour, row.to.hour), row.hours);
    const auto origin = pasteOrigin(row.days, row.hours);
    ASSERT_TRUE(origin);
    EXPECT_EQ(*origin,
              (Cell{std::min(row.from.day, row.to.day), std::min(row.from.hour, row.to.hour)}));
  }
  EXPECT_EQ(pasteOrigin(DaySet{}.set(6).set(2), HourSet{}.set(20).set(9)), (Cell{2, 9}));
  EXPECT_FALSE(pasteOrigin(DaySet{}, kAllHours));
  EXPECT_FALSE(pasteOrigin(kAllDays, HourSet{}));
}

TEST(ClipboardText, WhenARectangleIsCopiedThenEachDayIsALineOfTabSeparatedLetters) {
  Week week = weekOf(Motion);
  setCells(week, dayRange(1, 1), hourRange(23, 0), Off);
  setCells(week, dayRange(2, 2), hourRange(0, 0), Continuous);
  EXPECT_EQ(copyText(week, CellRect{1, 22, 2, 3}), "M\t-\t-\nM\tM\tC\n");
}

TEST(ClipboardText, WhenCopiedTextIsReadBackThenItPastesTheSameCells) {
  Week source = weekOf(Motion);
  setCells(source, dayRange(0, 1), hourRange(3, 4), Continuous);
  setCells(source, dayRange(1, 1), hourRange(5, 5), Off);
  const auto parsed = parseText(copyText(source, CellRect{0, 3, 2, 3}));
  ASSERT_TRUE(parsed.block) << parsed.error.message;
  EXPECT_EQ(parsed.block->days, 2);
  EXPECT_EQ(parsed.block->hours, 3);

  Week target = weekOf(Off);
  EXPECT_EQ(pasteBlock(target, *parsed.block, 5, 21), std::nullopt);
  EXPECT_EQ(rowsOf(target)[5], "---------------------CCM");
  EXPECT_EQ(rowsOf(target)[6], "---------------------CC-");
}

TEST(ClipboardText, WhenTheTextIsNoBlockThenTheFirstFaultIsNamedByLineAndColumn) {
  struct {
    std::string text;
    int line, column;
  } specs[] = {
      {"", 1, 1},
      {"C\tX\tM", 1, 2},
      {"C\tM\r\nC\tCC\n", 2, 2},
      {"C\tM\nC\n", 2, 1},
      {"C\tM\n\nC\tM", 2, 1},
      {"C\nC\nC\nC\nC\nC\nC\nC", 8, 1},
      {tabbedMotion(kHourCount + 1), 1, 25},
  };
  for (const auto& spec : specs) {
    SCOPED_TRACE(spec.text);
    const auto parsed = parseText(spec.text);
    EXPECT_FALSE(parsed.block);
    EXPECT_EQ(parsed.error.line, spec.line);
    EXPECT_EQ(parsed.error.column, spec.column);
    EXPECT_FALSE(parsed.error.message.empty());
  }
}

TEST(ClipboardText, WhenABlockWouldReachPastTheWeekThenThePasteChangesNothing) {
  const auto parsed = parseText("c\tm\no\tc");
  ASSERT_TRUE(parsed.block);
  Week week = weekOf(Motion);
  EXPECT_TRUE(pasteBlock(week, *parsed.block, 6, 0));
  EXPECT_TRUE(pasteBlock(week, *parsed.block, 0, 23));
  EXPECT_EQ(rowsOf(week), rowsOf(weekOf(Motion)));
}

TEST(UndoHistory, WhenUndoneAndRedoneThenTheStatesComeBackInOrder) {
  History history;
  Week week = weekOf(Motion);
  history.remember(week);
  fillWeek(week, Off);
  history.remember(week);
  fillWeek(week, Continuous);

  EXPECT_TRUE(history.undo(week));
  EXPECT_EQ(rowsOf(week)[0], std::string(24, '-'));
  EXPECT_TRUE(history.undo(week));
  EXPECT_EQ(rowsOf(week)[0], kAllMotion);
  EXPECT_FALSE(history.undo(week));
  EXPECT_EQ(rowsOf(week)[0], kAllMotion);

  EXPECT_TRUE(history.redo(week));
  EXPECT_EQ(rowsOf(week)[0], std::string(24, '-'));
  history.remember(week);  // a new change forgets what could be redone
  EXPECT_FALSE(history.canRedo());
}

TEST(UndoHistory, WhenMoreChangesThanItsLimitAreMadeThenOnlyTheNewestCanBeUndone) {
  History history(2);
  Week week = weekOf(Off);
  for (ScheduleMode next : {Continuous, Motion, Off}) {
    history.remember(week);
    fillWeek(week, next);
  }
  EXPECT_TRUE(history.undo(week));
  EXPECT_TRUE(history.undo(week));
  EXPECT_EQ(rowsOf(week)[0], std::string(24, 'C'));
  EXPECT_FALSE(history.undo(week));
}
