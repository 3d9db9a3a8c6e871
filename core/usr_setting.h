// The settings record: the whole content of the settings file, byte for byte.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

static_assert(std::endian::native == std::endian::little,
              "the record's memory image is its little-endian file image");

// The eleven menu choices, by position in the record's setting array.
enum class SettingSlot : int {
  Resolution = 0,
  LoopLength,
  Exposure,
  Rotate,
  Beep,
  RecordLed,
  DisplayStatus,
  RecAudio,
  PirInterval,
  PirSensitivity,
  DateFormat,
};

// What the camera does in one hour of the weekly schedule.
enum ScheduleMode : std::int8_t { Off = 0, Continuous = 1, Motion = 2 };

inline constexpr int kSlotCount = 11;
inline constexpr int kDayCount = 7;
inline constexpr int kHourCount = 24;
inline constexpr std::size_t kRecordSize = 476;

struct _day_schduce_ {
  std::int8_t rec_motion_status[kHourCount];
};

struct _week_schduce_ {
  _day_schduce_ week_schduce[kDayCount];
};

struct _USR_SETTING_ {
  std::uint8_t check_begin[128];
  std::uint8_t check_begin_char[8];
  std::int8_t setting[kSlotCount];
  _week_schduce_ schduce_procce_ir;
  // The byte the 32-bit fields' alignment leaves at 315. It carries nothing, but it is a
  // named member so that copies and fresh records include it, as the file image does.
  std::uint8_t alignment_byte;
  std::uint32_t g_year;
  std::uint32_t g_month;
  std::uint32_t g_day;
  std::uint32_t g_hour;
  std::uint32_t g_min;
  std::uint32_t g_second;
  std::uint8_t check_end_char[8];
  std::uint8_t check_end[128];
};

static_assert(std::is_trivially_copyable_v<_USR_SETTING_>);
static_assert(std::is_standard_layout_v<_USR_SETTING_>);
static_assert(std::has_unique_object_representations_v<_USR_SETTING_>, "no hidden padding");
static_assert(sizeof(_USR_SETTING_) == kRecordSize);
static_assert(offsetof(_USR_SETTING_, check_begin) == 0);
static_assert(offsetof(_USR_SETTING_, check_begin_char) == 128);
static_assert(offsetof(_USR_SETTING_, setting) == 136);
static_assert(offsetof(_USR_SETTING_, schduce_procce_ir) == 147);
static_assert(offsetof(_USR_SETTING_, alignment_byte) == 315);
static_assert(offsetof(_USR_SETTING_, g_year) == 316);
static_assert(offsetof(_USR_SETTING_, g_month) == 320);
static_assert(offsetof(_USR_SETTING_, g_day) == 324);
static_assert(offsetof(_USR_SETTING_, g_hour) == 328);
static_assert(offsetof(_USR_SETTING_, g_min) == 332);
static_assert(offsetof(_USR_SETTING_, g_second) == 336);
static_assert(offsetof(_USR_SETTING_, check_end_char) == 340);
static_assert(offsetof(_USR_SETTING_, check_end) == 348);

// The highest valid choice index of a slot.
int highestChoice(SettingSlot slot);

// The choice texts of a slot; each text's position is the value stored for it.
std::span<const char* const> choiceTexts(SettingSlot slot);

// The camera always records sound: a save stores RecAudio as ON (0) whatever it held, and the
// editors offer no other choice.
inline constexpr SettingSlot kAlwaysSavedSlot = SettingSlot::RecAudio;
inline constexpr std::int8_t kAlwaysSavedChoice = 0;
// The choice a save stores for a slot that holds this one.
inline std::int8_t savedChoice(SettingSlot slot, std::int8_t choice) {
  return slot == kAlwaysSavedSlot ? kAlwaysSavedChoice : choice;
}
// Gives every slot the choice a save stores for it.
inline void storeSavedChoices(_USR_SETTING_& record) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    record.setting[slot] = savedChoice(static_cast<SettingSlot>(slot), record.setting[slot]);
}

// The choice stored for a drop-down's selected item: no selection (-1) is the byte 0xFF, "no
// choice", which the camera ignores.
inline std::int8_t choiceOfSelection(long selection) {
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(selection & 0xFF));
}

// The schedule byte of day (0 Monday .. 6 Sunday) and hour (0 .. 23); callers keep within range.
inline std::int8_t& scheduleCell(_USR_SETTING_& record, int day, int hour) {
  return record.schduce_procce_ir.week_schduce[day].rec_motion_status[hour];
}
