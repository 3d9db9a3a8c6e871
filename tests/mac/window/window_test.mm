// The application's window in this process: the interface file loaded as the application loads
// it, its controls driven through their own actions, and each alert it shows answered as a user
// would, so that nothing waits for a person.
#import <Cocoa/Cocoa.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#import "AppDelegate.h"
#include "record_codec.h"

namespace {

std::string utf8Of(NSString* text) {
  return text != nil ? [text UTF8String] : "";
}

// The answers the next alerts get, in order; an alert nobody expected gets the second button.
std::vector<NSInteger> answers;
// The texts of the alerts shown, in order.
std::vector<std::string> alertTexts;
// The alerts answered, held so that a later alert cannot take one's place at the same address:
// the modal loop may turn once more before it sees the answer, and the alert is still modal then.
NSMutableArray* answeredAlerts = nil;

void collectTexts(NSView* view, std::string& texts) {
  if ([view isKindOfClass:[NSTextField class]])
    texts += utf8Of([(NSTextField*)view stringValue]) + "\n";
  NSArray* subviews = [view subviews];
  for (NSUInteger index = 0; index < [subviews count]; ++index)
    collectTexts([subviews objectAtIndex:index], texts);
}

std::vector<std::uint8_t> bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

// Answers whatever alert runs modally, as soon as its modal loop turns.
@interface AlertAnswerer : NSObject
+ (void)standBy;
+ (void)answer;
@end

@implementation AlertAnswerer

+ (void)standBy {
  [self performSelector:@selector(answer)
             withObject:nil
             afterDelay:0
                inModes:[NSArray arrayWithObject:NSModalPanelRunLoopMode]];
}

+ (void)answer {
  NSWindow* alert = [NSApp modalWindow];
  if (alert == nil || [answeredAlerts containsObject:alert]) {
    [self standBy];
    return;
  }
  std::string texts;
  collectTexts([alert contentView], texts);
  alertTexts.push_back(texts);
  [answeredAlerts addObject:alert];
  NSInteger code = NSAlertSecondButtonReturn;
  if (!answers.empty()) {
    code = answers.front();
    answers.erase(answers.begin());
  }
  [self standBy];
  [NSApp stopModalWithCode:code];
}

@end

namespace {

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    desktopFile = std::string(std::getenv("HOME")) + "/Desktop/Kestrune.txt";
    const char* card = std::getenv("KESTRUNE_TEST_CARD");
    ASSERT_NE(card, nullptr) << "run through in_session.sh, which mounts the card";
    cardRoot = card;
    cardFile = cardRoot + "/Kestrune.txt";
    std::filesystem::remove_all(desktopFile);
    std::filesystem::remove_all(cardFile);
    answers.clear();
    alertTexts.clear();
    if (answeredAlerts == nil) answeredAlerts = [[NSMutableArray alloc] init];
    [answeredAlerts removeAllObjects];
    [NSObject cancelPreviousPerformRequestsWithTarget:[AlertAnswerer class]];
    [AlertAnswerer standBy];
  }

  void TearDown() override {
    if (app != nil) [[app window] orderOut:nil];
  }

  // Loads the window as the application does at start, with the files as they are now.
  void open() {
    [NSApplication sharedApplication];
    NSNib* nib =
        [[NSNib alloc] initWithContentsOfURL:[NSURL fileURLWithPath:@KESTRUNE_INTERFACE_FILE]];
    NSArray* objects = nil;
    ASSERT_TRUE([nib instantiateWithOwner:NSApp topLevelObjects:&objects]);
    app = (AppDelegate*)[NSApp delegate];
    ASSERT_NE(app, nil);
    [[app window] orderFront:nil];
  }

  // Saves a record of the defaults, with its schedule all in one mode, as our programs do.
  static void saveRecord(const std::string& path, ScheduleMode mode, std::int8_t resolution) {
    _USR_SETTING_ record{};
    RecordCodec::fillDefault(record, RecordCodec::macProfile);
    record.setting[static_cast<int>(SettingSlot::Resolution)] = resolution;
    for (int day = 0; day < kDayCount; ++day)
      for (int hour = 0; hour < kHourCount; ++hour) scheduleCell(record, day, hour) = mode;
    ASSERT_TRUE(RecordCodec::saveSettingsFile(record, path, RecordCodec::localStampNow()));
  }

  // The letter the table shows for a cell.
  std::string cellText(int day, int hour) {
    NSTableView* table = [app mtableView];
    NSTableColumn* column = [[table tableColumns] objectAtIndex:static_cast<NSUInteger>(hour)];
    return utf8Of([app tableView:table objectValueForTableColumn:column row:day]);
  }

  AppDelegate* app = nil;
  std::string desktopFile, cardRoot, cardFile;
};

TEST_F(Window, WhenTheOnlyCameraCardIsInTheReaderThenTheRowOffersItPickedAndSaysWhereOKWrites) {
  saveRecord(cardFile, Continuous, 1);
  open();
  NSPopUpButton* popUp = [app cardPopUp];
  ASSERT_EQ([popUp numberOfItems], 2);
  EXPECT_EQ(utf8Of([popUp itemTitleAtIndex:0]), "Desktop Only");
  EXPECT_TRUE(
      contains(utf8Of([popUp titleOfSelectedItem]), "CAMERA (" + cardRoot + "): settings of "));
  EXPECT_EQ(utf8Of([[app hint1] stringValue]),
            "OK saves Kestrune.txt to your desktop and to the card CAMERA.");
  EXPECT_TRUE([[app loadFromCardButton] isEnabled]);

  [popUp selectItemAtIndex:0];
  [popUp sendAction:[popUp action] to:[popUp target]];
  EXPECT_EQ(utf8Of([[app hint1] stringValue]), "OK saves Kestrune.txt to your desktop.");
  EXPECT_FALSE([[app loadFromCardButton] isEnabled]);
}

TEST_F(Window, WhenTheCardCannotTakeTheFileThenOKWritesTheDesktopNamesTheCardAndStaysOpen) {
  std::filesystem::create_directory(cardFile);
  open();
  [app okBtnClick:nil];
  ASSERT_EQ(alertTexts.size(), 1u);
  EXPECT_TRUE(contains(alertTexts[0], "The settings were not saved to the card CAMERA"))
      << alertTexts[0];
  EXPECT_TRUE(contains(alertTexts[0], "They were saved to " + desktopFile)) << alertTexts[0];
  EXPECT_EQ(bytesOf(desktopFile).size(), kRecordSize);
  EXPECT_TRUE(std::filesystem::is_directory(cardFile));
  EXPECT_TRUE([[app window] isVisible]);
}

TEST_F(Window, WhenTheDesktopFileChangedSinceItWasReadThenOKAsksAndCancelLeavesTheirFile) {
  saveRecord(desktopFile, Motion, 3);
  open();
  saveRecord(desktopFile, Off, 5);
  const std::vector<std::uint8_t> theirs = bytesOf(desktopFile);
  answers = {NSAlertSecondButtonReturn};
  [app okBtnClick:nil];
  ASSERT_EQ(alertTexts.size(), 1u);
  EXPECT_TRUE(contains(alertTexts[0], "Kestrune.txt on your desktop has changed since this "
                                      "window read it."))
      << alertTexts[0];
  EXPECT_EQ(bytesOf(desktopFile), theirs);
  EXPECT_FALSE(std::filesystem::exists(cardFile));
  EXPECT_TRUE([[app window] isVisible]);
}

TEST_F(Window, WhenSettingsAreLoadedFromTheCardThenTheWindowShowsThemAndOneUndoTakesTheTableBack) {
  saveRecord(cardFile, Off, 2);
  open();
  EXPECT_EQ(cellText(0, 0), "M");
  [[app loadFromCardButton] performClick:nil];
  EXPECT_TRUE(alertTexts.empty()) << alertTexts.front();
  EXPECT_EQ(cellText(0, 0), "O");
  EXPECT_EQ(cellText(6, 23), "O");
  EXPECT_EQ([[app com1] indexOfSelectedItem], 2);
  EXPECT_EQ(utf8Of([[app weekLine] stringValue]), "Mon\u2013Sun: Off all day");

  [[[app window] undoManager] undo];
  EXPECT_EQ(cellText(0, 0), "M");
  EXPECT_EQ(cellText(6, 23), "M");
  EXPECT_FALSE([[[app window] undoManager] canUndo]);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The process's one pool: what the window autoreleases lives until the tests end.
  [[NSAutoreleasePool alloc] init];
  return RUN_ALL_TESTS();
}
