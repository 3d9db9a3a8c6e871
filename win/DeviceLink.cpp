// The dialog's link to the camera's device library: binding its entry points, and following
// the storage volumes that arrive and go away. The link is not part of the program yet; until
// it is, these steps bind nothing, register for nothing and leave every notice alone.
#include "PellinDlg.h"

// Called at set-up, before the device notices are registered.
void CPellinDlg::BindDeviceLibrary() {}

// Called at set-up, once no drive is remembered as connected.
void CPellinDlg::RegisterDeviceNotices() {}

// Called when a storage volume arrives or goes away.
BOOL CPellinDlg::OnDeviceChange(UINT, DWORD_PTR) {
  return 0;
}
