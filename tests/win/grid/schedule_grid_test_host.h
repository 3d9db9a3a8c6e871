// The settings dialog's schedule grid, CScheduleGrid, in the grid tests' host, every cell "M"
// to begin with. Keys are posted with the modifiers held in the thread's keyboard state, and
// pumped by the modal loop's rules, so the dialog manager, TranslateMessage and the grid see
// them as typed.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "grid/schedule_grid.h"
#include "grid_test_host.h"

class ScheduleGridTest : public GridTest {
 protected:
  ScheduleGridTest() : GridTest(m_scheduleGrid) {}
  void SetUp() override;

  // The cells row by row, one letter a cell, Monday first.
  using Rows = std::vector<std::string>;
  Rows ShownRows() const;
  // Every cell the given letter...
  static Rows AllCells(char letter);
  // ...and then the rectangle of days first..last and hours first..last another one.
  static Rows Painted(Rows rows, int firstDay, int firstHour, int lastDay, int lastHour,
                      char letter);
  // Writes the cells directly, as the dialog does at set-up.
  void ShowRows(const Rows& rows);

  void PressTimes(int times, WPARAM key, std::initializer_list<int> held = {});
  // Posts a left press at one cell, a move to another and the release there...
  void Drag(int fromDay, int fromHour, int toDay, int toHour);
  // ...or at and to client points.
  void Drag(CPoint from, CPoint to);
  // Clicks the header of an hour's column.
  void ClickHeader(int hour, std::initializer_list<int> held = {});
  // Posts a command of the context menu to the grid.
  void Command(UINT command);

 private:
  CScheduleGrid m_scheduleGrid;
};
