// What the user has selected in the schedule table and which cells that means: whole days
// (rows), whole hours (columns), a rectangle of days × hours (both), or nothing, when the cell
// last clicked is the target. Unlike the Windows grid's GridSelection, which is always one
// rectangle around a current cell, header clicks here toggle days and hours in and out, and at
// first nothing is current.
#pragma once

#include <cstdint>
#include <optional>

#include "schedule_cells.h"
#include "schedule_edits.h"

// How a click on a day's or an hour's header meets the selection before it.
enum class HeaderClick { Alone, ExtendRange, Toggle };

// All zero is nothing selected and no cell clicked yet, so that the state can live in an
// Objective-C object, whose C++ members are never constructed under gcc's runtime.
class TableSelection {
 public:
  // A press on a cell makes it the current cell and selects it alone, or with extend the
  // rectangle from the anchor to it.
  void pressCell(CellAddress cell, bool extend);
  // A drag from the pressed cell: the rectangle from the anchor to this cell.
  void dragTo(CellAddress cell);
  // A right click makes the cell current; the selection stays if it holds the cell, else the
  // cell alone is selected.
  void contextClick(CellAddress cell);
  // A click on a day's header: that whole day, the days from the last one clicked, or that day
  // added to or taken from the days selected.
  void clickDay(int day, HeaderClick how);
  // A click on an hour's header: that hour on every day, and so on as for days.
  void clickHour(int hour, HeaderClick how);
  void selectAll();

  // The cells meant are every selected day at every selected hour; with nothing selected,
  // the current cell.
  ScheduleEdits::DaySet days() const;
  ScheduleEdits::HourSet hours() const;
  bool contains(CellAddress cell) const;
  bool isEmpty() const;
  // The cells meant as one block, when they form one.
  std::optional<ScheduleEdits::CellRect> rectangle() const;
  // The cell last clicked, where pasting and copying a day start when nothing else says.
  std::optional<CellAddress> current() const;

 private:
  void select(ScheduleEdits::DaySet days, ScheduleEdits::HourSet hours);

  std::uint32_t dayBits_;
  std::uint32_t hourBits_;
  bool hasCurrent_;
  CellAddress anchor_;
  CellAddress current_;
};
