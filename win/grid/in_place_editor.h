// CInPlaceEditor: what the grid's two in-place editors share. Each kind has one instance for the
// whole process; it remembers the cell it edits, and when the focus leaves it the edit ends: the
// text goes to the grid and the window closes.
#pragma once

#include <new>

#include "framework/framework.h"
#include "grid/cell_edit_report.h"

template <class Editor, class Control>
class CInPlaceEditor : public Control {
 public:
  // The process-wide instance, created on the first call; null if it cannot be allocated.
  static Editor* SharedInstance() {
    if (!s_instance) s_instance = new (std::nothrow) Editor;
    return s_instance;
  }
  // Deletes the instance, if any; the grid calls it when it is destroyed.
  static void ReleaseSharedInstance() {
    delete s_instance;
    s_instance = nullptr;
  }

 protected:
  // Called as the edit of cell (row, column) begins; text is what the cell shows.
  void BeginEditOf(int row, int column, const CString& text) {
    m_row = row;
    m_column = column;
    m_initialText = text;
    m_cancelled = false;
  }

  // Called when the focus leaves the editor: reports its text, or the cell's own if the edit
  // was cancelled, and closes the window.
  void OnKillFocus(CWnd* newFocus) {
    Control::OnKillFocus(newFocus);
    CString text;
    this->GetWindowText(text);
    ReportCellEdit(*this, m_row, m_column, m_cancelled ? m_initialText : text);
    this->PostMessage(WM_CLOSE);
  }

  // Set when Escape ends the edit: the cell keeps its text.
  bool m_cancelled = false;
  CString m_initialText;

 private:
  inline static Editor* s_instance = nullptr;
  int m_row = -1;
  int m_column = -1;
};
