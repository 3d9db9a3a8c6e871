#import "AppDelegate+ScheduleChanges.h"

#include <cstring>

using ScheduleEdits::Week;

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
}

- (void)restoreSchedule:(NSData*)week {
  Week restored;
  if ([week length] != sizeof restored) return;
  [week getBytes:&restored length:sizeof restored];
  [self changeSchedule:restored actionName:nil];
}

@end
