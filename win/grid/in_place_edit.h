// CInPlaceEdit: the edit box laid over one grid cell for one edit, with an optional filter of
// the characters it accepts. One instance serves the whole process.
#pragma once

#include "grid/in_place_editor.h"

class CInPlaceEdit : public CInPlaceEditor<CInPlaceEdit, CEdit> {
 public:
  // Starts editing cell (row, column) of parent over rect; an empty filter accepts every
  // character. A window still waiting for its close request is reused as it is. Returns whether
  // the window exists.
  BOOL BeginCellEdit(DWORD style, const CRect& rect, CWnd* parent, UINT id, int row, int column,
                     const CString& charFilter, const CString& text);

  // Called by the modal loop before the dialog sees a message: Enter ends the edit, Escape
  // cancels it, and neither reaches the dialog.
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  // Called when the window is created: font, text, selection and focus.
  int OnCreate(LPCREATESTRUCTA create);
  // Called for each character: drops, with a beep, the ones the filter refuses.
  void OnChar(UINT character, UINT repeat, UINT flags);

 private:
  friend class CInPlaceEditor<CInPlaceEdit, CEdit>;
  CInPlaceEdit() = default;

  CString m_charFilter;

  DECLARE_MESSAGE_MAP()
};
