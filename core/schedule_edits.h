// The schedule edits both programs and the command line offer: rectangles of days × hours,
// fills, day copies and the clipboard text of a rectangle; and the undo history of the Windows
// grid (the application keeps its changes in the platform's own undo manager).
#pragma once

#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "schedule_modes.h"
#include "usr_setting.h"

namespace ScheduleEdits {

using Week = _week_schduce_;
using DaySet = std::bitset<kDayCount>;    // bit 0 Monday .. bit 6 Sunday
using HourSet = std::bitset<kHourCount>;  // bit h is hour h:00 .. h:59

// The days from first to last, both included (0 Monday .. 6 Sunday); first > last is empty.
DaySet dayRange(int first, int last);
// The hours from first to last, both included; a range whose last hour is before its first
// wraps past midnight (22 to 5 is 22:00 .. 05:59).
HourSet hourRange(int first, int last);
inline const DaySet kAllDays = DaySet{}.set();
inline const HourSet kAllHours = HourSet{}.set();
// Monday to Friday.
inline const DaySet kWorkDays = dayRange(0, 4);

// One cell of the week: day 0 Monday .. 6 Sunday, hour 0 .. 23. Trivial, so that it can live
// in an Objective-C object, whose C++ members gcc's runtime never constructs.
struct Cell {
  int day;
  int hour;
  friend bool operator==(const Cell&, const Cell&) = default;
};
// The days or hours between two, both included, in either order: what a selection from one cell
// to another spans, which never wraps past midnight.
DaySet daysBetween(int one, int other);
HourSet hoursBetween(int one, int other);
// The cell a paste into the chosen cells begins at: the first chosen day at the first chosen
// hour. Nothing is chosen when either set is empty.
std::optional<Cell> pasteOrigin(DaySet days, HourSet hours);

// Sets every cell of the chosen days at the chosen hours to the mode.
void setCells(Week& week, DaySet days, HourSet hours, ScheduleMode mode);
void fillWeek(Week& week, ScheduleMode mode);
// Copies one day's 24 hours onto each of the target days.
void copyDay(Week& week, int fromDay, DaySet toDays);

//--- Clipboard text

// A rectangle of cells: its top-left cell and its extent. A copied rectangle's hours run on past
// 23 to 0, as a selection across midnight does; a paste never wraps (pasteBlock).
struct CellRect {
  int day = 0;
  int hour = 0;
  int days = 1;
  int hours = 1;
};

// The text of a rectangle: one line per day, one letter per hour, cells separated by tabs,
// every line ended by "\n".
std::string copyText(const Week& week, const CellRect& rect);

// A parsed block of modes, row by row.
struct Block {
  int days = 0;
  int hours = 0;
  std::vector<ScheduleMode> cells;  // days × hours, row-major
};

// The first problem of a text that is no block: 1-based line and column (the cell's number
// on its line) and what is wrong.
struct TextError {
  int line = 0;
  int column = 0;
  std::string message;
};

struct ParsedBlock {
  std::optional<Block> block;
  TextError error;  // set when there is no block
};

// Reads clipboard text: lines of tab-separated letters, all lines of one length, a final line
// break optional, "\r\n" taken as "\n".
ParsedBlock parseText(std::string_view text);

// Puts the block with its top-left cell at (day, hour). A block that would reach past Sunday
// or past hour 23 changes nothing and says why.
std::optional<std::string> pasteBlock(Week& week, const Block& block, int day, int hour);

//--- Undo

// A bounded history of schedule states: remember the week before each change, and undo
// and redo step through the states.
class History {
 public:
  explicit History(std::size_t limit = 100) : limit_(limit) {}
  // Call before changing the week; a new change forgets what could be redone.
  void remember(const Week& before);
  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // Puts the previous state into the week; false (week unchanged) when there is none.
  bool undo(Week& week);
  bool redo(Week& week);

 private:
  std::size_t limit_;
  std::vector<Week> undo_;
  std::vector<Week> redo_;
};

}  // namespace ScheduleEdits
