#include "grid/combo_list_ctrl.h"

#include <vector>

#include "grid/cell_geometry.h"
#include "grid/in_place_combo.h"
#include "grid/in_place_edit.h"

namespace {

// Columns narrower than this open no drop-down.
constexpr int kMinimumChoiceColumnWidth = 10;

// Adds or removes one column of a set in which each column occurs at most once.
void SetMembership(CList<int, int>& columns, int column, bool on) {
  POSITION position = columns.Find(column);
  if (on && !position) columns.AddTail(column);
  if (!on && position) columns.RemoveAt(position);
}

bool KeyIsDown(int key) {
  return (::GetKeyState(key) & 0x80) != 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CComboListCtrl, CListCtrl)
  ON_WM_LBUTTONDOWN()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_NOTIFY_REFLECT(LVN_BEGINLABELEDITA, &CComboListCtrl::OnBeginLabelEdit)
  ON_NOTIFY_REFLECT(LVN_ENDLABELEDITA, &CComboListCtrl::OnEndLabelEdit)
END_MESSAGE_MAP()

CComboListCtrl::CComboListCtrl() = default;

CComboListCtrl::~CComboListCtrl() {
  CInPlaceCombo::ReleaseSharedInstance();
  CInPlaceEdit::ReleaseSharedInstance();
}

//--- Configuration

void CComboListCtrl::SetChoiceColumn(int column, bool on) {
  SetMembership(m_choiceColumns, column, on);
}

bool CComboListCtrl::IsChoiceColumn(int column) const {
  return m_choiceColumns.Find(column) != nullptr;
}

void CComboListCtrl::SetLockedColumn(int column, bool on) {
  SetMembership(m_lockedColumns, column, on);
}

bool CComboListCtrl::IsLockedColumn(int column) const {
  return m_lockedColumns.Find(column) != nullptr;
}

void CComboListCtrl::SetDropDownVScroll(bool on) {
  m_dropDownStyle = on ? (m_dropDownStyle | WS_VSCROLL) : (m_dropDownStyle & ~WS_VSCROLL);
}

void CComboListCtrl::SetDropDownHScroll(bool on) {
  m_dropDownStyle = on ? (m_dropDownStyle | WS_HSCROLL) : (m_dropDownStyle & ~WS_HSCROLL);
}

void CComboListCtrl::SetColumnCharFilter(const char* characters, int column) {
  if (column == -1) {
    for (CString& filter : m_charFilters) filter = characters;
  } else if (column >= 0 && column < kFilterColumns) {
    m_charFilters[column] = characters;
  }
}

//--- Messages

void CComboListCtrl::OnLButtonDown(UINT flags, CPoint point) {
  int row = -1;
  int column = 0;
  // A click outside every cell is dropped: no selection change, and an open editor stays open.
  if (!CellFromPoint(point, row, column)) return;

  // The list's own handling selects the row and takes the focus, which ends any open edit.
  CListCtrl::OnLButtonDown(flags, point);
  if (KeyIsDown(VK_SHIFT) || KeyIsDown(VK_CONTROL)) return;

  const CString text = GetItemText(row, column);
  const bool rowHasFocus =
      row != -1 &&
      (SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_FOCUSED) & LVIS_FOCUSED) != 0;
  if (!rowHasFocus || !(GetStyle() & LVS_EDITLABELS)) return;
  EditCell(row, column, text);
}

void CComboListCtrl::EditCell(int row, int column, const CString& text) {
  if (IsChoiceColumn(column)) {
    CStringList choices(10);
    GetParent()->SendMessage(WM_CELL_CHOICES, static_cast<WPARAM>(column),
                             reinterpret_cast<LPARAM>(&choices));
    if (CInPlaceCombo* combo = OpenChoiceEditor(row, column, choices, text)) {
      combo->SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(static_cast<const char*>(text)));
    }
  } else if (!IsLockedColumn(column)) {
    OpenTextEditor(row, column, text);
  }
}

void CComboListCtrl::OnHScroll(UINT code, UINT position, CWnd* scrollBar) {
  EndEditBeforeScrolling();
  CListCtrl::OnHScroll(code, position, scrollBar);
}

void CComboListCtrl::OnVScroll(UINT code, UINT position, CWnd* scrollBar) {
  EndEditBeforeScrolling();
  CListCtrl::OnVScroll(code, position, scrollBar);
}

void CComboListCtrl::OnBeginLabelEdit(NMHDR* header, LRESULT* result) {
  const auto* record = reinterpret_cast<NMLVDISPINFOA*>(header);
  *result = IsLockedColumn(record->item.iSubItem) ? 1 : 0;
}

void CComboListCtrl::OnEndLabelEdit(NMHDR* header, LRESULT* result) {
  auto* record = reinterpret_cast<NMLVDISPINFOA*>(header);
  // The list's own editing reports a cancelled edit without text; there is nothing to write.
  if (record->item.pszText) {
    SetItemText(record->item.iItem, record->item.iSubItem, record->item.pszText);
    GetParent()->SendMessage(WM_CELL_EDITED, static_cast<WPARAM>(GetDlgCtrlID()),
                             reinterpret_cast<LPARAM>(record));
  }
  *result = 0;
}

//--- Cells

void CComboListCtrl::EditCell(int row, int column) {
  EditCell(row, column, GetItemText(row, column));
}

bool CComboListCtrl::CellFromPoint(CPoint point, int& row, int& column) const {
  row = HitTest(point);
  column = 0;
  if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT) return false;

  CRect rowRect;
  GetItemRect(row, rowRect, LVIR_BOUNDS);
  if (!rowRect.PtInRect(point)) return false;

  column = CellGeometry::ColumnAtX(point.x, rowRect.left, ColumnWidths());
  return column >= 0;
}

CRect CComboListCtrl::CellRect(int column, int row) {
  const CRect cell = CellBounds(row, column);
  CRect client;
  GetClientRect(client);
  const int dx = CellGeometry::RevealScroll(cell.left, cell.Width(), client.left, client.right);
  SendMessage(LVM_SCROLL, static_cast<WPARAM>(dx), 0);
  return CRect(cell.left - dx, cell.top, cell.right - dx, cell.bottom);
}

CRect CComboListCtrl::CellBounds(int row, int column) const {
  CRect rowRect;
  GetItemRect(row, rowRect, LVIR_BOUNDS);
  const int left = CellGeometry::ColumnLeft(column, rowRect.left, ColumnWidths());
  return CRect(left, rowRect.top, left + ColumnWidth(column), rowRect.bottom);
}

CInPlaceCombo* CComboListCtrl::OpenChoiceEditor(int row, int column, CStringList& choices,
                                                const CString& text) {
  if (!SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), TRUE)) return nullptr;
  if (column >= ColumnCount()) return nullptr;
  if (ColumnWidth(column) < kMinimumChoiceColumnWidth) return nullptr;

  CRect rect = CellRect(column, row);
  rect.bottom += CellGeometry::DropDownExtension(rect.Height(), choices.GetCount());

  CInPlaceCombo* combo = CInPlaceCombo::SharedInstance();
  if (!combo) return nullptr;
  DeliverPendingClose(combo->m_hWnd);
  combo->BeginCellEdit(m_dropDownStyle, rect, this, 0, row, column, choices, text);
  return combo;
}

void CComboListCtrl::OpenTextEditor(int row, int column, const CString& text) {
  const CRect rect = CellRect(column, row);
  CInPlaceEdit* edit = CInPlaceEdit::SharedInstance();
  if (!edit) return;
  DeliverPendingClose(edit->m_hWnd);
  const CString noFilter;
  edit->BeginCellEdit(m_editStyle, rect, this, 0, row, column,
                      column < kFilterColumns ? m_charFilters[column] : noFilter, text);
}

void CComboListCtrl::DeliverPendingClose(HWND editor) {
  // The click that started this edit has just ended the previous one, whose editor posted
  // itself a close request. Delivering it now lets the editor open afresh over the new cell;
  // otherwise the old window would be reused where it stands and close a moment later.
  MSG msg;
  while (editor && ::PeekMessageA(&msg, editor, WM_CLOSE, WM_CLOSE, PM_REMOVE)) {
    ::DispatchMessageA(&msg);
  }
}

void CComboListCtrl::EndEditBeforeScrolling() {
  if (::GetFocus() != m_hWnd) SetFocus();
}

int CComboListCtrl::ColumnCount() const {
  HWND header = ::GetDlgItem(m_hWnd, 0);
  return static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

int CComboListCtrl::ColumnWidth(int column) const {
  return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

std::vector<int> CComboListCtrl::ColumnWidths() const {
  std::vector<int> widths;
  for (int column = 0; column < ColumnCount(); ++column) widths.push_back(ColumnWidth(column));
  return widths;
}
