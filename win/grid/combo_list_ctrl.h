// CComboListCtrl: a report-view list whose cells are edited in place. A click on a cell opens
// the shared drop-down (choice columns, choices asked of the parent with WM_CELL_CHOICES) or the
// shared edit box (other columns that are not locked) over it; the editor's result comes back
// as a reflected LVN_ENDLABELEDIT, is written into the cell and told to the parent with
// WM_CELL_EDITED.
#pragma once

#include <vector>

#include "framework/framework.h"
#include "grid/cell_messages.h"

class CInPlaceCombo;

class CComboListCtrl : public CListCtrl {
 public:
  CComboListCtrl();
  // Deletes the shared editors, so they never outlive the grid.
  ~CComboListCtrl() override;

  // Marks or unmarks a column as edited with the drop-down.
  void SetChoiceColumn(int column, bool on);
  bool IsChoiceColumn(int column) const;
  // Marks or unmarks a column as never edited with the edit box nor by the list's own editing.
  void SetLockedColumn(int column, bool on);
  bool IsLockedColumn(int column) const;
  // Scroll bars of drop-downs created from now on.
  void SetDropDownVScroll(bool on);
  void SetDropDownHScroll(bool on);
  // The characters the edit box accepts in a column (0 to 99), or in all of them (-1); an empty
  // string accepts everything.
  void SetColumnCharFilter(const char* characters, int column);

 protected:
  // Called on a left click: opens the editor of the clicked cell.
  void OnLButtonDown(UINT flags, CPoint point);
  // Called when a scroll bar is used: ends an open edit, then scrolls.
  void OnHScroll(UINT code, UINT position, CWnd* scrollBar);
  void OnVScroll(UINT code, UINT position, CWnd* scrollBar);
  // Called when the list is about to start its own label editing: refused in locked columns.
  void OnBeginLabelEdit(NMHDR* header, LRESULT* result);
  // Called when an editor reports its result: writes the cell and tells the parent.
  void OnEndLabelEdit(NMHDR* header, LRESULT* result);

  // Opens the cell's editor, as a click on it does: the drop-down in a choice column, else the
  // edit box unless the column is locked.
  void EditCell(int row, int column);
  // The cell under a client point; false below the last row, right of the last column, or when
  // the list is not a report view.
  bool CellFromPoint(CPoint point, int& row, int& column) const;
  // The cell's rectangle in client coordinates, after scrolling the column into view.
  CRect CellRect(int column, int row);
  // The cell's rectangle in client coordinates as it stands, without scrolling.
  CRect CellBounds(int row, int column) const;
  int ColumnCount() const;
  int ColumnWidth(int column) const;
  std::vector<int> ColumnWidths() const;

 private:
  static constexpr int kFilterColumns = 100;

  void EditCell(int row, int column, const CString& text);
  CInPlaceCombo* OpenChoiceEditor(int row, int column, CStringList& choices, const CString& text);
  void OpenTextEditor(int row, int column, const CString& text);
  // Lets a shared editor that has just ended close its window before a new edit starts.
  void DeliverPendingClose(HWND editor);
  void EndEditBeforeScrolling();

  CList<int, int> m_choiceColumns{10};
  CList<int, int> m_lockedColumns{10};
  DWORD m_editStyle = ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL;
  DWORD m_dropDownStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL |
                          CBS_OEMCONVERT | CBS_DISABLENOSCROLL;
  CString m_charFilters[kFilterColumns];

  DECLARE_MESSAGE_MAP()
};
