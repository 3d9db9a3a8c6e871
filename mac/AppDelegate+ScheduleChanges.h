// The delegate's side of schedule changes: every change to the schedule, by the table's keys
// and menus or by a typed cell edit, goes into the record through here, where Undo can take
// it back. The line under the table follows every change.
#import "AppDelegate.h"
#import "ScheduleTableView.h"

@interface AppDelegate (ScheduleChanges) <ScheduleSource>
- (ScheduleEdits::Week)schedule;
- (void)changeSchedule:(const ScheduleEdits::Week&)week actionName:(NSString*)name;
// Called by Undo and Redo with the week to go back to.
- (void)restoreSchedule:(NSData*)week;
// Shows the week in words on the line under the table, in place of any note.
- (void)showWeek;
// Says on that line, for a few seconds, why an edit was refused; beeps as well.
- (void)explainRefusal:(NSString*)why;
@end
