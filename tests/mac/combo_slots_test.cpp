#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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
  EXPECT_EQ(static_cast<std::uint8_t>(choiceOfComboIndex(-1)), 0xFF);
  EXPECT_EQ(choiceOfComboIndex(0), 0);
  EXPECT_EQ(choiceOfComboIndex(7), 7);
  // Only the low eight bits of an index are kept.
  EXPECT_EQ(choiceOfComboIndex(258), 2);
}
