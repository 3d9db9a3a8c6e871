#include "grid/in_place_edit.h"

namespace {

// Backspace and the clipboard's Ctrl+C, Ctrl+V and Ctrl+X always pass the filter.
bool AlwaysAccepted(UINT character) {
  return character == 0x08 || character == 0x03 || character == 0x16 || character == 0x18;
}

}  // namespace

BEGIN_MESSAGE_MAP(CInPlaceEdit, CEdit)
  ON_WM_KILLFOCUS()
  ON_WM_CHAR()
  ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CInPlaceEdit::BeginCellEdit(DWORD style, const CRect& rect, CWnd* parent, UINT id, int row,
                                 int column, const CString& charFilter, const CString& text) {
  BeginEditOf(row, column, text);
  m_charFilter = charFilter;
  if (!m_hWnd) Create(style, rect, parent, id);
  return m_hWnd != nullptr;
}

BOOL CInPlaceEdit::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN)) {
    if (msg->wParam == VK_ESCAPE) m_cancelled = true;
    GetParent()->SetFocus();
    return TRUE;
  }
  return CEdit::PreTranslateMessage(msg);
}

int CInPlaceEdit::OnCreate(LPCREATESTRUCTA create) {
  if (CEdit::OnCreate(create) == -1) return -1;
  SendMessage(WM_SETFONT, static_cast<WPARAM>(GetParent()->SendMessage(WM_GETFONT)), TRUE);
  ShowWindow(SW_SHOW);
  SetWindowText(m_initialText);
  SendMessage(EM_SETSEL, 0, -1);
  SendMessage(EM_SCROLLCARET);
  SetFocus();
  return 0;
}

void CInPlaceEdit::OnChar(UINT character, UINT repeat, UINT flags) {
  const bool refused = !m_charFilter.IsEmpty() && !AlwaysAccepted(character) &&
                       m_charFilter.Find(static_cast<char>(character)) < 0;
  if (refused) {
    ::MessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  CEdit::OnChar(character, repeat, flags);
}
