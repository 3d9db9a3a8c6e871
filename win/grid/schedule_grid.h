// CScheduleGrid: the week's schedule as the grid of 7 day rows and 24 hour columns whose cells
// show "-", "C" and "M". Besides the click's drop-down of its base it keeps a current cell and a
// selected rectangle, sets the selection from the keys and a context menu, copies and pastes
// the clipboard's text, and undoes every change, a drop-down's edit included. Enter, Escape
// and Tab are left to the dialog.
#pragma once

#include <functional>
#include <string>

#include "grid/grid_selection.h"
#include "grid/combo_list_ctrl.h"
#include "schedule_edits.h"

class CScheduleGrid : public CComboListCtrl {
 public:
  // The schedule the cells show, read as OK saves it: exactly "-" is Off, exactly "C"
  // Continuous, any other text Motion.
  ScheduleEdits::Week ShownWeek() const;
  // Shows another week in the cells, as one change that can be undone.
  void ReplaceWeek(const ScheduleEdits::Week& week);

 protected:
  // Called when the grid gains or loses the focus: the current cell's focus rectangle shows
  // only while it has it.
  void OnSetFocus(CWnd* oldFocus);
  void OnKillFocus(CWnd* newFocus);
  // Called for each key: moving, selecting, setting cells, editing, the menu and undo.
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  void OnKeyUp(UINT key, UINT repeat, UINT flags);
  // Called for keys pressed with Alt, and for F10: Alt+Down edits, Shift+F10 opens the menu.
  void OnSysKeyDown(UINT key, UINT repeat, UINT flags);
  // Called for each typed character: a mode's letter sets the selection to it.
  void OnChar(UINT character, UINT repeat, UINT flags);
  // Called for the left button: a press and release on one cell edits it, a drag selects.
  void OnLButtonDown(UINT flags, CPoint point);
  void OnMouseMove(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnCaptureChanged(CWnd* capture);
  // Called for the right button: the context menu over the clicked cell.
  void OnRButtonDown(UINT flags, CPoint point);
  void OnRButtonUp(UINT flags, CPoint point);
  // Called when an hour's header is clicked: selects that hour on every day.
  void OnColumnClick(NMHDR* header, LRESULT* result);
  // Called while the list paints: colours each cell by its mode, the selection in darker shades,
  // and frames the current cell.
  void OnCustomDraw(NMHDR* header, LRESULT* result);
  // Called when an editor reports its result: the cell's change can be undone.
  void OnCellEditEnded(NMHDR* header, LRESULT* result);
  // Called with a command of the context menu.
  void OnScheduleCommand(UINT command);

 private:
  //--- Selection
  void MoveCurrent(int days, int hours, bool extend);
  void MoveCurrentTo(GridCell cell, bool extend);
  void SelectionChanged();
  // The cell under a point of the client area or nearest to it, for a drag that leaves it.
  GridCell CellNearPoint(CPoint point) const;
  // The list's own row selection and focus mean nothing here: the grid draws its own.
  void ForgetListSelection();

  //--- Changes, each of which can be undone
  // Applies the edit to the shown week and shows the result; a change is remembered for undo.
  void Change(const std::function<void(ScheduleEdits::Week&)>& edit);
  void SetSelection(ScheduleMode mode);
  void FillWeek(ScheduleMode mode);
  void CopyCurrentDay(ScheduleEdits::DaySet toDays);
  void Paste();
  void Undo();
  void Redo();
  void Copy();
  void ShowWeek(const ScheduleEdits::Week& week);
  // Tells the owner that the cells show another week.
  void WeekChanged();
  // Beeps and tells the owner why a key or a paste changed nothing.
  void Refuse(const std::string& reason);

  //--- Editing and the menu
  void EditCurrentCell();
  void ShowContextMenu(CPoint screenPoint);
  void ShowContextMenuAtCurrentCell();

  GridSelection m_selection;
  ScheduleEdits::History m_history;
  // A left press on a cell, until its release, and whether it has become a drag by reaching
  // another cell.
  bool m_pressed = false;
  bool m_dragged = false;
  // A right press on a cell, until its release opens the menu.
  bool m_rightPressed = false;

  DECLARE_MESSAGE_MAP()
};
