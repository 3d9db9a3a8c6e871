// The schedule grid's current cell and the rectangle of cells selected from an anchor to it.
// Pure arithmetic over the week's 7 days and 24 hours, free of any window.
//
// The grid selects as a list view does from the keyboard: there is always a current cell, and
// the selection is always the one rectangle between the anchor and it. The application's table
// (TableSelection) selects as a table view does, toggling whole days and hours by their headers,
// so that what it selects need not be a rectangle, and at first nothing is current. Both take
// their cells, spans and paste origin from the core's schedule edits.
#pragma once

#include "schedule_edits.h"

using GridCell = ScheduleEdits::Cell;

class GridSelection {
 public:
  // The cell the keys act from; the corner of the selection opposite the anchor.
  GridCell Current() const { return m_current; }

  // Moves the current cell by whole days and hours, stopping at the week's edges. With extend
  // the anchor stays and the selection grows or shrinks; without it the selection is the
  // current cell alone.
  void MoveBy(int days, int hours, bool extend);
  void MoveTo(GridCell cell, bool extend);
  // Every day at the hours from the anchor's hour (with extend) or from the given hour, to it.
  void SelectHour(int hour, bool extend);
  // The whole week, with Monday 0:00 current.
  void SelectAll();

  bool Contains(int day, int hour) const;
  bool IsSingleCell() const { return m_anchor == m_current; }
  ScheduleEdits::CellRect Rect() const;
  ScheduleEdits::DaySet Days() const;
  ScheduleEdits::HourSet Hours() const;

 private:
  GridCell m_current{0, 0};
  GridCell m_anchor{0, 0};
};
