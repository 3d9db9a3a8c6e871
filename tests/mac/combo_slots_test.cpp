#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "combo_slots.h"

TEST(ComboSlots, WhenTheWindowIsWiredThenEachSlotHasItsOwnNumberedComboBox) {
  EXPECT_EQ(kComboOfSlot[static_cast<int>(SettingSlot::Resolution)], 1);
  EXPECT_EQ(kComboOfSlot[static_cast<int>(SettingSlot::Rotate)], 4);
  EXPECT_EQ(kComboOfSlot[static_cast<int>(SettingSlot::PirInterval)], 5);
  EXPECT_EQ(kComboOfSlot[static_cast<int>(SettingSlot::Beep)], 6);
  EXPECT_EQ(kComboOfSlot[static_cast<int>(SettingSlot::RecAudio)], 9);
  EXPECT_EQ(kComboOfSlot[static_cast<int>(SettingSlot::PirSensitivity)], 10);
  EXPECT_EQ(kComboOfSlot[static_cast<int>(SettingSlot::DateFormat)], 11);
  const std::set<int> numbers(kComboOfSlot.begin(), kComboOfSlot.end());
  EXPECT_EQ(numbers, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(ComboSlots, WhenAStoredByteIsAboveTheSignedRangeThenItAsksForANegativeItem) {
  EXPECT_EQ(comboIndexOfChoice(3), 3);
  EXPECT_EQ(comboIndexOfChoice(static_cast<std::int8_t>(200)), -56);
  EXPECT_EQ(comboIndexOfChoice(static_cast<std::int8_t>(0xFF)), -1);
}

TEST(ComboSlots, WhenAChoiceNamesNoItemThenTheComboBoxShowsNoSelection) {
  EXPECT_TRUE(comboHasItem(0, 3));
  EXPECT_TRUE(comboHasItem(2, 3));
  EXPECT_FALSE(comboHasItem(3, 3));
  EXPECT_FALSE(comboHasItem(-1, 3));
  EXPECT_FALSE(comboHasItem(-56, 8));
}

TEST(ComboSlots, WhenAComboBoxHasNoSelectionThenItsSlotIsStoredAs0xFF) {
  EXPECT_EQ(static_cast<std::uint8_t>(choiceOfSelection(-1)), 0xFF);
  EXPECT_EQ(choiceOfSelection(0), 0);
  EXPECT_EQ(choiceOfSelection(7), 7);
  // Only the low eight bits of an index are kept.
  EXPECT_EQ(choiceOfSelection(258), 2);
}

TEST(ComboSlots, WhenOKReadsAComboBoxThenOnlyTextThatNamesAChoiceIsSaved) {
  const std::vector<std::string_view> items = {"1Min", "3Min", "5Min"};
  struct Case {
    const char* text;
    long selected;
    std::optional<long> saved;
  };
  const Case cases[] = {
      {"3Min", 1, 1},             // the pick as shown
      {"5Min", 1, 2},             // an item's text typed over the pick
      {"4K", 1, std::nullopt},    // free text names no choice
      {"3min", 1, std::nullopt},  // nor does an item's text in another case
      {"", 1, std::nullopt},      // a pick whose text was cleared
      {"", -1, -1},               // a stored choice that names no item stays so
      {"4K", -1, std::nullopt},   // typed where nothing was picked
      {"1Min", -1, 0},            // an item typed where nothing was picked
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("text '") + c.text + "', selected " + std::to_string(c.selected));
    EXPECT_EQ(comboIndexOfText(c.text, items, c.selected), c.saved);
  }
}
