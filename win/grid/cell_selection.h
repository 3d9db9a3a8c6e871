// The schedule grid's current cell and the rectangle of cells selected from an anchor to it.
// Pure arithmetic over the week's 7 days and 24 hours, free of any window.
#pragma once

#include "schedule_edits.h"

struct GridCell {
  int day = 0;
  int hour = 0;
  friend bool operator==(const GridCell&, const GridCell&) = default;
};

class CellSelection {
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
  GridCell m_current;
  GridCell m_anchor;
};
