// CInPlaceCombo: the drop-down list laid over one grid cell for one edit. One instance serves
// the whole process; its window lives from BeginCellEdit until the focus leaves it.
#pragma once

#include "grid/in_place_editor.h"

class CInPlaceCombo : public CInPlaceEditor<CInPlaceCombo, CComboBox> {
 public:
  // Starts editing cell (row, column) of parent over rect with the given choices. A window still
  // waiting for its close request is reused as it is. Returns whether the window exists.
  BOOL BeginCellEdit(DWORD style, const CRect& rect, CWnd* parent, UINT id, int row, int column,
                     CStringList& choices, const CString& text);

  // Called by the modal loop before the dialog sees a message: Enter and Escape go straight to
  // the drop-down, so they never act as the dialog's OK or Cancel.
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  // Called when the window is created: font, focus and the choices.
  int OnCreate(LPCREATESTRUCTA create);
  // Called for each character: Escape cancels, Enter and Escape end the edit.
  void OnChar(UINT character, UINT repeat, UINT flags);
  // Called when the list part closes, by a pick or a dismissal: ends the edit.
  void OnCloseUp();

 private:
  friend class CInPlaceEditor<CInPlaceCombo, CComboBox>;
  CInPlaceCombo() = default;

  CStringList m_choices{10};

  DECLARE_MESSAGE_MAP()
};
