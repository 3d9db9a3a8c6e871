#import "AppDelegate.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#import "AppDelegate+CardRow.h"
#import "AppDelegate+SavingFiles.h"
#import "AppDelegate+ScheduleChanges.h"
#include "appkit_names.h"
#include "clock_pattern.h"
#include "combo_slots.h"
#include "record_codec.h"
#include "schedule_cells.h"
#include "schedule_menu.h"

namespace {

NSString* stringOf(const std::string& text) {
  return [NSString stringWithUTF8String:text.c_str()];
}

#ifdef GNUSTEP
// GNUstep posts no mount notifications: the mount table is looked at every this many clock
// ticks (2 s), a look that costs far less than a tick's redraw.
constexpr int kTicksPerCardLook = 4;
#endif

std::string utf8Of(id object) {
  const char* text = [[object description] UTF8String];
  return text ? text : "";
}

// The item a combo box's text stands for, or nothing when its text names no choice.
std::optional<long> savedIndexOf(NSComboBox* combo) {
  std::vector<std::string> texts;
  for (NSInteger item = 0; item < [combo numberOfItems]; ++item)
    texts.push_back(utf8Of([combo itemObjectValueAtIndex:item]));
  const std::vector<std::string_view> items(texts.begin(), texts.end());
  return comboIndexOfText(utf8Of([combo stringValue]), items, [combo indexOfSelectedItem]);
}

// Selects the item a stored choice names, or shows no selection when it names none.
void showChoice(NSComboBox* combo, std::int8_t choice) {
  const int index = comboIndexOfChoice(choice);
  if (comboHasItem(index, [combo numberOfItems])) {
    [combo selectItemAtIndex:index];
    // Some AppKits select without showing the item's text.
    [combo setObjectValue:[combo objectValueOfSelectedItem]];
    return;
  }
  const NSInteger selected = [combo indexOfSelectedItem];
  if (selected >= 0) [combo deselectItemAtIndex:selected];
  [combo setStringValue:@""];
}

}  // namespace

@interface AppDelegate ()
- (_USR_SETTING_)recordAsShown;
- (NSComboBox*)comboNamingNoChoice;
- (NSString*)labelOfCombo:(NSComboBox*)combo;
- (BOOL)hasUnsavedChanges;
- (BOOL)mayDiscardChanges;
@end

@implementation AppDelegate

@synthesize com1, com2, com3, com4, com5, com6, com7, com8, com9, com10, com11;
@synthesize timeLab, mtableView, savePath, window, weekLine;
@synthesize cardPopUp, loadFromCardButton, hint1, hint2;

// Called when the application has finished starting: what went wrong with the settings file
// at start is said first; then the window, set up in awakeFromNib, is shown in front with the
// keyboard, so that Return and Escape reach its buttons at once.
- (void)applicationDidFinishLaunching:(NSNotification*)notification {
  [NSApp activateIgnoringOtherApps:YES];
  if (startNotice != nil) [self showAlert:startNoticeTitle detail:startNotice];
  [window makeKeyAndOrderFront:self];
}

// Called just before the application ends.
- (void)applicationWillTerminate:(NSNotification*)notification {
}

// Called once the interface file has connected the outlets: loads the record, shows it and
// starts the clock.
- (void)awakeFromNib {
  // Not every AppKit gives NSObject an awakeFromNib of its own.
  if ([NSObject instancesRespondToSelector:@selector(awakeFromNib)]) [super awakeFromNib];
  installMainMenu();
  [self initData];
  [self readSetting];
  [self fillSeting];
  shownAtStart = [self recordAsShown];
  [self showWeek];
  [self startFollowingCards];
  rTimer = KESTRUNE_KEEP([NSTimer scheduledTimerWithTimeInterval:0.5
                                                          target:self
                                                        selector:@selector(OnTimer:)
                                                        userInfo:nil
                                                         repeats:YES]);
}

// Called at start: the combo box of each slot, the cell letters and the settings file's path.
- (void)initData {
  NSComboBox* numbered[] = {nil,  com1, com2, com3, com4,  com5,
                            com6, com7, com8, com9, com10, com11};
  comArrs = [[NSMutableArray alloc] initWithCapacity:kSlotCount];
  for (const int combo : kComboOfSlot) [comArrs addObject:numbered[combo]];

  weakArrs = [[NSMutableArray alloc] initWithCapacity:kModeLooks.size()];
  for (const ModeLook& look : kModeLooks)
    [weakArrs addObject:[NSString stringWithUTF8String:look.macLetter]];

  const RecordCodec::PathResult where = RecordCodec::settingsFilePath(RecordCodec::macProfile);
  self.savePath = where.path ? stringOf(*where.path) : nil;
  // Without a path nothing is loaded, and nothing may be saved over settings never shown.
  if (savePath == nil) {
    const std::string why =
        where.path ? "the desktop folder's path is not valid UTF-8" : where.reason;
    [self noteAtStart:@"The settings file cannot be used"
               detail:stringOf("No path to the settings file could be formed (" + why +
                               "). The defaults are shown; they cannot be saved.")];
  }
}

// Called at start: the defaults, then the settings file's bytes over them, unchecked. A file
// that is there but cannot be read is named before the window is shown: OK would replace it.
- (void)readSetting {
  desktopSeen = new FileSeen();
  if (savePath == nil) {
    [self fillDefault];
    return;
  }
  const std::string path([savePath fileSystemRepresentation]);
  *desktopSeen = seeFile(path);
  const RecordCodec::LoadResult loaded =
      RecordCodec::loadSettingsFile(currSetting, RecordCodec::macProfile, path);
  if (loaded.outcome == RecordCodec::LoadOutcome::Unreadable)
    [self noteAtStart:@"The settings file could not be read" detail:stringOf(loaded.describe())];
}

// Called at start when the user must be told something once the application has started.
- (void)noteAtStart:(NSString*)title detail:(NSString*)detail {
  startNoticeTitle = KESTRUNE_KEEP(title);
  startNotice = KESTRUNE_KEEP(detail);
}

// Called at start when the settings file has no path, so nothing can be read: the record gets
// the defaults. A file that is missing or not ours gets them from the load itself.
- (void)fillDefault {
  RecordCodec::fillDefault(currSetting, RecordCodec::macProfile);
}

// Called at start: shows the record's choices in the combo boxes and its schedule in the table.
- (void)fillSeting {
  [self showChoicesOf:currSetting];
  [mtableView reloadData];
}

- (void)showChoicesOf:(const _USR_SETTING_&)record {
  for (int slot = 0; slot < kSlotCount; ++slot)
    showChoice([comArrs objectAtIndex:slot], record.setting[slot]);
}

// Called to tell the user something; returns once the alert is dismissed.
- (void)showAlert:(NSString*)message detail:(NSString*)detail {
  NSAlert* alert = [[NSAlert alloc] init];
  [alert setMessageText:message];
  [alert setInformativeText:detail];
  [alert addButtonWithTitle:@"OK"];
  [alert runModal];
  KESTRUNE_RELEASE(alert);
}

// Called for a question that the user answers with the confirming button or Cancel; YES only for
// the confirming button (Return), NO for Cancel (Escape).
- (BOOL)ask:(NSString*)question detail:(NSString*)detail confirm:(NSString*)confirmTitle {
  NSAlert* alert = [[NSAlert alloc] init];
  [alert setMessageText:question];
  [alert setInformativeText:detail];
  [alert addButtonWithTitle:confirmTitle];
  [alert addButtonWithTitle:@"Cancel"];
  const NSInteger answer = [alert runModal];
  KESTRUNE_RELEASE(alert);
  return answer == NSAlertFirstButtonReturn;
}

// The record with each combo box's choice as it would be saved; a box whose text names no
// choice keeps its selection.
- (_USR_SETTING_)recordAsShown {
  _USR_SETTING_ shown = currSetting;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    NSComboBox* combo = [comArrs objectAtIndex:slot];
    shown.setting[slot] =
        choiceOfSelection(savedIndexOf(combo).value_or([combo indexOfSelectedItem]));
  }
  return shown;
}

// The first combo box whose text names none of its choices, or nil.
- (NSComboBox*)comboNamingNoChoice {
  for (NSUInteger slot = 0; slot < [comArrs count]; ++slot) {
    NSComboBox* combo = [comArrs objectAtIndex:slot];
    if (![combo isHidden] && !savedIndexOf(combo)) return combo;
  }
  return nil;
}

// The text of a combo box's label: the nearest label to its left on its row, or above it.
- (NSString*)labelOfCombo:(NSComboBox*)combo {
  const NSRect box = [combo frame];
  NSString* label = nil;
  CGFloat nearest = INFINITY;
  NSArray* views = [[combo superview] subviews];
  for (NSUInteger index = 0; index < [views count]; ++index) {
    NSView* view = [views objectAtIndex:index];
    if (![view isKindOfClass:[NSTextField class]] || [view isKindOfClass:[NSComboBox class]] ||
        view == timeLab || view == weekLine)
      continue;
    const NSRect frame = [view frame];
    if (NSMaxX(frame) > NSMinX(box) && NSMinY(frame) < NSMaxY(box)) continue;
    const CGFloat distance = std::hypot(NSMidX(frame) - NSMidX(box), NSMidY(frame) - NSMidY(box));
    if (distance < nearest) {
      nearest = distance;
      label = [(NSTextField*)view stringValue];
    }
  }
  return label;
}

- (BOOL)hasUnsavedChanges {
  if ([self comboNamingNoChoice] != nil) return YES;
  const _USR_SETTING_ shown = [self recordAsShown];
  return std::memcmp(&shown, &shownAtStart, sizeof shown) != 0;
}

// Asks before unsaved changes are thrown away; YES when there are none or the user agrees.
- (BOOL)mayDiscardChanges {
  // A cell still being edited counts as a change.
  [window makeFirstResponder:nil];
  if (![self hasUnsavedChanges]) return YES;
  return [self ask:@"Discard your changes?"
            detail:@"The changes you made in this window have not been saved."
           confirm:@"Discard"];
}

// Called by OK: the combo boxes' choices into the record, then seal and write it. Returns nil
// once the file is written, or what went wrong.
- (NSString*)saveSetting {
  const _USR_SETTING_ shown = [self recordAsShown];
  std::memcpy(currSetting.setting, shown.setting, sizeof currSetting.setting);
  // Only the file the settings were loaded from is ever written.
  if (savePath == nil)
    return @"There is no settings file to save to: its path could not be formed.";
  const RecordCodec::SaveResult result = RecordCodec::saveSettingsFile(
      currSetting, std::string([savePath fileSystemRepresentation]), RecordCodec::localStampNow());
  return result ? nil : stringOf(result.describe());
}

// Called every half second: the clock in the order of the date format the user sees.
- (void)OnTimer:(NSTimer*)timer {
  if (noteShownUntil != nil && [noteShownUntil timeIntervalSinceNow] <= 0) [self showWeek];
#ifdef GNUSTEP
  if (++ticksSinceCardLook >= kTicksPerCardLook) {
    ticksSinceCardLook = 0;
    [self followCards];
  }
#endif
  const char* format = [[com11 stringValue] UTF8String];
  NSString* pattern = stringOf(clockPattern(format ? format : ""));
  // One formatter for the whole run: making one, and its pattern, costs more than the tick.
  if (clockFormatter == nil) {
    clockFormatter = [[NSDateFormatter alloc] init];
    [clockFormatter setFormatterBehavior:NSDateFormatterBehavior10_4];
  }
  if (![pattern isEqualToString:[clockFormatter dateFormat]])
    [clockFormatter setDateFormat:pattern];
  // The text changes once a second; redrawing it on the ticks between would only cost time.
  NSString* text = [clockFormatter stringFromDate:[NSDate date]];
  if (![text isEqualToString:[timeLab stringValue]]) [timeLab setStringValue:text];
}

// Called by the OK button and Return: saves, says "Finish" and ends. When the file cannot be
// written the user is told why and the window stays open with the choices made.
- (IBAction)okBtnClick:(id)sender {
  // A schedule cell still being edited (Return presses OK) goes into the record first.
  [[mtableView window] makeFirstResponder:nil];
  NSComboBox* noChoice = [self comboNamingNoChoice];
  if (noChoice != nil) {
    [self
        showAlert:@"The settings were not saved"
           detail:[NSString stringWithFormat:@"“%@” is not one of the choices of %@. Pick one "
                                             @"from its list.",
                                             [noChoice stringValue], [self labelOfCombo:noChoice]]];
    [window makeFirstResponder:noChoice];
    return;
  }
  std::optional<RecordCodec::SettingsLock> desktopLock, cardLock;
  if (savePath != nil && ![self takeLock:desktopLock
                                  ofFile:std::string([savePath fileSystemRepresentation])
                                    seen:*desktopSeen
                                   where:@"on your desktop"])
    return;
  if (const Card* card = cardRow->pickedCard();
      card != nullptr &&
      ![self takeLock:cardLock
               ofFile:cardSettingsPath(card->root)
                 seen:*cardRow->pickedFileSeen()
                where:[NSString stringWithFormat:@"on the card %@", stringOf(cardName(*card))]])
    return;
  NSString* failure = [self saveSetting];
  if (failure != nil) {
    [self showAlert:@"The settings were not saved" detail:failure];
    return;
  }
  NSString* saved = savePath;
  if (const Card* card = cardRow->pickedCard()) {
    NSString* name = stringOf(cardName(*card));
    NSString* cardFailure = [self saveToCard:*card];
    if (cardFailure != nil) {
      // The desktop file is now this window's own: trying again does not ask about it.
      *desktopSeen = seeFile(std::string([savePath fileSystemRepresentation]));
      [self
          showAlert:[NSString stringWithFormat:@"The settings were not saved to the card %@", name]
             detail:[NSString stringWithFormat:@"They were saved to %@. The card's file "
                                               @"could not be written: %@",
                                               savePath, cardFailure]];
      return;
    }
    saved = [NSString stringWithFormat:@"%@ and to the card %@ (%@)", savePath, name,
                                       stringOf(cardSettingsPath(card->root))];
  }
  [self showAlert:@"Finish"
           detail:[NSString stringWithFormat:@"The settings were saved to %@.", saved]];
  leaving = YES;
  [NSApp terminate:self];
}

// Called by the Cancel button, which discards as it says, and by Escape, which asks first when
// there are unsaved changes.
- (IBAction)cancelBtnClick:(id)sender {
  NSEvent* event = [NSApp currentEvent];
  const BOOL byEscape =
      [event type] == kKeyDown && [[event charactersIgnoringModifiers] length] == 1 &&
      [[event charactersIgnoringModifiers] characterAtIndex:0] == kEscapeCharacter;
  if (!byEscape) leaving = YES;
  [NSApp terminate:self];
}

// Called when the window closes: closing it ends the application without writing.
- (BOOL)applicationShouldTerminateAfterLastWindowClosed:(NSApplication*)sender {
  return YES;
}

// Called by Quit, Escape and the window's closing: unsaved changes are not lost unasked.
- (NSApplicationTerminateReply)applicationShouldTerminate:(NSApplication*)sender {
  if (!leaving && ![self mayDiscardChanges]) return NSTerminateCancel;
  leaving = YES;
  return NSTerminateNow;
}

- (BOOL)windowShouldClose:(id)sender {
  if (!leaving && ![self mayDiscardChanges]) return NO;
  leaving = YES;
  return YES;
}

//--- The schedule table's data source

// Called by the table for its row count: one row per day.
- (NSInteger)numberOfRowsInTableView:(NSTableView*)tableView {
  return kDayCount;
}

// Called by the table for a cell's text: the letter of that hour's mode, or nothing for a cell
// outside the schedule.
- (id)tableView:(NSTableView*)tableView
    objectValueForTableColumn:(NSTableColumn*)tableColumn
                          row:(NSInteger)row {
  const std::optional<CellAddress> cell = scheduleCellOf(tableColumn, row);
  if (!cell) return nil;
  return [self getWeakDes:scheduleCell(currSetting, cell->day, cell->hour)];
}

// Called by the table when the user has typed into a cell: a mode's letter changes the record
// at once, as a change Undo takes back; any other text is refused with a beep and the cell
// keeps its letter.
- (void)tableView:(NSTableView*)tableView
    setObjectValue:(id)value
    forTableColumn:(NSTableColumn*)tableColumn
               row:(NSInteger)row {
  const std::optional<CellAddress> cell = scheduleCellOf(tableColumn, row);
  if (!cell) return;
  const int mode = [self getWeakValue:value];
  if (mode < 0) {
    [self explainRefusal:[NSString stringWithFormat:@"“%@” is not a mode: type O, C or M.", value]];
    return;
  }
  ScheduleEdits::Week week = [self schedule];
  week.week_schduce[cell->day].rec_motion_status[cell->hour] = static_cast<std::int8_t>(mode);
  [self changeSchedule:week actionName:@"Typing"];
}

// Called for a cell's letter: a value that is no mode shows as Motion.
- (NSString*)getWeakDes:(int)index {
  return [weakArrs objectAtIndex:letterIndexOfMode(index)];
}

// Called for a typed cell's mode: a mode's letter in either case; -1 for any other text.
- (int)getWeakValue:(NSString*)value {
  if (![value isKindOfClass:[NSString class]] || [value length] != 1) return -1;
  const std::optional<ScheduleMode> mode = modeOfCellText(std::string_view([value UTF8String]));
  return mode ? *mode : -1;
}

@end
