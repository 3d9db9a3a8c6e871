#include "grid/grid_selection.h"

#include <algorithm>

namespace {

GridCell Clamped(GridCell cell) {
  return {std::clamp(cell.day, 0, kDayCount - 1), std::clamp(cell.hour, 0, kHourCount - 1)};
}

}  // namespace

void GridSelection::MoveBy(int days, int hours, bool extend) {
  MoveTo({m_current.day + days, m_current.hour + hours}, extend);
}

void GridSelection::MoveTo(GridCell cell, bool extend) {
  m_current = Clamped(cell);
  if (!extend) m_anchor = m_current;
}

void GridSelection::SelectHour(int hour, bool extend) {
  const int fromHour = extend ? m_anchor.hour : hour;
  // Sunday as anchor and Monday as current keep the top of the grid in view.
  m_anchor = Clamped({kDayCount - 1, fromHour});
  m_current = Clamped({0, hour});
}

void GridSelection::SelectAll() {
  m_anchor = {kDayCount - 1, kHourCount - 1};
  m_current = {0, 0};
}

bool GridSelection::Contains(int day, int hour) const {
  const ScheduleEdits::CellRect rect = Rect();
  return day >= rect.day && day < rect.day + rect.days && hour >= rect.hour &&
         hour < rect.hour + rect.hours;
}

ScheduleEdits::CellRect GridSelection::Rect() const {
  const int firstDay = std::min(m_anchor.day, m_current.day);
  const int firstHour = std::min(m_anchor.hour, m_current.hour);
  return {firstDay, firstHour, std::max(m_anchor.day, m_current.day) - firstDay + 1,
          std::max(m_anchor.hour, m_current.hour) - firstHour + 1};
}

ScheduleEdits::DaySet GridSelection::Days() const {
  return ScheduleEdits::daysBetween(m_anchor.day, m_current.day);
}

ScheduleEdits::HourSet GridSelection::Hours() const {
  return ScheduleEdits::hoursBetween(m_anchor.hour, m_current.hour);
}
