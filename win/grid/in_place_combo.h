// CInPlaceCombo: the drop-down list laid over one grid cell for one edit. One instance serves
// the whole process; its window lives from BeginCellEdit until the focus leaves it.
#pragma once

#include "framework/framework.h"

class CInPlaceCombo : public CComboBox {
 public:
  // The process-wide instance, created on the first call; null if it cannot be allocated.
  static CInPlaceCombo* SharedInstance();
  // Deletes the instance, if any; the grid calls it when it is destroyed.
  static void ReleaseSharedInstance();

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
  // Called when the focus leaves the drop-down: reports the text and closes the window.
  void OnKillFocus(CWnd* newFocus);
  // Called for each character: Escape cancels, Enter and Escape end the edit.
  void OnChar(UINT character, UINT repeat, UINT flags);
  // Called when the list part closes, by a pick or a dismissal: ends the edit.
  void OnCloseUp();

 private:
  CInPlaceCombo() = default;

  static CInPlaceCombo* s_instance;

  int m_row = -1;
  int m_column = -1;
  bool m_cancelled = false;
  CString m_initialText;
  CStringList m_choices{10};

  DECLARE_MESSAGE_MAP()
};
