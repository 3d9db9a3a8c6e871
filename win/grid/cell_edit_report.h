// How an in-place editor hands its result to the grid: an end-of-label-edit notification that
// names the grid itself as its sender, so the framework reflects it to the grid's own handler.
#pragma once

#include "framework/framework.h"

// Sends LVN_ENDLABELEDIT for cell (row, column) with text to the editor's parent.
void ReportCellEdit(CWnd& editor, int row, int column, const CString& text);
