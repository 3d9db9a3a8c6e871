#include "grid/schedule_grid.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "grid/cell_geometry.h"
#include "grid/schedule_layout.h"
#include "grid/schedule_menu.h"
#include "grid/text_clipboard.h"
#include "grid/mode_colours.h"

using ScheduleEdits::Week;

namespace {

bool KeyIsDown(int key) {
  return ::GetKeyState(key) < 0;
}

// A cell holds the grid's own letter of a mode, exactly; any other text (empty, its row number,
// a letter in the other case) is read as Motion.
ScheduleMode ModeOfCellText(const CString& text) {
  for (const ModeLook& look : kModeLooks) {
    if (text == look.windowsLetter) return look.mode;
  }
  return Motion;
}

bool SameWeek(const Week& left, const Week& right) {
  return std::memcmp(&left, &right, sizeof left) == 0;
}

// Printable characters other than a mode's letter set nothing; the space opens the editor.
bool IsRefusedCharacter(UINT character) {
  return character > ' ' && character != 0x7F;
}

}  // namespace

BEGIN_MESSAGE_MAP(CScheduleGrid, CComboListCtrl)
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_KEYDOWN()
  ON_WM_KEYUP()
  ON_WM_SYSKEYDOWN()
  ON_WM_CHAR()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
  ON_WM_CAPTURECHANGED()
  ON_WM_RBUTTONDOWN()
  ON_WM_RBUTTONUP()
  ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, &CScheduleGrid::OnColumnClick)
  ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CScheduleGrid::OnCustomDraw)
  ON_NOTIFY_REFLECT(LVN_ENDLABELEDITA, &CScheduleGrid::OnCellEditEnded)
  ON_COMMAND_RANGE(kFirstScheduleCommand, kLastScheduleCommand, &CScheduleGrid::OnScheduleCommand)
END_MESSAGE_MAP()

Week CScheduleGrid::ShownWeek() const {
  Week week{};
  for (int day = 0; day < kDayCount; ++day) {
    for (int hour = 0; hour < kHourCount; ++hour) {
      week.week_schduce[day].rec_motion_status[hour] = ModeOfCellText(GetItemText(day, hour));
    }
  }
  return week;
}

void CScheduleGrid::ReplaceWeek(const Week& week) {
  Change([&week](Week& shown) { shown = week; });
}

//--- Focus and keys

void CScheduleGrid::OnSetFocus(CWnd* oldFocus) {
  ForgetListSelection();
  CComboListCtrl::OnSetFocus(oldFocus);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CScheduleGrid::OnKillFocus(CWnd* newFocus) {
  CComboListCtrl::OnKillFocus(newFocus);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CScheduleGrid::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  const bool shift = KeyIsDown(VK_SHIFT);
  const bool control = KeyIsDown(VK_CONTROL);
  const GridCell current = m_selection.Current();
  switch (key) {
    case VK_LEFT:
      return MoveCurrent(0, -1, shift);
    case VK_RIGHT:
      return MoveCurrent(0, 1, shift);
    case VK_UP:
      return MoveCurrent(-1, 0, shift);
    case VK_DOWN:
      return MoveCurrent(1, 0, shift);
    case VK_HOME:
      return MoveCurrentTo({control ? 0 : current.day, 0}, shift);
    case VK_END:
      return MoveCurrentTo({control ? kDayCount - 1 : current.day, kHourCount - 1}, shift);
    case VK_PRIOR:
      return MoveCurrentTo({0, current.hour}, shift);
    case VK_NEXT:
      return MoveCurrentTo({kDayCount - 1, current.hour}, shift);
    case VK_DELETE:
      return SetSelection(Off);
    case VK_SPACE:
    case VK_F2:
    case VK_F4:
      return EditCurrentCell();
    case VK_APPS:
      return ShowContextMenuAtCurrentCell();
  }
  if (control) {
    switch (key) {
      case 'A':
        m_selection.SelectAll();
        return SelectionChanged();
      case 'C':
        return Copy();
      case 'V':
        return Paste();
      case 'Z':
        return Undo();
      case 'Y':
        return Redo();
    }
  }
  CComboListCtrl::OnKeyDown(key, repeat, flags);
}

void CScheduleGrid::OnKeyUp(UINT key, UINT repeat, UINT flags) {
  // The menu key has opened the menu already; the standard handling would open it again.
  if (key == VK_APPS) return;
  CComboListCtrl::OnKeyUp(key, repeat, flags);
}

void CScheduleGrid::OnSysKeyDown(UINT key, UINT repeat, UINT flags) {
  if (key == VK_DOWN && KeyIsDown(VK_MENU)) return EditCurrentCell();
  if (key == VK_F10 && KeyIsDown(VK_SHIFT)) return ShowContextMenuAtCurrentCell();
  CComboListCtrl::OnSysKeyDown(key, repeat, flags);
}

void CScheduleGrid::OnChar(UINT character, UINT, UINT) {
  // Every other character is dropped: the list's own search by typing would move its row focus.
  if (const auto mode = modeOfLetter(static_cast<char>(character))) {
    SetSelection(*mode);
  } else if (IsRefusedCharacter(character)) {
    Refuse("Type " + modeLettersText() + " to set the selected hours.");
  }
}

//--- Mouse

void CScheduleGrid::OnLButtonDown(UINT flags, CPoint point) {
  int day = 0;
  int hour = 0;
  // A press outside every cell is dropped, as the base does, and an open editor stays open.
  if (!CellFromPoint(point, day, hour)) return;
  // Taking the focus ends an open edit before anything else happens.
  SetFocus();
  MoveCurrentTo({day, hour}, (flags & MK_SHIFT) != 0);
  if (flags & (MK_SHIFT | MK_CONTROL)) return;
  m_pressed = true;
  m_dragged = false;
  ::SetCapture(m_hWnd);
}

void CScheduleGrid::OnMouseMove(UINT flags, CPoint point) {
  if (!m_pressed) return CComboListCtrl::OnMouseMove(flags, point);
  const GridCell cell = CellNearPoint(point);
  if (cell == m_selection.Current()) return;
  m_dragged = true;
  MoveCurrentTo(cell, true);
}

void CScheduleGrid::OnLButtonUp(UINT, CPoint) {
  const bool clicked = m_pressed && !m_dragged;
  m_pressed = false;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  // A press and release on one cell opens its drop-down, as a click always has.
  if (clicked) EditCurrentCell();
}

void CScheduleGrid::OnCaptureChanged(CWnd*) {
  m_pressed = false;
}

void CScheduleGrid::OnRButtonDown(UINT, CPoint point) {
  int day = 0;
  int hour = 0;
  if (!CellFromPoint(point, day, hour)) return;
  SetFocus();
  // A press inside the selection keeps it for the menu; elsewhere it selects the cell.
  if (!m_selection.Contains(day, hour)) MoveCurrentTo({day, hour}, false);
  m_rightPressed = true;
}

void CScheduleGrid::OnRButtonUp(UINT, CPoint point) {
  if (!m_rightPressed) return;
  m_rightPressed = false;
  ::ClientToScreen(m_hWnd, &point);
  ShowContextMenu(point);
}

void CScheduleGrid::OnColumnClick(NMHDR* header, LRESULT*) {
  const auto* column = reinterpret_cast<NMLISTVIEW*>(header);
  SetFocus();
  m_selection.SelectHour(column->iSubItem, KeyIsDown(VK_SHIFT));
  SelectionChanged();
}

//--- Drawing

void CScheduleGrid::OnCustomDraw(NMHDR* header, LRESULT* result) {
  auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
  const DWORD stage = draw->nmcd.dwDrawStage;
  if (stage == CDDS_PREPAINT) {
    *result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
  } else if ((stage & ~static_cast<DWORD>(CDDS_SUBITEM)) == CDDS_ITEMPREPAINT) {
    // The same for the row and for each of its cells: some lists tell the first cell apart
    // from the row, others do not.
    draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
    const int day = static_cast<int>(draw->nmcd.dwItemSpec);
    const int hour = draw->iSubItem;
    // A lone current cell counts as selected only while the grid has the focus, so that Monday
    // at midnight does not look chosen in a grid the user has not touched.
    const bool highlighted =
        m_selection.Contains(day, hour) && (!m_selection.IsSingleCell() || ::GetFocus() == m_hWnd);
    // The colour says what the hour is saved as: a cell that shows no letter is Motion.
    const ModeLook& look = kModeLooks[ModeOfCellText(GetItemText(day, hour))];
    draw->clrTextBk = ColourOf(highlighted ? look.selectedFill : look.fill);
    draw->clrText = ColourOf(highlighted ? look.selectedText : look.text);
    *result = CDRF_NOTIFYSUBITEMDRAW | CDRF_NEWFONT;
  } else if (stage == CDDS_POSTPAINT && ::GetFocus() == m_hWnd) {
    CRect frame = CellBounds(m_selection.Current().day, m_selection.Current().hour);
    ::InflateRect(&frame, -1, -1);
    ::DrawFocusRect(draw->nmcd.hdc, &frame);
  }
}

//--- Changes

void CScheduleGrid::OnCellEditEnded(NMHDR* header, LRESULT* result) {
  const Week before = ShownWeek();
  CComboListCtrl::OnEndLabelEdit(header, result);
  if (SameWeek(before, ShownWeek())) return;
  m_history.remember(before);
  WeekChanged();
}

void CScheduleGrid::OnScheduleCommand(UINT command) {
  switch (command) {
    case kCommandSetOff:
      return SetSelection(Off);
    case kCommandSetContinuous:
      return SetSelection(Continuous);
    case kCommandSetMotion:
      return SetSelection(Motion);
    case kCommandCopy:
      return Copy();
    case kCommandPaste:
      return Paste();
    case kCommandCopyDayToEveryDay:
      return CopyCurrentDay(ScheduleEdits::kAllDays);
    case kCommandCopyDayToWorkDays:
      return CopyCurrentDay(ScheduleEdits::kWorkDays);
    case kCommandFillOff:
      return FillWeek(Off);
    case kCommandFillContinuous:
      return FillWeek(Continuous);
    case kCommandFillMotion:
      return FillWeek(Motion);
    case kCommandUndo:
      return Undo();
    case kCommandRedo:
      return Redo();
  }
}

void CScheduleGrid::Change(const std::function<void(Week&)>& edit) {
  const Week before = ShownWeek();
  Week after = before;
  edit(after);
  if (SameWeek(before, after)) return;
  m_history.remember(before);
  ShowWeek(after);
}

void CScheduleGrid::SetSelection(ScheduleMode mode) {
  Change([this, mode](Week& week) {
    ScheduleEdits::setCells(week, m_selection.Days(), m_selection.Hours(), mode);
  });
}

void CScheduleGrid::FillWeek(ScheduleMode mode) {
  Change([mode](Week& week) { ScheduleEdits::fillWeek(week, mode); });
}

void CScheduleGrid::CopyCurrentDay(ScheduleEdits::DaySet toDays) {
  const int day = m_selection.Current().day;
  Change([day, toDays](Week& week) { ScheduleEdits::copyDay(week, day, toDays); });
}

void CScheduleGrid::Copy() {
  TextClipboard::Put(m_hWnd, ScheduleEdits::copyText(ShownWeek(), m_selection.Rect()));
}

void CScheduleGrid::Paste() {
  const auto text = TextClipboard::Get(m_hWnd);
  if (!text) return Refuse("Nothing to paste: the clipboard holds no text.");
  const auto parsed = ScheduleEdits::parseText(*text);
  if (!parsed.block) {
    const ScheduleEdits::TextError& error = parsed.error;
    return Refuse("Nothing pasted: line " + std::to_string(error.line) + ", cell " +
                  std::to_string(error.column) + " of the clipboard: " + error.message);
  }
  Week week = ShownWeek();
  const Week before = week;
  const auto at = ScheduleEdits::pasteOrigin(m_selection.Days(), m_selection.Hours());
  // A block that reaches past Sunday or hour 23 changes nothing.
  if (const auto reason = ScheduleEdits::pasteBlock(week, *parsed.block, at->day, at->hour))
    return Refuse("Nothing pasted: " + *reason);
  if (SameWeek(before, week)) return;
  m_history.remember(before);
  ShowWeek(week);
}

void CScheduleGrid::Undo() {
  Week week = ShownWeek();
  if (m_history.undo(week)) ShowWeek(week);
}

void CScheduleGrid::Redo() {
  Week week = ShownWeek();
  if (m_history.redo(week)) ShowWeek(week);
}

void CScheduleGrid::ShowWeek(const Week& week) {
  // Only cells whose mode changes are written, so a cell that shows no letter keeps its text
  // while its mode stays.
  for (int day = 0; day < kDayCount; ++day) {
    for (int hour = 0; hour < kHourCount; ++hour) {
      const std::int8_t mode = week.week_schduce[day].rec_motion_status[hour];
      if (ModeOfCellText(GetItemText(day, hour)) == mode) continue;
      const char letter[] = {modeLetter(mode), '\0'};
      SetItemText(day, hour, letter);
    }
  }
  WeekChanged();
}

void CScheduleGrid::WeekChanged() {
  GetParent()->SendMessage(WM_WEEK_CHANGED, static_cast<WPARAM>(GetDlgCtrlID()));
}

void CScheduleGrid::Refuse(const std::string& reason) {
  ::MessageBeep(MB_ICONEXCLAMATION);
  GetParent()->SendMessage(WM_CELL_REFUSED, static_cast<WPARAM>(GetDlgCtrlID()),
                           reinterpret_cast<LPARAM>(reason.c_str()));
}

//--- Selection

void CScheduleGrid::MoveCurrent(int days, int hours, bool extend) {
  m_selection.MoveBy(days, hours, extend);
  SelectionChanged();
}

void CScheduleGrid::MoveCurrentTo(GridCell cell, bool extend) {
  m_selection.MoveTo(cell, extend);
  SelectionChanged();
}

void CScheduleGrid::SelectionChanged() {
  const GridCell current = m_selection.Current();
  // Scrolls the current cell into view.
  SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(current.day), FALSE);
  CellRect(current.hour, current.day);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

GridCell CScheduleGrid::CellNearPoint(CPoint point) const {
  CRect firstRow;
  GetItemRect(0, firstRow, LVIR_BOUNDS);
  const int rowHeight = std::max(1, firstRow.Height());
  const int day =
      std::clamp(static_cast<int>(point.y - firstRow.top) / rowHeight, 0, kDayCount - 1);
  const int hour = CellGeometry::ColumnNearX(point.x, firstRow.left, ColumnWidths());
  return {day, std::clamp(hour, 0, kHourCount - 1)};
}

void CScheduleGrid::ForgetListSelection() {
  LVITEMA noState{};
  noState.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&noState));
}

//--- Editing and the menu

void CScheduleGrid::EditCurrentCell() {
  const GridCell current = m_selection.Current();
  EditCell(current.day, current.hour);
}

void CScheduleGrid::ShowContextMenu(CPoint screenPoint) {
  const ScheduleMenuState state{TextClipboard::HasText(), m_history.canUndo(), m_history.canRedo()};
  HMENU menu = CreateScheduleMenu(state);
  // The chosen command comes back to the grid as WM_COMMAND.
  ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenPoint.x,
                   screenPoint.y, 0, m_hWnd, nullptr);
  ::DestroyMenu(menu);
}

void CScheduleGrid::ShowContextMenuAtCurrentCell() {
  SelectionChanged();
  const CRect cell = CellBounds(m_selection.Current().day, m_selection.Current().hour);
  CPoint corner(cell.left, cell.bottom);
  ::ClientToScreen(m_hWnd, &corner);
  ShowContextMenu(corner);
}
