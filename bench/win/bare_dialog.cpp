// The smallest Win32 dialog program: one modal dialog from an empty template with two buttons.
// The start-up benchmark holds the settings program against it.
#include <windows.h>

namespace {

// Called for every message to the dialog; either button ends it.
INT_PTR CALLBACK bareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  DialogBoxParamA(instance, MAKEINTRESOURCEA(100), nullptr, bareDialogProc, 0);
  return 0;
}
