// The card row: what each camera card holds, where OK saves, a card's save failing, a file
// changed by another program meanwhile, and "Load from card".
#include <gtest/gtest.h>

#include <windows.h>
#include <dbt.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PellinDlg.h"
#include "card_words.h"
#include "desktop_settings.h"
#include "dialog_script.h"
#include "grid/schedule_menu.h"

namespace {

namespace fs = std::filesystem;

// A sealed record of the defaults with three choices and Monday's first twelve hours changed,
// saved on 1 December 2026 at 08:12.
_USR_SETTING_ cardRecord() {
  _USR_SETTING_ record = defaultRecord();
  record.setting[0] = 5;
  record.setting[4] = 1;
  record.setting[10] = 2;
  for (int hour = 0; hour < 12; ++hour) scheduleCell(record, 0, hour) = Off;
  RecordCodec::sealRecord(record, RecordCodec::LocalStampValue{2026, 12, 1, 8, 12, 30});
  return record;
}

Card cardOf(const char* root, const char* label, CardFile file, const char* reason = "",
            const _USR_SETTING_& record = {}, RecordCodec::LocalStampValue saved = {}) {
  return {root, label, true, file, reason, record, saved};
}

TEST(CardWords, EachCardSaysWhatItsSettingsFileHoldsNextToTheShownSettings) {
  const _USR_SETTING_ shown = defaultRecord();
  _USR_SETTING_ oneHourApart = shown;
  scheduleCell(oneHourApart, 6, 23) = Off;
  _USR_SETTING_ oneSettingApart = shown;
  oneSettingApart.setting[3] = 0;
  const struct {
    Card card;
    int dateFormat;
    std::string expect;
  } cases[] = {
      {cardOf("E:\\", "CAMERA", CardFile::None), 1, "E:\\ CAMERA: no settings file yet"},
      {cardOf("F:\\", "NO NAME", CardFile::Foreign), 1, "F:\\ NO NAME: not a settings file"},
      {cardOf("G:\\", "", CardFile::Unreadable, "Access denied."), 1,
       "G:\\: unreadable: Access denied."},
      {cardOf("E:\\", "CAMERA", CardFile::Ours, "", cardRecord(), {2026, 12, 1, 8, 12, 30}), 1,
       "E:\\ CAMERA: settings of 12/01/2026 08:12, 3 settings and 12 hours differ"},
      {cardOf("E:\\", "CAMERA", CardFile::Ours, "", cardRecord(), {2026, 12, 1, 8, 12, 30}), 2,
       "E:\\ CAMERA: settings of 01/12/2026 08:12, 3 settings and 12 hours differ"},
      {cardOf("E:\\", "CAMERA", CardFile::Ours, "", shown, {2026, 12, 1, 8, 2, 0}), 0,
       "E:\\ CAMERA: settings of 2026/12/01 08:02, the same as shown"},
      {cardOf("E:\\", "CAMERA", CardFile::Ours, "", oneHourApart, {2026, 2, 3, 4, 5, 6}), 1,
       "E:\\ CAMERA: settings of 02/03/2026 04:05, 1 hour differs"},
      {cardOf("E:\\", "CAMERA", CardFile::Ours, "", oneSettingApart, {0, 0, 0, 0, 0, 0}), 1,
       "E:\\ CAMERA: settings of an unknown time, 1 setting differs"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.expect);
    EXPECT_EQ(DescribeCard(row.card, shown, row.dateFormat), row.expect);
  }
}

// Folders that the dialog lists as removable volumes, each with the label given.
class DialogWithCards : public CPellinDlg {
 public:
  std::vector<Volume> volumes;

 protected:
  std::vector<Card> ListCards() const override {
    std::vector<Card> cards;
    for (const Volume& volume : volumes) cards.push_back(inspectCard(volume));
    return cards;
  }
};

class CardRow : public ::testing::Test {
 protected:
  // A folder standing for a volume; with a DCIM folder the camera has been there.
  std::string addVolume(const std::string& name, const std::string& label, bool dcim = true) {
    const fs::path root = drives.path() / name;
    fs::create_directories(dcim ? root / "DCIM" : root);
    settingsDialog.volumes.push_back({root.string() + "\\", label});
    return settingsDialog.volumes.back().root;
  }

  DesktopSettingsFile desktop;
  ScratchFolder drives;
  DialogWithCards settingsDialog;
  DialogScript script;
};

TEST_F(CardRow, ListsDesktopOnlyThenEachCameraCardWithWhatItHoldsAndPicksNoneOfSeveral) {
  const std::string fresh = addVolume("fresh", "CAMERA");
  const std::string ours = addVolume("ours", "");
  writeBytes(cardSettingsPath(ours), bytesOf(cardRecord()));
  const std::string foreign = addVolume("foreign", "NO NAME", false);
  std::ofstream(cardSettingsPath(foreign)) << "notes";
  addVolume("stick", "PHOTOS", false);
  script.then([&](HWND dialog) {
    EXPECT_EQ(dropDownItems(dialog, IDC_CARD),
              (std::vector<std::string>{
                  "Desktop only", fresh + " CAMERA: no settings file yet",
                  ours + ": settings of 12/01/2026 08:12, 3 settings and 12 hours differ",
                  foreign + " NO NAME: not a settings file"}));
    EXPECT_EQ(selectedIndex(dialog, IDC_CARD), 0);
    EXPECT_EQ(controlText(dialog, IDC_SAVE_HINT), "Kestrune text file will save to desktop.");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_LOAD_FROM_CARD)));
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

TEST_F(CardRow, ALoneArrivingCardIsPickedAndWhenItsSaveFailsTheErrorNamesItAndTheDialogStays) {
  std::string root, card;
  bool openAfterFailure = false;
  script.then([&](HWND dialog) {
    root = addVolume("arrived", "CAMERA");
    card = cardSettingsPath(root);
    sendVolumeNotice(dialog, DBT_DEVICEARRIVAL, driveBit(kDriveE));
    EXPECT_EQ(controlText(dialog, IDC_SAVE_HINT),
              "Kestrune text file will save to desktop and to the card " + root + " CAMERA.");
    // The card's file cannot be replaced while a folder stands in its place.
    fs::create_directories(card);
    ::SendDlgItemMessageA(dialog, IDC_BEEP, CB_SETCURSEL, 1, 0);
    clickButton(dialog, IDC_OK);
  });
  script.waitUntil([&](HWND) { return !script.boxes().empty(); });
  script.then([&](HWND dialog) {
    openAfterFailure = ::IsWindowVisible(dialog) != FALSE;
    fs::remove(card);
    clickButton(dialog, IDC_OK);
  });
  EXPECT_EQ(script.run(settingsDialog), IDOK);
  EXPECT_TRUE(openAfterFailure);
  ASSERT_EQ(script.boxes().size(), 2u);
  const ShownBox& error = script.boxes()[0];
  EXPECT_TRUE(error.hasErrorIcon);
  const std::string cause = "The settings were saved to the desktop, but not to the card ";
  EXPECT_EQ(error.text.rfind(cause + root + " CAMERA.\n", 0), 0u) << error.text;
  EXPECT_NE(error.text.find(card), std::string::npos) << error.text;
  EXPECT_EQ(script.boxes()[1].text, "Finish!\nAlso saved to the card " + root + " CAMERA.");
  // Both files hold the shown settings: the beep turned off.
  EXPECT_EQ(desktop.record().setting[4], 1);
  ASSERT_EQ(readBytes(card).size(), kRecordSize);
  const _USR_SETTING_ onCard = recordOf(readBytes(card));
  EXPECT_EQ(std::memcmp(onCard.setting, desktop.record().setting, kSlotCount), 0);
}

TEST_F(CardRow, WhenAnotherProgramChangedAFileOkAsksAndNoReturnsToTheDialogYesReplacesIt) {
  const std::string card = cardSettingsPath(addVolume("changed", "CAMERA"));
  const struct {
    const char* place;
    std::string path;
  } places[] = {{"the desktop", desktop.path()}, {"the card", card}};
  for (const auto& place : places) {
    SCOPED_TRACE(place.place);
    DialogWithCards withCards;
    withCards.volumes = settingsDialog.volumes;
    DialogScript asking;
    _USR_SETTING_ theirs = cardRecord();
    std::vector<std::uint8_t> afterNo;
    asking.answering({IDNO, IDYES});
    asking.then([&](HWND dialog) {
      writeBytes(place.path, bytesOf(theirs));
      ::SendDlgItemMessageA(dialog, IDC_BEEP, CB_SETCURSEL, 1, 0);
      clickButton(dialog, IDC_OK);
    });
    asking.waitUntil([&](HWND) { return asking.boxes().size() == 1; });
    asking.then([&](HWND dialog) {
      afterNo = readBytes(place.path);
      clickButton(dialog, IDC_OK);
    });
    EXPECT_EQ(asking.run(withCards), IDOK);
    ASSERT_GE(asking.boxes().size(), 2u);
    EXPECT_EQ(asking.boxes()[0].text, place.path +
                                          " was changed by another program after Kestrune read "
                                          "it.\nReplace it with the settings shown here?");
    EXPECT_EQ(afterNo, bytesOf(theirs));
    // The shown settings: the defaults' resolution, and the beep turned off.
    const _USR_SETTING_ replaced = recordOf(readBytes(place.path));
    EXPECT_EQ(replaced.setting[0], 3);
    EXPECT_EQ(replaced.setting[4], 1);
    fs::remove(desktop.path());
    fs::remove(card);
  }
}

TEST_F(CardRow, LoadFromCardShowsTheCardsSettingsAndOneUndoBringsBackTheWeekBefore) {
  const std::string root = addVolume("loaded", "CAMERA");
  writeBytes(cardSettingsPath(root), bytesOf(cardRecord()));
  script.then([](HWND dialog) {
    ASSERT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_LOAD_FROM_CARD)));
    clickButton(dialog, IDC_LOAD_FROM_CARD);
  });
  script.then([&](HWND dialog) {
    EXPECT_EQ(selectedIndex(dialog, IDC_RESOLUTION), 5);
    EXPECT_EQ(selectedIndex(dialog, IDC_BEEP), 1);
    EXPECT_EQ(selectedIndex(dialog, IDC_DATE_FORMAT), 2);
    EXPECT_EQ(cellText(dialog, 0, 11) + cellText(dialog, 0, 12), "-M");
    EXPECT_EQ(dropDownItems(dialog, IDC_CARD)[1],
              root + " CAMERA: settings of 01/12/2026 08:12, the same as shown");
    ::SendMessageA(scheduleGrid(dialog), WM_COMMAND, kCommandUndo, 0);
    EXPECT_EQ(cellText(dialog, 0, 0) + cellText(dialog, 0, 11), "MM");
    clickButton(dialog, IDC_CANCEL);
  });
  EXPECT_EQ(script.run(settingsDialog), IDCANCEL);
}

}  // namespace
