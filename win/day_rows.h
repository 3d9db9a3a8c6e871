// The height of the schedule grid's day rows: pure arithmetic over what the dialog measures, so
// that the whole week shows and each day's row lies beside its label at any DPI.
#pragma once

#include <array>

#include "usr_setting.h"

// Where the rows can go, in the grid's client coordinates.
struct DayRowSpace {
  // The first row starts below the column header.
  int firstRowTop = 0;
  // The rows must end above the client area's bottom (and the horizontal scroll bar).
  int rowsBottom = 0;
  // Each day label's top plus bottom: twice its vertical centre, so that half pixels count.
  std::array<int, kDayCount> labelCentresTwice{};
};

// The row height that shows all seven rows and puts each label's centre inside its own row,
// with the labels as near their rows' centres as can be. When no height does both, the height
// that shows all seven rows with the labels nearest their rows.
int FitDayRowHeight(const DayRowSpace& space);
