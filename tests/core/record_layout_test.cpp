#include <gtest/gtest.h>

#include <string>

#include "record_bytes.h"
#include "usr_setting.h"

TEST(RecordLayout, WhenFreshThenAllOfItsBytesAreZero) {
  const _USR_SETTING_ record{};
  for (const auto byte : bytesOf(record)) ASSERT_EQ(byte, 0);
}

TEST(RecordLayout, WhenAScheduleCellIsSetThenItsByteIsAtDayTimes24PlusHourFrom147) {
  _USR_SETTING_ record{};
  scheduleCell(record, 0, 0) = 1;
  scheduleCell(record, 6, 23) = 2;
  scheduleCell(record, 2, 5) = 7;
  const auto bytes = bytesOf(record);
  EXPECT_EQ(bytes[147], 1);
  EXPECT_EQ(bytes[314], 2);
  EXPECT_EQ(bytes[147 + 24 * 2 + 5], 7);
}

TEST(RecordLayout, WhenFieldsAreSetThenTheyLandAtTheirOffsetsLowByteFirst) {
  _USR_SETTING_ record{};
  record.g_year = 0x07EA;
  record.g_second = 0x01020304;
  record.setting[static_cast<int>(SettingSlot::DateFormat)] = -1;
  record.alignment_byte = 0x5A;
  const auto bytes = bytesOf(record);
  EXPECT_EQ(bytes[316], 0xEA);
  EXPECT_EQ(bytes[317], 0x07);
  EXPECT_EQ(bytes[318], 0x00);
  EXPECT_EQ(bytes[336], 0x04);
  EXPECT_EQ(bytes[339], 0x01);
  EXPECT_EQ(bytes[146], 0xFF);
  EXPECT_EQ(bytes[315], 0x5A);
}

TEST(RecordLayout, WhenCopiedThenTheAlignmentByteTravelsWithTheRecord) {
  std::vector<std::uint8_t> image(kRecordSize, 0);
  image[315] = 0x99;
  const _USR_SETTING_ adopted = recordOf(image);
  const _USR_SETTING_ copy = adopted;
  EXPECT_EQ(bytesOf(copy)[315], 0x99);
}

TEST(ChoiceTables, WhenAskedThenEachSlotListsItsTextsUpToItsHighestIndex) {
  const int highest[kSlotCount] = {7, 2, 6, 1, 1, 1, 1, 1, 4, 2, 2};
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const auto s = static_cast<SettingSlot>(slot);
    EXPECT_EQ(highestChoice(s), highest[slot]) << "slot " << slot;
    EXPECT_EQ(choiceTexts(s).size(), static_cast<std::size_t>(highest[slot] + 1))
        << "slot " << slot;
  }
}

TEST(ChoiceTables, WhenReadThenTheTextsStandInTheirStoredOrder) {
  EXPECT_STREQ(choiceTexts(SettingSlot::Resolution)[0], "2880*2160 24F");
  EXPECT_STREQ(choiceTexts(SettingSlot::Resolution)[7], "1280*720 30F");
  EXPECT_STREQ(choiceTexts(SettingSlot::LoopLength)[2], "5Min");
  EXPECT_STREQ(choiceTexts(SettingSlot::Exposure)[0], "EV:-3");
  EXPECT_STREQ(choiceTexts(SettingSlot::Rotate)[0], "ON");
  EXPECT_STREQ(choiceTexts(SettingSlot::RecAudio)[1], "OFF");
  EXPECT_STREQ(choiceTexts(SettingSlot::PirInterval)[4], "5Min");
  EXPECT_STREQ(choiceTexts(SettingSlot::PirSensitivity)[2], "L");
  EXPECT_STREQ(choiceTexts(SettingSlot::DateFormat)[2], "DD/MM/YYYY");
}
