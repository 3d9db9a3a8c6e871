// The floor under the settings program's start-up: its own dialog template, icon and manifest,
// shown by the system's modal loop with a dialog procedure that only ends the dialog. What the
// settings program costs beyond this is what its own code adds to the fixed design.
#include <windows.h>

#include <commctrl.h>

#include "resource.h"

namespace {

// Called for every message to the dialog; OK, Cancel and Escape end it.
INT_PTR CALLBACK floorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND) {
    const WORD id = LOWORD(wParam);
    if (id == IDC_OK || id == IDC_CANCEL || id == IDCANCEL) {
      EndDialog(dialog, id);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The template holds a list view, whose class the common controls register.
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_KESTRUNE_DIALOG), nullptr, floorDialogProc, 0);
  return 0;
}
