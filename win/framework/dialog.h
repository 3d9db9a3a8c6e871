// CDialog: a modal dialog from a dialog template in the program's resources.
#pragma once

#include "framework/message_map.h"

class CDialog;

// Passed to DoDataExchange; the dialog's controls are attached to their members through it.
class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, BOOL saveAndValidate)
      : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  CDialog* m_pDlgWnd;
  BOOL m_bSaveAndValidate;
};

// Attaches the member object to the dialog's control id, once.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr)
      : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

  // Creates the dialog, runs its modal loop until EndDialog, destroys the window and returns
  // the result given to EndDialog (-1 if the dialog could not be created).
  virtual INT_PTR DoModal();
  // Ends the modal loop with the result; the window is destroyed when DoModal returns.
  void EndDialog(int result);
  // Routes one message as the modal loop does: the PreTranslateMessage of its window and of
  // that window's parents up to the dialog sees it first, then the dialog manager of dialog (if
  // any) takes keyboard navigation, Enter and Escape; what neither takes is dispatched.
  static void RouteMessage(MSG& msg, HWND dialog);

  // Called before the dialog is displayed; attaches the controls (DoDataExchange). TRUE gives the
  // focus to the first control in tab order.
  virtual BOOL OnInitDialog();
  // Called when the OK button or Enter is pressed: ends the dialog with IDOK.
  virtual void OnOK() { EndDialog(IDOK); }
  // Called on Cancel, Escape or the close box: ends the dialog with IDCANCEL.
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Moves data between members and controls; the framework calls it from OnInitDialog.
  virtual void DoDataExchange(CDataExchange*) {}
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

 protected:
  // Called when the map sees WM_INITDIALOG; returns OnInitDialog's answer to the system.
  LRESULT HandleInitDialog(WPARAM, LPARAM);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 private:
  bool m_endModal = false;
  int m_nModalResult = -1;

  DECLARE_MESSAGE_MAP()
};
