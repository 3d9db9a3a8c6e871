#import "ScheduleTableView.h"

#include <algorithm>
#include <optional>
#include <string>

#include "appkit_names.h"
#include "schedule_cells.h"
#include "schedule_menu.h"
#include "schedule_modes.h"

using ScheduleEdits::Week;

std::optional<CellAddress> scheduleCellOf(NSTableColumn* column, NSInteger row) {
  id identifier = [column identifier];
  if (![identifier isKindOfClass:[NSString class]]) return cellAddress(row, 0);
  return cellAddress(row, readIdentifierNumber([(NSString*)identifier UTF8String]));
}

namespace {

// The mode a key sets: the letters of the modes in either case, and Delete for Off.
std::optional<ScheduleMode> modeOfKey(NSEvent* event) {
  if (([event modifierFlags] & kShortcutKeyFlags) != 0) return std::nullopt;
  NSString* characters = [event charactersIgnoringModifiers];
  if ([characters length] != 1) return std::nullopt;
  const unichar key = [characters characterAtIndex:0];
  if (key == NSDeleteCharacter || key == NSBackspaceCharacter || key == NSDeleteFunctionKey)
    return Off;
  if (key > 0x7F) return std::nullopt;
  return modeOfLetter(static_cast<char>(key));
}

// A key that types a visible character, without Command, Control or Option.
bool isPrintableKey(NSEvent* event) {
  if (([event modifierFlags] & kShortcutKeyFlags) != 0) return false;
  NSString* characters = [event characters];
  if ([characters length] != 1) return false;
  const unichar key = [characters characterAtIndex:0];
  return key > 0x20 && key != 0x7F && (key < 0xF700 || key > 0xF8FF);
}

HeaderClick headerClickOf(NSEvent* event) {
  const NSUInteger flags = [event modifierFlags];
  if (flags & kShiftKeyFlag) return HeaderClick::ExtendRange;
  if (flags & kCommandKeyFlag) return HeaderClick::Toggle;
  return HeaderClick::Alone;
}

NSString* stringOf(const std::string& text) {
  return [NSString stringWithUTF8String:text.c_str()];
}

NSColor* colorOf(Rgb rgb) {
  return [NSColor colorWithCalibratedRed:((rgb >> 16) & 0xFF) / 255.0
                                   green:((rgb >> 8) & 0xFF) / 255.0
                                    blue:(rgb & 0xFF) / 255.0
                                   alpha:1.0];
}

}  // namespace

@interface ScheduleTableView ()
- (std::optional<CellAddress>)cellAtPoint:(NSPoint)point;
- (std::optional<CellAddress>)cellOfEvent:(NSEvent*)event;
- (std::optional<CellAddress>)cellNearestPoint:(NSPoint)point;
- (NSInteger)columnOfHour:(int)hour;
- (void)editCell:(CellAddress)cell withEvent:(NSEvent*)event;
- (id<ScheduleSource>)source;
- (void)setSelectionTo:(ScheduleMode)mode;
- (void)copyCurrentDayTo:(ScheduleEdits::DaySet)days actionName:(NSString*)name;
@end

@implementation ScheduleTableView

// Called once the interface file is loaded: the table answers its own header clicks and never
// selects rows the way AppKit does; its context menu holds the Schedule menu's items.
- (void)awakeFromNib {
  if ([NSTableView instancesRespondToSelector:@selector(awakeFromNib)]) [super awakeFromNib];
  [self setDelegate:self];
  [self setMenu:scheduleMenu()];
}

//--- Cells on the screen

- (std::optional<CellAddress>)cellAtPoint:(NSPoint)point {
  const NSInteger row = [self rowAtPoint:point];
  const NSInteger column = [self columnAtPoint:point];
  if (row < 0 || column < 0) return std::nullopt;
  return scheduleCellOf([[self tableColumns] objectAtIndex:column], row);
}

- (std::optional<CellAddress>)cellOfEvent:(NSEvent*)event {
  return [self cellAtPoint:[self convertPoint:[event locationInWindow] fromView:nil]];
}

// The nearest cell to a point, so that a drag past the table's edge keeps its last row or
// column.
- (std::optional<CellAddress>)cellNearestPoint:(NSPoint)point {
  const NSRect rows = NSUnionRect([self rectOfRow:0], [self rectOfRow:[self numberOfRows] - 1]);
  point.x = std::clamp(point.x, NSMinX(rows), NSMaxX(rows) - 1);
  point.y = std::clamp(point.y, NSMinY(rows), NSMaxY(rows) - 1);
  return [self cellAtPoint:point];
}

- (NSInteger)columnOfHour:(int)hour {
  NSArray* columns = [self tableColumns];
  for (NSUInteger column = 0; column < [columns count]; ++column) {
    const auto cell = scheduleCellOf([columns objectAtIndex:column], 0);
    if (cell && cell->hour == hour) return static_cast<NSInteger>(column);
  }
  return -1;
}

//--- Selecting

// Called on a press in the table: a cell is selected, a drag selects the rectangle from it,
// Shift extends the rectangle, and a double-click edits the cell.
- (void)mouseDown:(NSEvent*)event {
  [[self window] makeFirstResponder:self];
  const std::optional<CellAddress> cell = [self cellOfEvent:event];
  if (!cell) return;
  if ([event clickCount] > 1) {
    [self editCell:*cell withEvent:event];
    return;
  }
  selection.pressCell(*cell, ([event modifierFlags] & kShiftKeyFlag) != 0);
  [self setNeedsDisplay:YES];
  for (;;) {
    NSEvent* next = [[self window] nextEventMatchingMask:kDragOrMouseUpMask];
    if ([next type] == kLeftMouseUp) return;
    const std::optional<CellAddress> over =
        [self cellNearestPoint:[self convertPoint:[next locationInWindow] fromView:nil]];
    if (!over) continue;
    selection.dragTo(*over);
    [self setNeedsDisplay:YES];
  }
}

// AppKit edits only a cell of a selected row; the row goes back to unselected once the edit
// ends.
- (void)editCell:(CellAddress)cell withEvent:(NSEvent*)event {
  const NSInteger column = [self columnOfHour:cell.hour];
  if (column < 0) return;
  [self selectRowIndexes:[NSIndexSet indexSetWithIndex:cell.day] byExtendingSelection:NO];
  [self editColumn:column row:cell.day withEvent:event select:YES];
}

// Every edit, by a double-click or by Tab from the cell before, starts with the cell's letter
// selected, so that a typed letter replaces it.
- (void)editColumn:(NSInteger)column
               row:(NSInteger)row
         withEvent:(NSEvent*)event
            select:(BOOL)select {
  [super editColumn:column row:row withEvent:event select:YES];
  [[self currentEditor] selectAll:nil];
}

// Called when a typed edit ends; Tab goes on to edit the next cell.
- (void)textDidEndEditing:(NSNotification*)notification {
  [super textDidEndEditing:notification];
  if ([self editedRow] < 0) [self deselectAll:nil];
}

// Called by the cell editor, through the responder chain, for the undo manager of its typing.
// It gets one of its own: GNUstep clears that manager when an edit ends, and the window's holds
// the schedule's changes, the edit that just ended among them.
- (NSUndoManager*)undoManager {
  if (cellEditorUndo == nil) cellEditorUndo = [[NSUndoManager alloc] init];
  return cellEditorUndo;
}

// Called on a right click: it acts on the clicked cell, its day and its hour.
- (NSMenu*)menuForEvent:(NSEvent*)event {
  const std::optional<CellAddress> cell = [self cellOfEvent:event];
  if (!cell) return nil;
  [[self window] makeFirstResponder:self];
  selection.contextClick(*cell);
  [self setNeedsDisplay:YES];
  return [self menu];
}

- (IBAction)dayBtnClick:(id)sender {
  const NSInteger day = [sender tag];
  if (day < 0 || day >= kDayCount) return;
  selection.clickDay(static_cast<int>(day), headerClickOf([NSApp currentEvent]));
  [[self window] makeFirstResponder:self];
  [self setNeedsDisplay:YES];
}

// Called by the header view when an hour's title is pressed.
- (void)tableView:(NSTableView*)tableView
    mouseDownInHeaderOfTableColumn:(NSTableColumn*)tableColumn {
  const std::optional<CellAddress> cell = scheduleCellOf(tableColumn, 0);
  if (!cell) return;
  selection.clickHour(cell->hour, headerClickOf([NSApp currentEvent]));
  [[self window] makeFirstResponder:self];
  [self setNeedsDisplay:YES];
}

- (BOOL)tableView:(NSTableView*)tableView shouldSelectRow:(NSInteger)row {
  return NO;
}

- (BOOL)tableView:(NSTableView*)tableView shouldSelectTableColumn:(NSTableColumn*)tableColumn {
  return NO;
}

- (void)selectAll:(id)sender {
  selection.selectAll();
  [self setNeedsDisplay:YES];
}

// AppKit's own row highlight is never wanted: the selection is drawn with the background.
- (void)highlightSelectionInClipRect:(NSRect)clipRect {
}

// Called before each cell is drawn: its mode's colours, the darker pair when it is selected.
// A column draws all its rows with one cell, so every cell gets its colours anew.
- (void)tableView:(NSTableView*)tableView
    willDisplayCell:(id)cell
     forTableColumn:(NSTableColumn*)tableColumn
                row:(NSInteger)row {
  const std::optional<CellAddress> address = scheduleCellOf(tableColumn, row);
  if (!address || ![cell isKindOfClass:[NSTextFieldCell class]]) return;
  const Week week = [[self source] schedule];
  const ModeLook& look = kModeLooks[static_cast<std::size_t>(
      letterIndexOfMode(week.week_schduce[address->day].rec_motion_status[address->hour]))];
  const bool selected =
      selection.days().test(address->day) && selection.hours().test(address->hour);
  [cell setDrawsBackground:YES];
  [cell setBackgroundColor:colorOf(selected ? look.selectedFill : look.fill)];
  [cell setTextColor:colorOf(selected ? look.selectedText : look.text)];
}

// The table shows that it has the keyboard with a frame round the cells.
- (void)drawRect:(NSRect)rect {
  [super drawRect:rect];
  if ([[self window] firstResponder] != self || ![[self window] isKeyWindow]) return;
  [[NSColor keyboardFocusIndicatorColor] set];
  NSFrameRectWithWidth([self visibleRect], 2);
}

- (BOOL)becomeFirstResponder {
  const BOOL became = [super becomeFirstResponder];
  [self setNeedsDisplay:YES];
  return became;
}

- (BOOL)resignFirstResponder {
  const BOOL resigned = [super resignFirstResponder];
  [self setNeedsDisplay:YES];
  return resigned;
}

//--- Changing cells

- (id<ScheduleSource>)source {
  return (id<ScheduleSource>)[self dataSource];
}

// Called for a key: a mode's letter or Delete sets the selected cells; any other printable
// character is explained, and other keys (arrows, Tab) are the table's.
- (void)keyDown:(NSEvent*)event {
  if (const std::optional<ScheduleMode> mode = modeOfKey(event)) {
    [self setSelectionTo:*mode];
    return;
  }
  if (isPrintableKey(event)) {
    [[self source] explainRefusal:[NSString stringWithFormat:@"“%@” is not a mode: type O, C "
                                                             @"or M.",
                                                             [event characters]]];
    return;
  }
  [super keyDown:event];
}

- (void)setSelectionTo:(ScheduleMode)mode {
  if (selection.isEmpty()) {
    [[self source] explainRefusal:@"Select cells first, then type O, C or M."];
    return;
  }
  Week week = [[self source] schedule];
  ScheduleEdits::setCells(week, selection.days(), selection.hours(), mode);
  [[self source] changeSchedule:week
                     actionName:scheduleMenuTitle(@selector(setSelectedCells:), mode)];
}

- (IBAction)setSelectedCells:(id)sender {
  [self setSelectionTo:static_cast<ScheduleMode>([sender tag])];
}

- (IBAction)fillWeek:(id)sender {
  Week week = [[self source] schedule];
  ScheduleEdits::fillWeek(week, static_cast<ScheduleMode>([sender tag]));
  [[self source] changeSchedule:week actionName:[sender title]];
}

- (void)copyCurrentDayTo:(ScheduleEdits::DaySet)days actionName:(NSString*)name {
  const std::optional<CellAddress> from = selection.current();
  if (!from) return;
  Week week = [[self source] schedule];
  ScheduleEdits::copyDay(week, from->day, days);
  [[self source] changeSchedule:week actionName:name];
}

- (IBAction)copyDayToAllDays:(id)sender {
  [self copyCurrentDayTo:ScheduleEdits::kAllDays actionName:[sender title]];
}

- (IBAction)copyDayToWorkDays:(id)sender {
  [self copyCurrentDayTo:ScheduleEdits::kWorkDays actionName:[sender title]];
}

- (IBAction)copy:(id)sender {
  const std::optional<ScheduleEdits::CellRect> rect = selection.rectangle();
  if (!rect) {
    [[self source] explainRefusal:@"Copy takes one rectangle of cells: select one first."];
    return;
  }
  NSPasteboard* pasteboard = [NSPasteboard generalPasteboard];
  [pasteboard declareTypes:[NSArray arrayWithObject:NSPasteboardTypeString] owner:nil];
  [pasteboard setString:stringOf(copyTextAsShown([[self source] schedule], *rect))
                forType:NSPasteboardTypeString];
}

// Pastes at the selection's first day and hour; text that is no block, or a block that
// reaches past Sunday or hour 23, changes nothing.
- (IBAction)paste:(id)sender {
  NSString* text = [[NSPasteboard generalPasteboard] stringForType:NSPasteboardTypeString];
  const auto origin = ScheduleEdits::pasteOrigin(selection.days(), selection.hours());
  if (!origin) {
    [[self source] explainRefusal:@"Select the cell where the paste begins."];
    return;
  }
  if (text == nil) {
    [[self source] explainRefusal:@"Nothing was pasted: the pasteboard holds no text."];
    return;
  }
  const ScheduleEdits::ParsedBlock parsed = ScheduleEdits::parseText([text UTF8String]);
  if (!parsed.block) {
    [[self source]
        explainRefusal:stringOf("Nothing was pasted: line " + std::to_string(parsed.error.line) +
                                ", cell " + std::to_string(parsed.error.column) + ": " +
                                parsed.error.message + ".")];
    return;
  }
  Week week = [[self source] schedule];
  if (const auto refused =
          ScheduleEdits::pasteBlock(week, *parsed.block, origin->day, origin->hour)) {
    [[self source] explainRefusal:stringOf("Nothing was pasted: " + *refused + ".")];
    return;
  }
  [[self source] changeSchedule:week actionName:[sender title]];
}

- (IBAction)undo:(id)sender {
  [[[self window] undoManager] undo];
}

- (IBAction)redo:(id)sender {
  [[[self window] undoManager] redo];
}

- (BOOL)validateMenuItem:(NSMenuItem*)item {
  const SEL action = [item action];
  NSUndoManager* undoManager = [[self window] undoManager];
  if (action == @selector(undo:)) {
    [item setTitle:[undoManager undoMenuItemTitle]];
    return [undoManager canUndo];
  }
  if (action == @selector(redo:)) {
    [item setTitle:[undoManager redoMenuItemTitle]];
    return [undoManager canRedo];
  }
  if (action == @selector(setSelectedCells:) || action == @selector(paste:))
    return !selection.isEmpty();
  if (action == @selector(copy:)) return selection.rectangle().has_value();
  if (action == @selector(copyDayToAllDays:) || action == @selector(copyDayToWorkDays:))
    return selection.current().has_value();
  return YES;
}

@end
