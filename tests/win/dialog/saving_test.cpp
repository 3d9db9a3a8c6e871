// OK, or Enter anywhere off a push button, saves what the controls show and says "Finish!"; a
// save that fails says why and keeps the dialog open with the user's choices; every other way
// out leaves the settings file alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "PellinDlg.h"
#include "desktop_settings.h"
#include "dialog_script.h"

namespace {

std::vector<std::uint8_t> settingBytes(const _USR_SETTING_& record) {
  return {reinterpret_cast<const std::uint8_t*>(record.setting),
          reinterpret_cast<const std::uint8_t*>(record.setting) + kSlotCount};
}

void select(HWND dialog, int id, int index) {
  ::SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// A loaded record with a value out of range, a negative one and a recording-audio choice.
_USR_SETTING_ loadedRecord() {
  _USR_SETTING_ record = defaultRecord();
  const std::int8_t values[kSlotCount] = {9, 0, -1, 0, 1, 0, 1, 1, 2, 1, -5};
  std::copy(std::begin(values), std::end(values), record.setting);
  for (int day = 0; day < kDayCount; ++day)
    for (int hour = 0; hour < kHourCount; ++hour)
      scheduleCell(record, day, hour) = static_cast<std::int8_t>((day * 24 + hour) % 3);
  scheduleCell(record, 2, 0) = 7;
  scheduleCell(record, 2, 5) = 7;
  return record;
}

TEST(SavingSettings, OkWritesTheSelectionsAndCellLettersSaysFinishAndEndsTheDialog) {
  DesktopSettingsFile settings;
  settings.write(loadedRecord());
  CPellinDlg settingsDialog;
  DialogScript script;
  script.then([](HWND dialog) {
    select(dialog, IDC_LOOP_LENGTH, 2);
    select(dialog, IDC_DATE_FORMAT, 0);
    setCellText(dialog, 0, 0, "C");
    setCellText(dialog, 0, 1, "c");
    setCellText(dialog, 0, 2, "");
    setCellText(dialog, 6, 23, "-");
    clickButton(dialog, IDC_OK);
  });
  ASSERT_EQ(script.run(settingsDialog), IDOK);

  ASSERT_EQ(script.boxes().size(), 1u);
  EXPECT_EQ(script.boxes()[0].text, "Finish!");
  EXPECT_FALSE(script.boxes()[0].hasIcon);

  const _USR_SETTING_ saved = settings.record();
  EXPECT_TRUE(RecordCodec::hasValidTags(std::span<const std::uint8_t, kRecordSize>(
      reinterpret_cast<const std::uint8_t*>(&saved), kRecordSize)));
  // Resolution 9 was shown lowered to 7; -1 and -5 showed no selection and are written as
  // 0xFF; the recording-audio choice is written as 0.
  EXPECT_EQ(settingBytes(saved), (std::vector<std::uint8_t>{7, 2, 0xFF, 0, 1, 0, 1, 0, 2, 1, 0}));
  _USR_SETTING_ loaded = loadedRecord();
  for (int day = 0; day < kDayCount; ++day) {
    for (int hour = 0; hour < kHourCount; ++hour) {
      std::int8_t expected = scheduleCell(loaded, day, hour);
      if (expected == 7) expected = Motion;
      if (day == 0 && hour == 0) expected = Continuous;
      if (day == 0 && (hour == 1 || hour == 2)) expected = Motion;
      if (day == 6 && hour == 23) expected = Off;
      EXPECT_EQ(saved.schduce_procce_ir.week_schduce[day].rec_motion_status[hour], expected)
          << day << "," << hour;
    }
  }
}

TEST(SavingSettings, EnterOnTheFocusedOkButtonSaves) {
  DesktopSettingsFile settings;
  CPellinDlg settingsDialog;
  DialogScript script;
  script.then([](HWND dialog) {
    ASSERT_EQ(::GetFocus(), ::GetDlgItem(dialog, IDC_OK));
    pressKey(VK_RETURN);
  });
  ASSERT_EQ(script.run(settingsDialog), IDOK);
  ASSERT_EQ(script.boxes().size(), 1u);
  EXPECT_EQ(script.boxes()[0].text, "Finish!");
  ASSERT_TRUE(settings.isFile());
  EXPECT_EQ(settingBytes(settings.record()),
            (std::vector<std::uint8_t>{3, 2, 3, 1, 0, 0, 0, 0, 1, 0, 1}));
}

TEST(SavingSettings, EnterOnAChangedDropDownTheGridOrTheClockSavesLikeOk) {
  DesktopSettingsFile settings;
  for (const int id : {IDC_PIR_INTERVAL, IDC_SCHEDULE_GRID, IDC_CLOCK}) {
    SCOPED_TRACE("control " + std::to_string(id));
    std::filesystem::remove(settings.path());
    CPellinDlg settingsDialog;
    DialogScript script;
    script.then([id](HWND dialog) {
      select(dialog, IDC_PIR_INTERVAL, 3);
      ::SetFocus(::GetDlgItem(dialog, id));
      pressKey(VK_RETURN);
    });
    ASSERT_EQ(script.run(settingsDialog), IDOK);
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, "Finish!");
    ASSERT_TRUE(settings.isFile());
    EXPECT_EQ(settingBytes(settings.record()),
              (std::vector<std::uint8_t>{3, 2, 3, 1, 0, 0, 0, 0, 3, 0, 1}));
  }
}

TEST(SaveFailures, WhenTheFileCannotBeWrittenAnErrorNamesItAndTheDialogStaysOpen) {
  DesktopSettingsFile settings;
  CPellinDlg settingsDialog;
  DialogScript script;
  bool openAfterFailure = false;
  LRESULT resolutionAfterFailure = CB_ERR;
  script.then([&](HWND dialog) {
    // Blocked once the dialog is up: a folder there at the start would be named at the start.
    settings.blockWithFolder();
    select(dialog, IDC_RESOLUTION, 6);
    setCellText(dialog, 3, 4, "-");
    // Enter on a drop-down tries the save as the OK button does.
    ::SetFocus(::GetDlgItem(dialog, IDC_RESOLUTION));
    pressKey(VK_RETURN);
  });
  script.waitUntil([&](HWND) { return !script.boxes().empty(); });
  script.then([&](HWND dialog) {
    openAfterFailure = ::IsWindowVisible(dialog) != FALSE;
    resolutionAfterFailure = selectedIndex(dialog, IDC_RESOLUTION);
    // The user mends the cause and presses OK again.
    settings.unblock();
    clickButton(dialog, IDC_OK);
  });
  ASSERT_EQ(script.run(settingsDialog), IDOK);

  ASSERT_EQ(script.boxes().size(), 2u);
  const ShownBox& error = script.boxes()[0];
  EXPECT_TRUE(error.hasErrorIcon);
  EXPECT_NE(error.text.find(settings.path()), std::string::npos) << error.text;
  EXPECT_NE(error.text, "Finish!");
  EXPECT_TRUE(openAfterFailure);
  EXPECT_EQ(resolutionAfterFailure, 6);
  EXPECT_EQ(script.boxes()[1].text, "Finish!");

  ASSERT_TRUE(settings.isFile());
  const _USR_SETTING_ saved = settings.record();
  EXPECT_EQ(saved.setting[0], 6);
  EXPECT_EQ(saved.schduce_procce_ir.week_schduce[3].rec_motion_status[4], Off);
}

class ClosingWithoutSaving : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.write(loadedRecord());
    before = settings.bytes();
  }
  // Changes a choice and a cell, as a user would before changing their mind.
  static void changeSomething(HWND dialog) {
    select(dialog, IDC_RESOLUTION, 1);
    setCellText(dialog, 0, 3, "-");
  }
  void expectFileUntouched() { EXPECT_EQ(settings.bytes(), before); }

  DesktopSettingsFile settings;
  std::vector<std::uint8_t> before;
};

// Escape and the close box, which both give the dialog the Cancel command.
const struct {
  const char* way;
  void (*leave)(HWND dialog);
} kWaysToCancel[] = {
    {"Escape", [](HWND) { pressKey(VK_ESCAPE); }},
    {"the close box", [](HWND dialog) { chooseSystemCommand(dialog, SC_CLOSE); }},
};

TEST_F(ClosingWithoutSaving, TheCancelButtonDiscardsChangesWithoutAsking) {
  CPellinDlg settingsDialog;
  DialogScript script;
  script.then([](HWND dialog) {
    changeSomething(dialog);
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
  EXPECT_TRUE(script.boxes().empty());
  expectFileUntouched();
}

TEST_F(ClosingWithoutSaving, WithChangesEscapeAndTheCloseBoxAskFirstAndNoKeepsEveryChoice) {
  for (const auto& cancel : kWaysToCancel) {
    SCOPED_TRACE(cancel.way);
    CPellinDlg settingsDialog;
    DialogScript script;
    LRESULT resolutionAfterNo = CB_ERR;
    script.answering({IDNO, IDYES});
    script.then([&](HWND dialog) {
      changeSomething(dialog);
      cancel.leave(dialog);
    });
    script.waitUntil([&](HWND) { return script.boxes().size() == 1; });
    script.then([&](HWND dialog) {
      resolutionAfterNo = selectedIndex(dialog, IDC_RESOLUTION);
      cancel.leave(dialog);
    });
    EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
    EXPECT_EQ(resolutionAfterNo, 1);
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[0].text, "Discard your changes?");
    EXPECT_EQ(script.boxes()[1].text, "Discard your changes?");
    expectFileUntouched();
  }
}

TEST_F(ClosingWithoutSaving, WithoutChangesEscapeAndTheCloseBoxEndTheDialogWithoutAsking) {
  for (const auto& cancel : kWaysToCancel) {
    SCOPED_TRACE(cancel.way);
    CPellinDlg settingsDialog;
    DialogScript script;
    script.then([&](HWND dialog) {
      // A change taken back is no change.
      select(dialog, IDC_RESOLUTION, 1);
      select(dialog, IDC_RESOLUTION, 7);
      cancel.leave(dialog);
    });
    EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
    EXPECT_TRUE(script.boxes().empty());
    expectFileUntouched();
  }
}

}  // namespace
