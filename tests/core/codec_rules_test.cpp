#include <gtest/gtest.h>

#include <array>
#include <string>

#include "record_bytes.h"

using namespace RecordCodec;

namespace {

std::string decodeTag(const std::vector<std::uint8_t>& bytes, std::size_t offset, int shift) {
  std::string text;
  for (std::size_t i = 0; i < 7; ++i) text += static_cast<char>(bytes[offset + i] - shift);
  return text;
}

std::array<std::uint8_t, kRecordSize> imageOf(const _USR_SETTING_& record) {
  std::array<std::uint8_t, kRecordSize> image{};
  std::memcpy(image.data(), &record, image.size());
  return image;
}

}  // namespace

TEST(Defaults, WhenFilledForWindowsThenLoopIsFiveMinutesAndEveryHourIsMotion) {
  _USR_SETTING_ record{};
  fillDefault(record, windowsProfile);
  const auto bytes = bytesOf(record);
  const std::vector<std::uint8_t> slots(bytes.begin() + 136, bytes.begin() + 147);
  EXPECT_EQ(slots, (std::vector<std::uint8_t>{3, 2, 3, 1, 0, 0, 0, 0, 1, 0, 1}));
  for (std::size_t i = 147; i <= 314; ++i) ASSERT_EQ(bytes[i], 2) << i;
}

TEST(Defaults, WhenFilledForMacThenLoopIsThreeMinutes) {
  _USR_SETTING_ record{};
  fillDefault(record, macProfile);
  const auto bytes = bytesOf(record);
  const std::vector<std::uint8_t> slots(bytes.begin() + 136, bytes.begin() + 147);
  EXPECT_EQ(slots, (std::vector<std::uint8_t>{3, 1, 3, 1, 0, 0, 0, 0, 1, 0, 1}));
}

TEST(Defaults, WhenFilledThenFillerTagsStampAndAlignmentByteAreUntouched) {
  _USR_SETTING_ record = sealedRecord();
  record.alignment_byte = 0x77;
  const auto before = bytesOf(record);
  record.setting[0] = 5;
  fillDefault(record, windowsProfile);
  const auto after = bytesOf(record);
  for (std::size_t i = 0; i < kRecordSize; ++i) {
    if (i >= 136 && i <= 314) continue;
    ASSERT_EQ(after[i], before[i]) << "offset " << i;
  }
}

TEST(Clamping, WhenAChoiceIsAboveItsHighestThenItIsLoweredToIt) {
  _USR_SETTING_ record{};
  record.setting[static_cast<int>(SettingSlot::Resolution)] = 9;
  record.setting[static_cast<int>(SettingSlot::PirInterval)] = 127;
  clampSettings(record);
  EXPECT_EQ(record.setting[static_cast<int>(SettingSlot::Resolution)], 7);
  EXPECT_EQ(record.setting[static_cast<int>(SettingSlot::PirInterval)], 4);
}

TEST(Clamping, WhenAChoiceIsInRangeOrNegativeThenItStays) {
  _USR_SETTING_ record{};
  record.setting[static_cast<int>(SettingSlot::Exposure)] = 6;
  record.setting[static_cast<int>(SettingSlot::Resolution)] = -1;
  record.setting[static_cast<int>(SettingSlot::Beep)] = -128;
  clampSettings(record);
  EXPECT_EQ(record.setting[static_cast<int>(SettingSlot::Exposure)], 6);
  EXPECT_EQ(record.setting[static_cast<int>(SettingSlot::Resolution)], -1);
  EXPECT_EQ(record.setting[static_cast<int>(SettingSlot::Beep)], -128);
}

TEST(TagCheck, WhenBothTagsDecodeThenTheImageIsValidWhateverTheTerminatorBytes) {
  auto image = imageOf(sealedRecord());
  EXPECT_TRUE(hasValidTags(image));
  image[135] = 0xAB;
  image[347] = 0x00;
  EXPECT_TRUE(hasValidTags(image));
}

TEST(TagCheck, WhenAnyOfTheFourteenLettersIsWrongThenTheImageIsRejected) {
  const auto good = imageOf(sealedRecord());
  for (std::size_t offset : {128u, 131u, 134u, 340u, 343u, 346u}) {
    auto image = good;
    image[offset] ^= 0x20;
    EXPECT_FALSE(hasValidTags(image)) << "offset " << offset;
  }
}

TEST(TagCheck, WhenCheckingThenTheImageIsNotChanged) {
  const auto good = imageOf(sealedRecord());
  auto image = good;
  hasValidTags(image);
  EXPECT_EQ(image, good);
}

TEST(Sealing, WhenSealedThenFillerLiesInItsRangesAndTagsDecode) {
  _USR_SETTING_ record{};
  sealRecord(record, LocalStampValue{2026, 12, 31, 23, 59, 58});
  const auto bytes = bytesOf(record);
  for (std::size_t i = 0; i < 128; ++i) {
    ASSERT_GE(bytes[i], 86);
    ASSERT_LE(bytes[i], 116);
  }
  for (std::size_t i = 348; i < 476; ++i) {
    ASSERT_GE(bytes[i], 51);
    ASSERT_LE(bytes[i], 117);
  }
  EXPECT_EQ(bytes[135], 21);
  EXPECT_EQ(bytes[347], 13);
  EXPECT_EQ(decodeTag(bytes, 128, 21), "Tambrel");
  EXPECT_EQ(decodeTag(bytes, 340, 13), "Vorplex");
  EXPECT_EQ(record.g_year, 2026u);
  EXPECT_EQ(record.g_month, 12u);
  EXPECT_EQ(record.g_day, 31u);
  EXPECT_EQ(record.g_hour, 23u);
  EXPECT_EQ(record.g_min, 59u);
  EXPECT_EQ(record.g_second, 58u);
}

TEST(Sealing, WhenThereIsNoStampThenTheDateIsZeroAndTheTimeIsAllOnes) {
  _USR_SETTING_ record{};
  sealRecord(record, std::nullopt);
  EXPECT_EQ(record.g_year, 0u);
  EXPECT_EQ(record.g_month, 0u);
  EXPECT_EQ(record.g_day, 0u);
  EXPECT_EQ(record.g_hour, 0xFFFFFFFFu);
  EXPECT_EQ(record.g_min, 0xFFFFFFFFu);
  EXPECT_EQ(record.g_second, 0xFFFFFFFFu);
}

TEST(Sealing, WhenSealedThenChoicesScheduleAndAlignmentByteAreKept) {
  _USR_SETTING_ record{};
  fillDefault(record, macProfile);
  record.setting[0] = 9;
  scheduleCell(record, 3, 3) = 7;
  record.alignment_byte = 0x42;
  sealRecord(record, std::nullopt);
  EXPECT_EQ(record.setting[0], 9);
  EXPECT_EQ(scheduleCell(record, 3, 3), 7);
  EXPECT_EQ(record.alignment_byte, 0x42);
}

TEST(LocalTime, WhenTakenThenTheStampIsAPlausibleCalendarDate) {
  const LocalStamp stamp = localStampNow();
  ASSERT_TRUE(stamp.has_value());
  EXPECT_GE(stamp->year, 2024u);
  EXPECT_GE(stamp->month, 1u);
  EXPECT_LE(stamp->month, 12u);
  EXPECT_GE(stamp->day, 1u);
  EXPECT_LE(stamp->day, 31u);
  EXPECT_LE(stamp->hour, 23u);
  EXPECT_LE(stamp->minute, 59u);
  EXPECT_LE(stamp->second, 60u);
}
