#include "grid/in_place_combo.h"

#include "grid/drop_down_width.h"

BEGIN_MESSAGE_MAP(CInPlaceCombo, CComboBox)
  ON_WM_CREATE()
  ON_WM_KILLFOCUS()
  ON_WM_CHAR()
  ON_CONTROL_REFLECT(CBN_CLOSEUP, &CInPlaceCombo::OnCloseUp)
END_MESSAGE_MAP()

BOOL CInPlaceCombo::BeginCellEdit(DWORD style, const CRect& rect, CWnd* parent, UINT id, int row,
                                  int column, CStringList& choices, const CString& text) {
  BeginEditOf(row, column, text);
  m_choices.RemoveAll();
  for (POSITION position = choices.GetHeadPosition(); position;) {
    m_choices.AddTail(choices.GetNext(position));
  }
  if (!m_hWnd) Create(style, rect, parent, id);
  if (!m_hWnd) return FALSE;
  SendMessage(CB_SETCURSEL, static_cast<WPARAM>(-1));
  return TRUE;
}

BOOL CInPlaceCombo::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
    ::TranslateMessage(msg);
    ::DispatchMessageA(msg);
    return TRUE;
  }
  return CComboBox::PreTranslateMessage(msg);
}

int CInPlaceCombo::OnCreate(LPCREATESTRUCTA create) {
  if (CComboBox::OnCreate(create) == -1) return -1;
  SendMessage(WM_SETFONT, static_cast<WPARAM>(GetParent()->SendMessage(WM_GETFONT)), TRUE);
  SetFocus();
  SendMessage(CB_RESETCONTENT);
  for (POSITION position = m_choices.GetHeadPosition(); position;) {
    const char* choice = m_choices.GetNext(position);
    SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
  }
  // The list may be wider than a narrow cell, so that no choice is clipped.
  FitDroppedWidth(m_hWnd);
  return 0;
}

void CInPlaceCombo::OnChar(UINT character, UINT repeat, UINT flags) {
  if (character == VK_ESCAPE || character == VK_RETURN) {
    if (character == VK_ESCAPE) m_cancelled = true;
    GetParent()->SetFocus();
    return;
  }
  CComboBox::OnChar(character, repeat, flags);
}

void CInPlaceCombo::OnCloseUp() {
  GetParent()->SetFocus();
}
