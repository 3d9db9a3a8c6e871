#import "AppDelegate+ScheduleChanges.h"

#include <cstring>

#include "objc_memory.h"
#include "week_words.h"

using ScheduleEdits::Week;

namespace {

// How long the week line shows why an edit was refused before the week comes back.
constexpr NSTimeInterval kNoteSeconds = 4;

}  // namespace

@implementation AppDelegate (ScheduleChanges)

- (Week)schedule {
  return currSetting.schduce_procce_ir;
}

// The table shows the change at once; the week before it is what Undo puts back, and undoing
// registers the week it replaces for Redo.
- (void)changeSchedule:(const Week&)week actionName:(NSString*)name {
  Week& shown = currSetting.schduce_procce_ir;
  if (std::memcmp(&shown, &week, sizeof week) == 0) return;
  NSUndoManager* undoManager = [[mtableView window] undoManager];
  [undoManager registerUndoWithTarget:self
                             selector:@selector(restoreSchedule:)
                               object:[NSData dataWithBytes:&shown length:sizeof shown]];
  if (name != nil) [undoManager setActionName:name];
  shown = week;
  [mtableView setNeedsDisplay:YES];
  [self showWeek];
}

- (void)restoreSchedule:(NSData*)week {
  Week restored;
  if ([week length] != sizeof restored) return;
  [week getBytes:&restored length:sizeof restored];
  [self changeSchedule:restored actionName:nil];
}

//--- The line under the table

// Shows the week in words, in place of any note.
- (void)showWeek {
  KESTRUNE_RELEASE(noteShownUntil);
  noteShownUntil = nil;
  [weekLine
      setStringValue:[NSString
                         stringWithUTF8String:describeWeek(currSetting.schduce_procce_ir).c_str()]];
}

- (void)explainRefusal:(NSString*)why {
  NSBeep();
  [weekLine setStringValue:why];
  KESTRUNE_RELEASE(noteShownUntil);
  noteShownUntil = KESTRUNE_KEEP([NSDate dateWithTimeIntervalSinceNow:kNoteSeconds]);
}

@end
