// The schedule grid as the settings dialog lays it out: a column per hour, headed "0" to "23",
// each edited with the drop-down and all of them sharing the grid's width; a row per day, numbered
// 1 to 7; column 0 locked against the list's own label editing; full-row selection and no grid
// lines.
#pragma once

#include "grid/combo_list_ctrl.h"

// Gives an empty grid its hour columns and day rows; what the cells show is the caller's.
void SetUpScheduleGrid(CComboListCtrl& grid);

// Shares the grid's client width out among the hour columns, so that the whole day shows
// without a horizontal scroll bar.
void FitHourColumns(CComboListCtrl& grid);

// Makes the grid's rows as high as the images of its small-image list, which are never drawn.
void SetRowImageHeight(CComboListCtrl& grid, int height);
