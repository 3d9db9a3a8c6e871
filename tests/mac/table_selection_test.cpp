#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "table_selection.h"

namespace {

std::vector<int> membersOf(const auto& bits) {
  std::vector<int> members;
  for (std::size_t at = 0; at < bits.size(); ++at)
    if (bits.test(at)) members.push_back(static_cast<int>(at));
  return members;
}

std::vector<int> upTo(int last, int first = 0) {
  std::vector<int> members;
  for (int at = first; at <= last; ++at) members.push_back(at);
  return members;
}

}  // namespace

TEST(TableSelections, WhenTheUserClicksThenTheSelectionMeansTheseDaysAndHours) {
  const struct {
    std::string clicks;
    std::function<void(TableSelection&)> make;
    std::vector<int> days;
    std::vector<int> hours;
  } specs[] = {
      {"nothing clicked", [](TableSelection&) {}, {}, {}},
      {"a press on a cell",
       [](TableSelection& s) {
         s.pressCell({2, 5}, false);
       },
       {2},
       {5}},
      {"a drag from Monday 8:00 to Friday 18:00",
       [](TableSelection& s) {
         s.pressCell({0, 8}, false);
         s.dragTo({4, 18});
       },
       upTo(4), upTo(18, 8)},
      {"a drag up and to the left",
       [](TableSelection& s) {
         s.pressCell({4, 18}, false);
         s.dragTo({0, 8});
       },
       upTo(4), upTo(18, 8)},
      {"a Shift+press after a press",
       [](TableSelection& s) {
         s.pressCell({1, 3}, false);
         s.pressCell({2, 1}, true);
       },
       {1, 2},
       {1, 2, 3}},
      {"an hour's header",
       [](TableSelection& s) { s.clickHour(0, HeaderClick::Alone); },
       upTo(6),
       {0}},
      {"hour 0's header, then Shift on hour 5's",
       [](TableSelection& s) {
         s.clickHour(0, HeaderClick::Alone);
         s.clickHour(5, HeaderClick::ExtendRange);
       },
       upTo(6), upTo(5)},
      {"hours 2 and 9 with Command",
       [](TableSelection& s) {
         s.clickHour(2, HeaderClick::Alone);
         s.clickHour(9, HeaderClick::Toggle);
       },
       upTo(6),
       {2, 9}},
      {"Saturday, then Shift on Sunday",
       [](TableSelection& s) {
         s.clickDay(5, HeaderClick::Alone);
         s.clickDay(6, HeaderClick::ExtendRange);
       },
       {5, 6},
       upTo(23)},
      {"Monday and Wednesday with Command",
       [](TableSelection& s) {
         s.clickDay(0, HeaderClick::Alone);
         s.clickDay(2, HeaderClick::Toggle);
       },
       {0, 2},
       upTo(23)},
      {"the only day taken back with Command leaves the cell last clicked",
       [](TableSelection& s) {
         s.pressCell({3, 7}, false);
         s.clickDay(4, HeaderClick::Alone);
         s.clickDay(4, HeaderClick::Toggle);
       },
       {4},
       {7}},
      {"Shift on a day as the first click selects that day alone",
       [](TableSelection& s) { s.clickDay(3, HeaderClick::ExtendRange); },
       {3},
       upTo(23)},
      {"a day after hours selects the day, not the hours",
       [](TableSelection& s) {
         s.clickHour(4, HeaderClick::Alone);
         s.clickDay(1, HeaderClick::Toggle);
       },
       {1},
       upTo(23)},
      {"Select All", [](TableSelection& s) { s.selectAll(); }, upTo(6), upTo(23)},
      {"a right click inside the selection keeps it",
       [](TableSelection& s) {
         s.clickDay(2, HeaderClick::Alone);
         s.contextClick({2, 20});
       },
       {2},
       upTo(23)},
      {"a right click outside the selection selects the cell",
       [](TableSelection& s) {
         s.clickDay(2, HeaderClick::Alone);
         s.contextClick({6, 20});
       },
       {6},
       {20}},
  };
  for (const auto& spec : specs) {
    SCOPED_TRACE(spec.clicks);
    TableSelection selection{};
    spec.make(selection);
    EXPECT_EQ(membersOf(selection.days()), spec.days);
    EXPECT_EQ(membersOf(selection.hours()), spec.hours);
    EXPECT_EQ(selection.isEmpty(), spec.days.empty());
  }
}

TEST(TableSelections, WhenTheCellsFormOneBlockThenCopyTakesItAndOtherwiseNone) {
  TableSelection selection{};
  EXPECT_FALSE(selection.rectangle());

  selection.pressCell({0, 8}, false);
  selection.dragTo({4, 18});
  const auto block = selection.rectangle();
  ASSERT_TRUE(block);
  EXPECT_EQ(block->day, 0);
  EXPECT_EQ(block->hour, 8);
  EXPECT_EQ(block->days, 5);
  EXPECT_EQ(block->hours, 11);

  selection.clickDay(0, HeaderClick::Alone);
  selection.clickDay(2, HeaderClick::Toggle);
  EXPECT_FALSE(selection.rectangle()) << "Monday and Wednesday are no block";
}

TEST(TableSelections, WhenCellsOrHeadersAreClickedThenTheCurrentCellIsTheLastOneClicked) {
  TableSelection selection{};
  EXPECT_FALSE(selection.current());
  selection.pressCell({1, 8}, false);
  selection.dragTo({4, 18});
  ASSERT_TRUE(selection.current());
  EXPECT_EQ(selection.current()->day, 1) << "a drag keeps the pressed cell current";
  EXPECT_EQ(selection.current()->hour, 8);
  selection.clickDay(5, HeaderClick::Alone);
  EXPECT_EQ(selection.current()->day, 5);
  EXPECT_EQ(selection.current()->hour, 8);
  selection.contextClick({5, 20});
  EXPECT_EQ(selection.current()->hour, 20);
  EXPECT_TRUE(selection.contains({5, 0})) << "the right click kept Saturday selected";
}
