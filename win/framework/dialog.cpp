#include "framework/dialog.h"

#include <commctrl.h>

#include "framework/win_app.h"

namespace {

// Every message reaches the object's map first (the window is subclassed); the dialog
// procedure only answers for the dialog manager's default handling.
INT_PTR CALLBACK DialogProcedure(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

}  // namespace

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
  if (!control.m_hWnd) control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_pDlgWnd);
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
  // Commands that neither the dialog nor a control handles go to the application object.
  if (message == WM_COMMAND && AfxGetApp() &&
      AfxGetApp()->OnWndMsg(message, wParam, lParam, result))
    return true;
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal() {
  // The template may hold common controls such as a list view.
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&classes);

  HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  m_endModal = false;
  m_nModalResult = -1;
  {
    WindowCreationHook attach(this);
    ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                         DialogProcedure, 0);
  }
  if (!m_hWnd) return -1;
  if (owner) ::EnableWindow(owner, FALSE);
  // Windows makes a push button that takes the first focus the default button, so Enter presses
  // it; Wine leaves that to later focus moves, so the dialog manager is told here.
  if (HWND focus = ::GetFocus(); focus && ::IsChild(m_hWnd, focus))
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
  ShowWindow(SW_SHOWNORMAL);

  // The dialog's own modal loop.
  while (!m_endModal) {
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) CWnd::DeleteTempMap();
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // WM_QUIT: end the dialog and leave the quit request for the outer loop.
      if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    RouteMessage(msg, m_hWnd);
  }

  if (owner) ::EnableWindow(owner, TRUE);
  DestroyWindow();
  return m_nModalResult;
}

void CDialog::RouteMessage(MSG& msg, HWND dialog) {
  // Keyboard messages are queued for the focused window; walk from it up to the dialog.
  for (HWND hwnd = msg.hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
    CWnd* object = FromHandlePermanent(hwnd);
    if (object && object->PreTranslateMessage(&msg)) return;
    if (hwnd == dialog) break;
  }
  if (dialog && ::IsDialogMessageA(dialog, &msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
}

void CDialog::EndDialog(int result) {
  m_nModalResult = result;
  m_endModal = true;
  // Wakes the modal loop if this was called from outside a dispatched message.
  PostMessage(WM_NULL);
}

BOOL CDialog::OnInitDialog() {
  return UpdateData(FALSE);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  return OnInitDialog();
}
