// The messages the schedule grid sends to the window that owns it.
#pragma once

#include <windows.h>

// wParam: the column; lParam: a CStringList* the owner fills with the cell's choices, in order.
constexpr UINT WM_CELL_CHOICES = WM_USER + 0x7FFC;
// wParam: the grid's control id; lParam: the NMLVDISPINFOA of the edit (valid during the send).
constexpr UINT WM_CELL_EDITED = WM_USER + 0x7FFD;
// wParam: the grid's control id; lParam: why a key or a paste changed nothing, as a UTF-8
// const char* (valid during the send).
constexpr UINT WM_CELL_REFUSED = WM_USER + 0x7FFE;
// wParam: the grid's control id. The week the cells show has changed.
constexpr UINT WM_WEEK_CHANGED = WM_USER + 0x7FFB;
