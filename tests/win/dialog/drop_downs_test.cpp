// The drop-downs show the loaded record: each filled with its slot's choices in order and set to
// the slot's value, lowered when too high, and without a selection when negative. They are
// lists to pick from: keys pick choices, and what a field shows is what is saved.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "PellinDlg.h"
#include "desktop_settings.h"
#include "dialog_script.h"

namespace {

struct SlotControl {
  SettingSlot slot;
  int id;
};

const std::vector<SlotControl> kSlotControls = {
    {SettingSlot::Resolution, IDC_RESOLUTION},
    {SettingSlot::LoopLength, IDC_LOOP_LENGTH},
    {SettingSlot::Exposure, IDC_EXPOSURE},
    {SettingSlot::Rotate, IDC_ROTATE},
    {SettingSlot::Beep, IDC_BEEP},
    {SettingSlot::RecordLed, IDC_RECORD_LED},
    {SettingSlot::DisplayStatus, IDC_DISPLAY_STATUS},
    {SettingSlot::RecAudio, IDC_REC_AUDIO},
    {SettingSlot::PirInterval, IDC_PIR_INTERVAL},
    {SettingSlot::PirSensitivity, IDC_PIR_SENSITIVITY},
    {SettingSlot::DateFormat, IDC_DATE_FORMAT},
};

std::int8_t& slotOf(_USR_SETTING_& record, SettingSlot slot) {
  return record.setting[static_cast<int>(slot)];
}

class DropDowns : public ::testing::Test {
 protected:
  // Runs the dialog and reads every drop-down's selection and text, then cancels.
  void showDialog() {
    CPellinDlg settingsDialog;
    DialogScript script;
    script.then([this](HWND dialog) {
      for (const SlotControl& control : kSlotControls) {
        selections.push_back(selectedIndex(dialog, control.id));
        texts.push_back(controlText(dialog, control.id));
        items.push_back(dropDownItems(dialog, control.id));
      }
    });
    script.then([](HWND dialog) { clickButton(dialog, IDC_CANCEL); });
    ASSERT_EQ(script.run(settingsDialog), IDCANCEL);
  }

  DesktopSettingsFile settings;
  std::vector<LRESULT> selections;
  std::vector<std::string> texts;
  std::vector<std::vector<std::string>> items;
};

TEST_F(DropDowns, EachIsFilledWithItsSlotsChoicesInTheirOrderDespiteTheSortedStyle) {
  showDialog();
  ASSERT_EQ(items.size(), kSlotControls.size());
  for (std::size_t index = 0; index < kSlotControls.size(); ++index) {
    const auto choices = choiceTexts(kSlotControls[index].slot);
    EXPECT_EQ(items[index], std::vector<std::string>(choices.begin(), choices.end()))
        << "control " << kSlotControls[index].id;
  }
}

TEST_F(DropDowns, WithoutASettingsFileTheyShowTheDefaults) {
  showDialog();
  EXPECT_EQ(texts, (std::vector<std::string>{"1920*1080 60F", "5Min", "EV:0", "OFF", "ON", "ON",
                                             "ON", "ON", "30Sec", "H", "MM/DD/YYYY"}));
  EXPECT_EQ(selections, (std::vector<LRESULT>{3, 2, 3, 1, 0, 0, 0, 0, 1, 0, 1}));
}

TEST_F(DropDowns, AFileWithAForeignTagShowsTheDefaults) {
  _USR_SETTING_ record = defaultRecord();
  slotOf(record, SettingSlot::Resolution) = 6;
  settings.write(record);
  std::vector<std::uint8_t> image = settings.bytes();
  image[128] ^= 1;
  std::ofstream(settings.path(), std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()),
             static_cast<std::streamsize>(image.size()));
  showDialog();
  EXPECT_EQ(texts[0], "1920*1080 60F");
}

TEST_F(DropDowns, TheyShowTheValuesOfTheLoadedFile) {
  _USR_SETTING_ record = defaultRecord();
  const std::int8_t values[kSlotCount] = {0, 1, 6, 0, 1, 1, 1, 1, 4, 2, 2};
  std::copy(std::begin(values), std::end(values), record.setting);
  settings.write(record);
  showDialog();
  EXPECT_EQ(selections, (std::vector<LRESULT>{0, 1, 6, 0, 1, 1, 1, 1, 4, 2, 2}));
  EXPECT_EQ(texts, (std::vector<std::string>{"2880*2160 24F", "3Min", "EV:+3", "ON", "OFF", "OFF",
                                             "OFF", "OFF", "5Min", "L", "DD/MM/YYYY"}));
}

TEST_F(DropDowns, AValueAboveTheHighestChoiceShowsTheHighestChoice) {
  _USR_SETTING_ record = defaultRecord();
  slotOf(record, SettingSlot::Resolution) = 9;
  slotOf(record, SettingSlot::PirInterval) = 127;
  settings.write(record);
  showDialog();
  EXPECT_EQ(texts[0], "1280*720 30F");
  EXPECT_EQ(selections[0], 7);
  EXPECT_EQ(selections[8], 4);
}

TEST_F(DropDowns, ANegativeValueShowsNoSelectionAndAnEmptyField) {
  _USR_SETTING_ record = defaultRecord();
  slotOf(record, SettingSlot::Exposure) = -1;
  slotOf(record, SettingSlot::Beep) = -5;
  slotOf(record, SettingSlot::DateFormat) = -128;
  settings.write(record);
  showDialog();
  for (const std::size_t index : {2u, 4u, 10u}) {
    EXPECT_EQ(selections[index], CB_ERR) << "control " << kSlotControls[index].id;
    EXPECT_EQ(texts[index], "") << "control " << kSlotControls[index].id;
  }
  EXPECT_EQ(selections[0], 3);
}

// Keys pressed on one drop-down, with the list closed unless the keys open it.
struct KeyCase {
  int id;
  std::function<void()> keys;
  LRESULT selection;
  const char* text;
};

TEST(DropDownKeys, WhenKeysPickChoicesThenEachFieldShowsAChoiceAndEnterSavesThemAll) {
  DesktopSettingsFile settings;
  const KeyCase cases[] = {
      {IDC_RESOLUTION, [] { PostKeyPress(::GetFocus(), VK_DOWN); }, 4, "1920*1080 30F"},
      {IDC_EXPOSURE, [] { PostKeyPress(::GetFocus(), VK_UP); }, 2, "EV:-1"},
      {IDC_LOOP_LENGTH, [] { typeText("1"); }, 0, "1Min"},
      // Retyping a choice's whole text keeps that choice.
      {IDC_PIR_INTERVAL, [] { typeText("5Min"); }, 4, "5Min"},
      {IDC_BEEP, [] { typeText("o"); }, 1, "OFF"},
      {IDC_PIR_SENSITIVITY, [] { typeText("L"); }, 2, "L"},
      {IDC_DATE_FORMAT, [] { typeText("d"); }, 2, "DD/MM/YYYY"},
      // A letter that starts no choice leaves the field as it was.
      {IDC_ROTATE, [] { typeText("x"); }, 1, "OFF"},
  };
  CPellinDlg settingsDialog;
  DialogScript script;
  for (const KeyCase& keyCase : cases) {
    script.then([&keyCase](HWND dialog) {
      ::SetFocus(::GetDlgItem(dialog, keyCase.id));
      keyCase.keys();
    });
    script.then([&keyCase](HWND dialog) {
      SCOPED_TRACE("control " + std::to_string(keyCase.id));
      EXPECT_EQ(selectedIndex(dialog, keyCase.id), keyCase.selection);
      EXPECT_EQ(controlText(dialog, keyCase.id), keyCase.text);
    });
  }
  // Alt+Down opens the record LED's list; Down and Enter pick the next choice and only close it.
  script.then([](HWND dialog) {
    ::SetFocus(::GetDlgItem(dialog, IDC_RECORD_LED));
    PostKeyPress(::GetFocus(), VK_DOWN, true);
  });
  script.waitUntil([](HWND dialog) {
    return ::SendDlgItemMessageA(dialog, IDC_RECORD_LED, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
  });
  script.then([](HWND) {
    PostKeyPress(::GetFocus(), VK_DOWN);
    PostKeyPress(::GetFocus(), VK_RETURN);
  });
  script.waitUntil([](HWND dialog) {
    return ::SendDlgItemMessageA(dialog, IDC_RECORD_LED, CB_GETDROPPEDSTATE, 0, 0) == FALSE;
  });
  bool openAfterTheListClosed = false;
  script.then([&openAfterTheListClosed](HWND dialog) {
    openAfterTheListClosed = true;
    EXPECT_EQ(controlText(dialog, IDC_RECORD_LED), "OFF");
    PostKeyPress(::GetFocus(), VK_RETURN);
  });
  ASSERT_EQ(script.run(settingsDialog), IDOK);
  EXPECT_TRUE(openAfterTheListClosed);

  ASSERT_EQ(script.boxes().size(), 1u);
  EXPECT_EQ(script.boxes()[0].text, "Finish!");
  const _USR_SETTING_ saved = settings.record();
  EXPECT_EQ(std::vector<int>(std::begin(saved.setting), std::end(saved.setting)),
            (std::vector<int>{4, 0, 2, 1, 1, 1, 0, 0, 4, 2, 2}));
}

}  // namespace
