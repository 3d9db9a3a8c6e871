// The schedule table: a drag selects a rectangle of days × hours, a click on an hour's header
// or a day's button selects that hour or day, and the letter keys, the Schedule menu, Copy and
// Paste set the selected cells. AppKit's tables select rows or columns, never both, so the
// selection and its highlight are the table's own. Each cell is coloured by its mode, a
// selected cell in a darker shade of it.
#import <Cocoa/Cocoa.h>

#include <optional>

#include "table_selection.h"
#include "schedule_edits.h"

// The schedule byte a cell of the table shows: its row is the day, and the column identified
// "1" .. "24" is the hour.
std::optional<CellAddress> scheduleCellOf(NSTableColumn* column, NSInteger row);

// What the table needs of its data source to change the schedule.
@protocol ScheduleSource
- (ScheduleEdits::Week)schedule;
// Puts the week in place as one change that Undo takes back under the given name.
- (void)changeSchedule:(const ScheduleEdits::Week&)week actionName:(NSString*)name;
// Tells the user why a key, a paste or a typed letter changed nothing.
- (void)explainRefusal:(NSString*)why;
@end

@interface ScheduleTableView : NSTableView <NSTableViewDelegate> {
  TableSelection selection;
  NSUndoManager* cellEditorUndo;
}

// A day's button beside the table (its tag is the day): Shift extends, Command toggles.
- (IBAction)dayBtnClick:(id)sender;
// The Schedule menu; a tag, where there is one, is the mode.
- (IBAction)setSelectedCells:(id)sender;
- (IBAction)copy:(id)sender;
- (IBAction)paste:(id)sender;
- (IBAction)copyDayToAllDays:(id)sender;
- (IBAction)copyDayToWorkDays:(id)sender;
- (IBAction)fillWeek:(id)sender;
- (IBAction)undo:(id)sender;
- (IBAction)redo:(id)sender;

@end
