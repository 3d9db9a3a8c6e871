// A drop-down list's list part, wide enough for its longest item even when the closed control is
// narrower.
#pragma once

#include <windows.h>

// Widens the list part of a combo box to its widest item; never narrower than the control.
void FitDroppedWidth(HWND combo);
